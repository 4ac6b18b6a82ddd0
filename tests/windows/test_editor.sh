#!/usr/bin/env bash
# The set editor creates a set and saves it through the system's file dialog (Wine's own) into
# the data folder, driven by keys and clicks as a user does.
source "$(dirname "$0")/wine-e2e.sh" "$@"

ADVICE="Sing the hook a fifth lower"
saved="$KB_DATA/wine-set.kbs"
rm -f "$saved"

start_program
choose_menu_entry 3
sleep 0.5
xdotool key ctrl+n
sleep 0.4
edit_label_at 250 168 "$ADVICE"
check "the title marks the unsaved set ($(xdotool getwindowname "$KB_WINDOW"))" test "$(xdotool getwindowname "$KB_WINDOW")" = "Kindlebrook*"

xdotool key ctrl+s
dialog=$(other_window) || fail "no file dialog appeared"
sleep 1
kb_screenshot "$KB_WORK/file-dialog.png" root
# The dialog opens on the data folder with the name box focused.
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
xdotool key ctrl+a
xdotool type --delay 20 "wine-set"
xdotool key Return
for i in $(seq 1 50); do [ -s "$saved" ] && break; sleep 0.1; done
check "the set is saved as data\\wine-set.kbs" test -s "$saved"
check "it holds the advice typed" grep -qxF "Item=$ADVICE;" <(file_text "$saved")
sleep 0.5
check "the title names the file, without the mark of unsaved changes ($(xdotool getwindowname "$KB_WINDOW"))" \
    test "$(xdotool getwindowname "$KB_WINDOW")" = "Kindlebrook - wine-set.kbs"
kb_screenshot "$KB_WORK/saved.png"

check "the program closes when asked" kb_close_app
rm -f "$saved"
finish
