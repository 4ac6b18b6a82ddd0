#!/usr/bin/env bash
# The end of a Windows session (wineboot --end-session sends what Windows does at logout:
# WM_QUERYENDSESSION, then WM_ENDSESSION) ends the program as a logout does on Linux: the
# settings are written and unsaved editor work is kept in the recovery copy, without a question.
source "$(dirname "$0")/wine-e2e.sh" "$@"

recovery="$KB_DATA/Unsaved set.kbs"
rm -f "$recovery" "$KB_SETTINGS"

start_program
click_new_advice
sleep 0.3
choose_menu_entry 3
sleep 0.5
xdotool key ctrl+n
sleep 0.4
edit_label_at 250 168 "An idea nobody saved"

wineboot --end-session >/dev/null 2>&1
for i in $(seq 1 100); do kill -0 "$KB_APP_PID" 2>/dev/null || break; sleep 0.1; done
check "the program ends with the session" bash -c "! kill -0 $KB_APP_PID 2>/dev/null"
check "the settings were written (the advice shown is kept)" grep -qx "LastItem=[0-9][0-9]*;" <(file_text "$KB_SETTINGS")
check "the new set's unsaved work is kept in the data folder" grep -qx "Item=An idea nobody saved;" <(file_text "$recovery")

rm -f "$recovery" "$KB_SETTINGS"
finish
