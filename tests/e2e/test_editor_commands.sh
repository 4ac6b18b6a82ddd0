#!/usr/bin/env bash
# Every command of the set editor by mouse and by its keys, in the real window.
source "$(dirname "$0")/e2e.sh" "$@"

title() { xdotool getwindowname "$KB_WINDOW"; }
saved_text() { file_text "$KB_DATA/cmds.kbs"; }

start_program
choose_menu_entry 3
sleep 0.4

click_at 170 24
sleep 0.3
check "the new set button opens a set ($(title))" test "$(title)" = "Kindlebrook*"
edit_label_at 250 168 "Alpha"
click_at 195 322
sleep 0.2
edit_label_at 250 168 "Beta"
click_at 245 322
sleep 0.2
edit_label_at 250 168 "Gamma"

# Up twice, down once: Beta is shown, and it is the one deleted after the confirmation.
xdotool key Prior Prior Next
sleep 0.2
click_at 295 322
other_window >/dev/null || fail "deleting asked nothing"
xdotool key Return
sleep 0.3

# The mouse wheel over the advice steps forward to Gamma.
xdotool mousemove --window "$KB_WINDOW" 250 168 click 4
sleep 0.3
edit_label_at 250 168 "Gamma two"

click_at 60 69
sleep 0.2
click_at 20 156
sleep 0.3
edit_label_at 250 168 "Described"
kb_screenshot "$KB_WORK/editor-description.png"
click_at 20 156
sleep 0.2

click_at 290 24
answer_file_dialog "cmds"
check "save as wrote the file" test -f "$KB_DATA/cmds.kbs"
check "the deleted advice is gone" bash -c "! grep -qx 'Item=Beta;' <<<\"\$1\"" _ "$(saved_text)"
check "the first advice is kept" grep -qx "Item=Alpha;" <(saved_text)
check "the advice reached with the wheel was edited" grep -qx "Item=Gamma two;" <(saved_text)
check "two advice are left" test "$(saved_text | grep -c '^Item=')" -eq 2
check "the language button made the set French" grep -qx "Language=0;" <(saved_text)
check "the description page edited the description" grep -qx "Description=Described;" <(saved_text)

click_at 330 24
sleep 0.3
check "the close button closes the set ($(title))" test "$(title)" = "Kindlebrook"
click_at 210 24
answer_file_dialog "cmds.kbs"
check "the open button opens the set ($(title))" test "$(title)" = "Kindlebrook - cmds.kbs"
xdotool key ctrl+w
sleep 0.3
check "Ctrl+W closes it ($(title))" test "$(title)" = "Kindlebrook"
click_at 466 322
sleep 0.5
check "the way back returns to the main screen" test -n "$(read_advice)"
check "the program closes without a question" kb_close_app
finish
