#!/usr/bin/env bash
# The set editor creates a set and saves it through the system's file dialog (Wine's) into the
# data folder. Then the session ends (wineboot --end-session sends what Windows sends at
# logout: WM_QUERYENDSESSION, WM_ENDSESSION) over unsaved changes: as a logout on Linux, the
# program ends without a question, writes its settings and keeps the changes in a copy.
source "$(dirname "$0")/wine-e2e.sh" "$@"

saved="$KB_DATA/wine-set.kbs"
copy="$KB_DATA/wine-set (unsaved).kbs"
rm -f "$saved" "$copy" "$KB_SETTINGS"
title() { xdotool getwindowname "$KB_WINDOW"; }

start_program
choose_menu_entry 3
wait_active
xdotool key ctrl+n
for i in $(seq 1 30); do [ "$(title)" = "Kindlebrook*" ] && break; sleep 0.1; done
edit_label_at 250 168 "Sing the hook a fifth lower"
check "the title marks the unsaved set ($(title))" test "$(title)" = "Kindlebrook*"

# The dialog opens on the data folder with its name box focused.
xdotool key ctrl+s
dialog=$(other_window) || fail "no file dialog appeared"
sleep 1
kb_screenshot "$KB_WORK/file-dialog.png" root
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
xdotool key ctrl+a
xdotool type --delay 20 "wine-set"
xdotool key Return
for i in $(seq 1 50); do [ -s "$saved" ] && break; sleep 0.1; done
check "the set is saved as data\\wine-set.kbs with its advice" grep -qxF "Item=Sing the hook a fifth lower;" <(file_text "$saved")
sleep 0.5
check "the title names the file, without the unsaved mark ($(title))" test "$(title)" = "Kindlebrook - wine-set.kbs"
before=$(md5sum < "$saved")

edit_label_at 250 168 "An idea nobody saved"
wineboot --end-session >/dev/null 2>&1
for i in $(seq 1 100); do kill -0 "$KB_APP_PID" 2>/dev/null || break; sleep 0.1; done
check "the program ends with the session" bash -c "! kill -0 $KB_APP_PID 2>/dev/null"
check "the settings are written" grep -qx "LastItem=[0-9][0-9]*;" <(file_text "$KB_SETTINGS")
check "the unsaved change is kept beside the set" grep -qxF "Item=An idea nobody saved;" <(file_text "$copy")
check "the set's own file is left as it was" test "$(md5sum < "$saved")" = "$before"

rm -f "$saved" "$copy" "$KB_SETTINGS"
finish
