#!/usr/bin/env bash
# The menu opens at the menu button; with "5 seconds" chosen, the advice changes on its own.
source "$(dirname "$0")/e2e.sh" "$@"

start_program
click_menu_button
check "the menu opens" wait_for_popup
kb_screenshot "$KB_WORK/menu.png" root
xdotool key Escape
sleep 0.3

before=$(read_advice)
# Timer is the second entry; its submenu opens on its first entry, "Disabled"; "5 seconds" comes next.
click_menu_button
wait_for_popup
xdotool key Down Down Right
sleep 0.3
xdotool key Down Return
sleep 0.3

changed=""
for i in $(seq 1 15); do
    sleep 1
    now=$(read_advice)
    if [ -n "$now" ] && [ "$now" != "$before" ]; then changed=yes; break; fi
done
check "the advice changed on its own (was \"$before\")" test -n "$changed"

check "the program closes when asked" kb_close_app
check "the timer period is saved at quit" grep -qx "Timer=5;" <(file_text "$KB_SETTINGS")
finish
