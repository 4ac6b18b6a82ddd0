#!/usr/bin/env bash
# Every main-screen command from the keyboard alone, right after the start: the menu, the panels
# and how Escape leaves them, the options by Tab, the favourite, Tab over the screen's buttons.
source "$(dirname "$0")/e2e.sh" "$@"

settings_value() { file_text "$KB_SETTINGS" | sed -n "s/^$1=\(.*\);$/\1/p"; }

start_program
# The pointer rests away from the window, as a keyboard user's may: a menu under it would follow it.
xdotool mousemove 0 0

xdotool key Menu
check "the Menu key opens the menu" wait_for_popup
xdotool key Escape
sleep 0.3

# F10 opens the menu at its button with the first entry ready; the seventh is the about panel.
xdotool key F10
check "F10 opens the menu" wait_for_popup
for i in 1 2 3 4 5 6; do xdotool key Down; done
xdotool key Return
sleep 0.5
check "the about panel covers the screen: nothing is copied behind it" test -z "$(copy_by_key)"
xdotool key Escape
sleep 0.3
advice=$(copy_by_key)
check "Escape closes the about panel" test -n "$advice"

# The options by their key: Tab from the interface language to the set language, up to French
# sets, then Tab over the set and tag boxes to OK.
xdotool key ctrl+comma
sleep 0.5
xdotool key Tab Up Tab Tab Tab Return
sleep 0.5
check "Tab reaches the set language and OK in reading order (LanguageSet=$(settings_value LanguageSet))" \
    test "$(settings_value LanguageSet)" = 0
advice=$(copy_by_key)
check "French advice follows ($advice)" grep -q "^Language=0;" <(file_text "$(set_file_of "$advice")")

# Escape is the options panel's Cancel: the filter stays.
xdotool key ctrl+comma
sleep 0.5
xdotool key Tab Up Escape
sleep 0.3
check "Escape cancels the options (LanguageSet=$(settings_value LanguageSet))" test "$(settings_value LanguageSet)" = 0
check "the advice shown stays" test "$(copy_by_key)" = "$advice"

# Ctrl+D marks the favourite in the advice's set file.
xdotool key ctrl+d
sleep 0.5
is_favourite() { file_text "$(set_file_of "$1")" | grep -A1 -xF "Item=$1;" | grep -qx "Favorite=true;"; }
check "Ctrl+D marks the advice as a favourite" is_favourite "$advice"

# The set editor by its key; Escape leaves it at once with nothing open, through its question
# with a new set not saved.
xdotool key ctrl+e
sleep 0.5
check "the set editor covers the screen" test -z "$(copy_by_key)"
xdotool key Escape
sleep 0.5
check "Escape leaves the empty set editor" test -n "$(copy_by_key)"
xdotool key ctrl+e
sleep 0.5
xdotool key ctrl+n Escape
asks() { other_window >/dev/null; }
check "Escape asks about the new set first" asks
click_ignore
sleep 0.5
check "Ignore leaves the set editor" test -n "$(copy_by_key)"

# Tab goes from the advice to the menu, the star and "+", and round again; Space and Return press
# the button that has the focus, while on the advice Space still draws a new advice.
advice=$(copy_by_key)
marked() { is_favourite "$advice" && echo yes; }
before=$(marked)
xdotool key Tab Tab space
sleep 0.5
kb_screenshot "$KB_WORK/tab-star.png"
check "Tab twice reaches the star, which Space presses" test "$(marked)" != "$before"
check "Space on the star draws no new advice" test "$(copy_by_key)" = "$advice"
xdotool key Tab Return
sleep 0.5
drawn=$(copy_by_key)
check "Tab then Return presses +" test "$drawn" != "$advice"
xdotool key Tab space
sleep 0.5
check "Tab goes round to the advice, where Space draws a new advice" test "$(copy_by_key)" != "$drawn"
xdotool key shift+Tab shift+Tab shift+Tab space
check "Shift+Tab goes back to the menu button, which Space opens" wait_for_popup
xdotool key Escape
sleep 0.3

check "the program closes when asked" kb_close_app
finish
