#!/usr/bin/env bash
# The options panel: French and a single set, confirmed, reach the settings, the menu and the draw;
# Cancel changes nothing.
source "$(dirname "$0")/e2e.sh" "$@"

# Picks entry n (from 1) of the combo box at the given point, with the keyboard, as a user can.
choose_in_box()
{
    click_at "$1" "$2"
    wait_for_popup || { fail "the list of the box at $1,$2 did not open"; return 1; }
    local i
    for i in $(seq 1 "$3"); do xdotool key Down; done
    xdotool key Return
    sleep 0.3
}

click_ok() { click_at 150 295; }
click_cancel() { click_at 350 295; }

# The menu's own window: its size follows the length of its texts.
menu_geometry()
{
    click_menu_button
    wait_for_popup || return 1
    local popup
    popup=$(xdotool search --onlyvisible --pid "$KB_APP_PID" 2>/dev/null | grep -vx "$KB_WINDOW" | head -n 1)
    xdotool getwindowgeometry "$popup" | sed -n 's/.*Geometry: //p'
    kb_screenshot "$KB_WORK/menu-$1.png" root
    xdotool key Escape
    sleep 0.3
}

start_program
english_menu=$(menu_geometry en)

# Cancel after trying the French interface: nothing changes, even at quit.
choose_menu_entry 1
sleep 0.3
kb_screenshot "$KB_WORK/options-en.png"
choose_in_box 320 92 1
kb_screenshot "$KB_WORK/options-fr.png"
click_cancel
sleep 0.3
check "the menu is unchanged after Cancel" test "$(menu_geometry cancelled)" = "$english_menu"
check "the program closes when asked" kb_close_app
check "Cancel kept the English interface" grep -qx "Language=1;" <(file_text "$KB_SETTINGS")
check "Cancel kept all sets" grep -qx "Sets=;" <(file_text "$KB_SETTINGS")

# French interface, then the first set of the list; OK.
start_program
choose_menu_entry 1
sleep 0.3
choose_in_box 320 92 1
choose_in_box 320 152 3
kb_screenshot "$KB_WORK/options-chosen.png"
click_ok
sleep 0.5

sets=$(file_text "$KB_SETTINGS" | sed -n 's/^Sets=\(.*\);$/\1/p')
check "the settings hold the French interface" grep -qx "Language=0;" <(file_text "$KB_SETTINGS")
check "the settings hold one set ($sets)" test -f "$KB_DATA/$sets"

french_menu=$(menu_geometry fr)
check "the menu changed with the language ($english_menu, now $french_menu)" test -n "$french_menu" -a "$french_menu" != "$english_menu"

# Every advice drawn now comes from that set.
others=$(draws_from_other_sets "$KB_DATA/$sets" 6)
check "six draws all come from $sets" test "$others" -eq 0
kb_screenshot "$KB_WORK/french.png"

check "the program closes when asked" kb_close_app
check "the set filter is still saved at quit" grep -qx "Sets=$sets;" <(file_text "$KB_SETTINGS")
finish
