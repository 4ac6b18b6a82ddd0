#!/usr/bin/env bash
# A session logout (SIGTERM) ends the program like its close button: the settings are written,
# the process exits cleanly, and unsaved editor work, which nobody can be asked about, is kept
# in a recovery copy. Not even an open question of the editor holds the logout up.
source "$(dirname "$0")/e2e.sh" "$@"

# Sends SIGTERM and sets EXIT_STATUS once the program has ended ("running" if it goes on).
terminate()
{
    kill -TERM "$KB_APP_PID"
    EXIT_STATUS=running
    local i
    for i in $(seq 1 100); do
        if ! kill -0 "$KB_APP_PID" 2>/dev/null; then
            wait "$KB_APP_PID"
            EXIT_STATUS=$?
            KB_APP_PID=""
            return 0
        fi
        sleep 0.1
    done
}

start_program
click_new_advice
sleep 0.3
choose_menu_entry 3
sleep 0.4
xdotool key ctrl+n
sleep 0.3
edit_label_at 250 168 "An idea nobody saved"
terminate
check "SIGTERM ends the program cleanly (status $EXIT_STATUS)" test "$EXIT_STATUS" = 0
check "the settings were written at the end (the advice shown is kept)" grep -qx "LastItem=[0-9][0-9]*;" <(file_text "$KB_SETTINGS")
check "the new set's unsaved work is kept in the data folder" grep -qx "Item=An idea nobody saved;" <(file_text "$KB_DATA/Unsaved set.kbs")

# An open question does not hold the logout up; the set's own file is left as it was.
set_file="$(ls "$KB_DATA"/*-en.kbs | head -n 1)"
before=$(md5sum < "$set_file")
start_program
choose_menu_entry 3
sleep 0.4
xdotool key ctrl+o
answer_file_dialog "$(basename "$set_file")"
edit_label_at 250 107 "Renamed before logout"
wmctrl -i -c "$KB_WINDOW"
other_window >/dev/null || fail "closing asked nothing"
terminate
check "SIGTERM during the question ends the program cleanly (status $EXIT_STATUS)" test "$EXIT_STATUS" = 0
check "the set's file is unchanged" test "$(md5sum < "$set_file")" = "$before"
copy="${set_file%.kbs} (unsaved).kbs"
check "the changes are kept beside it" grep -qx "Name=Renamed before logout;" <(file_text "$copy")
finish
