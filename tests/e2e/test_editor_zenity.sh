#!/usr/bin/env bash
# The set editor on a desktop with zenity, whose file dialog leaves the program's window live:
# nothing done in the window while the dialog is up acts, and the answer acts on the set it was
# asked about. A stand-in zenity, first on PATH, answers only when the test tells it to.
source "$(dirname "$0")/e2e.sh" "$@"

FAKE="$KB_WORK/bin"
mkdir -p "$FAKE"
cat > "$FAKE/zenity" <<'EOF'
#!/usr/bin/env bash
# Notes the call, then waits for the test's answer: a path to print, or "cancel".
dir="$(dirname "$0")"
echo "$*" >> "$dir/calls"
while [ ! -e "$dir/answer" ]; do sleep 0.1; done
answer=$(cat "$dir/answer")
rm -f "$dir/answer"
[ "$answer" = cancel ] && exit 1
printf '%s\n' "$answer"
EOF
chmod +x "$FAKE/zenity"
export PATH="$FAKE:$PATH"

title() { xdotool getwindowname "$KB_WINDOW"; }
calls() { cat "$FAKE/calls" 2>/dev/null | wc -l; }
set_name() { file_text "$1" | sed -n 's/^Name=\(.*\);$/\1/p'; }
nothing_typed_reached_a_file() { local f; for f in "$KB_DATA"/*.kbs; do file_text "$f"; done | grep -q 'Typed under' && return 1; return 0; }

# Waits until the stand-in has been called the given number of times.
wait_for_dialog()
{
    local i
    for i in $(seq 1 50); do
        [ "$(calls)" -ge "$1" ] && return 0
        sleep 0.1
    done
    fail "$2 did not run zenity"
    return 1
}

# Answers the dialog that is up and waits until the window title changes to the one given.
answer_with()
{
    local before i
    before="$(title)"
    printf '%s' "$1" > "$FAKE/answer"
    for i in $(seq 1 30); do
        [ "$(title)" != "$before" ] && break
        sleep 0.1
    done
    sleep 0.3
}

first="$(ls "$KB_DATA"/*-en.kbs | head -n 1)"
second="$(ls "$KB_DATA"/*-en.kbs | sed -n 2p)"

start_program
choose_menu_entry 3
sleep 0.4

xdotool key ctrl+o
wait_for_dialog 1 "Ctrl+O"
check "the open dialog is zenity's" grep -q -- "--file-selection" "$FAKE/calls"
answer_with "$first"
check "the set chosen in zenity opens ($(title))" test "$(title)" = "Kindlebrook - $(basename "$first")"

# Save as is up; Ctrl+W in the window, then the dialog's answer: it saves the set asked about.
click_at 290 24
wait_for_dialog 2 "Save as"
click_at 250 300
xdotool key ctrl+w
sleep 0.4
check "Ctrl+W closes nothing while the dialog is up ($(title))" test "$(title)" = "Kindlebrook - $(basename "$first")"
answer_with "$KB_DATA/copy.kbs"
check "the program survives the answer" kill -0 "$KB_APP_PID"
check "the answer saved the set it was asked about" test "$(set_name "$KB_DATA/copy.kbs")" = "$(set_name "$first")"
check "the set now bears the new name ($(title))" test "$(title)" = "Kindlebrook - copy.kbs"

# Ctrl+O is up; Ctrl+N, the new set button and an edit in the window, then the dialog's answer.
xdotool key ctrl+o
wait_for_dialog 3 "Ctrl+O"
xdotool key ctrl+n
click_at 170 24
edit_label_at 250 107 "Typed under the dialog"
check "nothing acted under the dialog ($(title))" test "$(title)" = "Kindlebrook - copy.kbs"
answer_with "$second"
check "the answer opens the chosen set ($(title))" test "$(title)" = "Kindlebrook - $(basename "$second")"

# With a change, the close button while a dialog is up neither asks nor closes.
edit_label_at 250 107 "Renamed"
click_at 290 24
wait_for_dialog 4 "Save as"
wmctrl -i -c "$KB_WINDOW"
sleep 0.5
check "the close button under the dialog asks nothing" bash -c "! xdotool search --onlyvisible --pid $KB_APP_PID | grep -vqx $KB_WINDOW"
check "and the program goes on" kill -0 "$KB_APP_PID"
answer_with cancel
check "after the dialog, the close button asks about the change" bash -c "wmctrl -i -c $KB_WINDOW; sleep 0.5; xdotool search --onlyvisible --pid $KB_APP_PID | grep -vqx $KB_WINDOW"
click_ignore
for i in $(seq 1 50); do kill -0 "$KB_APP_PID" 2>/dev/null || break; sleep 0.1; done
check "Ignore quits" bash -c "! kill -0 $KB_APP_PID 2>/dev/null"
check "zenity was asked four times, twice to save" test "$(calls)" -eq 4 -a "$(grep -c -- '--save' "$FAKE/calls")" -eq 2
check "no file holds what was typed under the dialog" nothing_typed_reached_a_file
finish
