#!/usr/bin/env bash
# The set editor as a user meets it: opened from the menu, worked by keyboard and mouse, saved
# through the real dialog into the data folder, drawn on the main screen, and guarded at close.
source "$(dirname "$0")/e2e.sh" "$@"

# Only the user's own set in the data folder, so that the main screen can draw nothing else.
rm -f "$KB_DATA"/*.kbs
FIRST="Hum the bass line before you write it down"
SECOND="Record the chorus at half speed"

title() { xdotool getwindowname "$KB_WINDOW"; }
saved_text() { file_text "$KB_DATA/mine.kbs"; }

start_program
choose_menu_entry 3
sleep 0.4
kb_screenshot "$KB_WORK/editor-empty.png"

# Keys work at once, without a click into the panel.
xdotool key ctrl+n
sleep 0.4
check "Ctrl+N right after opening makes a new set (title: $(title))" test "$(title)" = "Kindlebrook*"
edit_label_at 250 168 "$FIRST"
xdotool key ctrl+plus
sleep 0.3
edit_label_at 250 168 "$SECOND"
kb_screenshot "$KB_WORK/editor-advice.png"

# A colour, then a tag (instruments, the sixth cell), each on its page and back.
click_at 20 188
sleep 0.3
click_at 330 190
sleep 0.2
kb_screenshot "$KB_WORK/editor-colour.png"
click_at 20 188
click_at 60 284
sleep 0.3
click_at 250 130
sleep 0.2
click_at 206 160
sleep 0.2
kb_screenshot "$KB_WORK/editor-tags.png"
click_at 60 284
sleep 0.3

# A last edit left open: Ctrl+S keeps what was typed.
click_at 250 107
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 10 "My own set"
xdotool key ctrl+s
answer_file_dialog "mine"
check "Ctrl+S saved through the dialog into the data folder" test -f "$KB_DATA/mine.kbs"
check "the title names the saved file ($(title))" test "$(title)" = "Kindlebrook - mine.kbs"
check "the file holds the first advice" grep -qxF "Item=$FIRST;" <(saved_text)
check "the file holds the advice added with Ctrl++" grep -qxF "Item=$SECOND;" <(saved_text)
check "the colour chosen on its page was saved" test -n "$(set_colour "$KB_DATA/mine.kbs")" -a "$(set_colour "$KB_DATA/mine.kbs")" != "255,165,0"
check "the tag chosen on its page was saved" grep -q "^Tags=.*205," <(saved_text)
check "the name still being typed at Ctrl+S was saved" grep -qx "Name=My own set;" <(saved_text)

# Back on the main screen, with the filter on that set, both advice come up.
click_at 466 322
sleep 0.5
choose_menu_entry 1
sleep 0.3
click_at 320 152
sleep 0.5
# The list opens on the current entry, "All the sets"; the user's set is two below.
xdotool key Down Down Return
sleep 0.3
kb_screenshot "$KB_WORK/options-mine.png"
click_at 150 295
sleep 0.5
check "the filter holds the new set" grep -qx "Sets=mine.kbs;" <(file_text "$KB_SETTINGS")
drawn=""
for i in 1 2; do
    click_new_advice
    drawn="$drawn|$(read_advice)"
done
check "the main screen draws the first advice ($drawn)" grep -qF "|$FIRST" <<<"$drawn"
check "the main screen draws the second advice" grep -qF "|$SECOND" <<<"$drawn"

# Reopen it, change it, and close the window: Cancel keeps the program, Ignore quits unsaved.
choose_menu_entry 3
sleep 0.4
xdotool key ctrl+o
answer_file_dialog "mine.kbs"
check "Ctrl+O opened the set ($(title))" test "$(title)" = "Kindlebrook - mine.kbs"
edit_label_at 250 107 "A name never saved"
check "an edit marks the title ($(title))" test "$(title)" = "Kindlebrook - mine.kbs*"
wmctrl -i -c "$KB_WINDOW"
other_window >/dev/null || fail "closing asked nothing"
kb_screenshot "$KB_WORK/editor-prompt.png" root
xdotool key Escape
sleep 0.5
check "Cancel keeps the program running" kill -0 "$KB_APP_PID"
wmctrl -i -c "$KB_WINDOW"
click_ignore
for i in $(seq 1 50); do kill -0 "$KB_APP_PID" 2>/dev/null || break; sleep 0.1; done
check "Ignore quits" bash -c "! kill -0 $KB_APP_PID 2>/dev/null"
check "the file keeps the saved version" grep -qxF "Item=$FIRST;" <(saved_text)
check "the unsaved name did not reach the file" bash -c "! grep -q 'A name never saved' <<<\"\$1\"" _ "$(saved_text)"
finish
