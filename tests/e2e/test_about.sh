#!/usr/bin/env bash
# The about panel opens from the menu, in the interface language, and a click on its text closes it.
source "$(dirname "$0")/e2e.sh" "$@"

start_program
ring=$(kb_screenshot "$KB_WORK/before.png"; pixel_rgb "$KB_WORK/before.png" 250 50)

choose_menu_entry 7
sleep 0.3
kb_screenshot "$KB_WORK/about-en.png"
covered=$(pixel_rgb "$KB_WORK/about-en.png" 250 50)
check "the panel covers the ring (ring $ring, now $covered)" test "$covered" != "$ring"

click_at 250 60
sleep 0.5
kb_screenshot "$KB_WORK/after.png"
check "a click on the text closes the panel" test "$(pixel_rgb "$KB_WORK/after.png" 250 50)" = "$ring"

check "the program closes when asked" kb_close_app
finish
