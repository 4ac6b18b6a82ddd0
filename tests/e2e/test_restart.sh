#!/usr/bin/env bash
# Closing the window as a window manager does saves the settings; the next start shows the same advice.
source "$(dirname "$0")/e2e.sh" "$@"

start_program
click_new_advice
click_new_advice
advice=$(read_advice)
check "an advice is shown" test -n "$advice"

check "the program ends on WM_DELETE_WINDOW" kb_close_app
check "LastItem is saved" grep -qE '^LastItem=[0-9]+;$' <(file_text "$KB_SETTINGS")

start_program
check "the same advice is shown after a restart" test "$(read_advice)" = "$advice"
kb_screenshot "$KB_WORK/restart.png"
check "the program closes when asked" kb_close_app
finish
