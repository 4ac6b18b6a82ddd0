#!/usr/bin/env bash
# Settings that cannot be written when the window is closed are told, while the window can
# still say so: the user may stay, make room and close again, or quit all the same.
source "$(dirname "$0")/e2e.sh" "$@"

# Sends a key to the question box and gives it time to go.
answer_box()
{
    local box="$1" key="$2"
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
    xdotool key --window "$box" "$key"
    sleep 0.5
}

start_program
# Something else took the settings file's place: a folder cannot be replaced by a file.
rm -f "$KB_SETTINGS"
mkdir "$KB_SETTINGS"
wmctrl -i -c "$KB_WINDOW"
box=$(other_window) || fail "closing told nothing"
if [ -n "${box:-}" ]; then
    kb_screenshot "$KB_WORK/settings-not-saved.png" "$box"
    answer_box "$box" Escape
    check "Cancel keeps the program running" kill -0 "$KB_APP_PID"
fi

rmdir "$KB_SETTINGS"
check "with room made, the close button ends the program" kb_close_app
check "and the settings are written" grep -qx "Timer=0;" <(file_text "$KB_SETTINGS")

start_program
rm -f "$KB_SETTINGS"
mkdir "$KB_SETTINGS"
wmctrl -i -c "$KB_WINDOW"
box=$(other_window) || fail "closing told nothing the second time"
[ -n "${box:-}" ] && answer_box "$box" Return
for i in $(seq 1 50); do kill -0 "$KB_APP_PID" 2>/dev/null || break; sleep 0.1; done
check "Quit ends the program all the same" bash -c "! kill -0 $KB_APP_PID 2>/dev/null"
check "leaving the folder as it was" test -d "$KB_SETTINGS"
KB_APP_PID=""
finish
