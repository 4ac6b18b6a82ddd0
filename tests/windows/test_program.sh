#!/usr/bin/env bash
# The installed program: it shows an advice, "+" draws another, Ctrl+C copies it, the star
# writes the favourite into its set and both stay after a restart, F1 asks for the help page.
source "$(dirname "$0")/wine-e2e.sh" "$@"

# Wine hands pages to the host's browser with xdg-open: a stand-in records them. A fresh
# prefix lacks the .html handler every Windows has; Wine's winebrowser stands for it.
mkdir -p "$KB_WORK/bin"
printf '#!/bin/sh\necho "$1" >> "%s/opened.txt"\n' "$KB_WORK" > "$KB_WORK/bin/xdg-open"
chmod +x "$KB_WORK/bin/xdg-open"
export PATH="$KB_WORK/bin:$PATH"
wine reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null 2>&1

start_program
kb_screenshot "$KB_WORK/start.png"
first=$(read_advice) || first=$(read_advice)
check "an advice of a bundled set is shown (\"$first\")" test -n "$(set_file_of "$first")"
click_new_advice
sleep 0.3
second=$(read_advice) || second=$(read_advice)
check "\"+\" draws another advice (\"$second\")" test -n "$second" -a "$second" != "$first"

check "Ctrl+C copies the advice shown" test "$(copy_by_key)" = "$second"

set_file=$(set_file_of "$second")
marked() { file_text "$set_file" | grep -A1 -xF "Item=$second;" | grep -qx "Favorite=true;"; }
click_favourite
for i in $(seq 1 30); do marked && break; sleep 0.1; done
check "the star writes Favorite=true into $(basename "$set_file")" marked

xdotool key F1
for i in $(seq 1 100); do [ -s "$KB_WORK/opened.txt" ] && break; sleep 0.1; done
check "F1 asks for the local help page ($(cat "$KB_WORK/opened.txt" 2>/dev/null))" grep -qF "/Kindlebrook/help/en.html" "$KB_WORK/opened.txt"

check "the program closes when asked" kb_close_app
start_program
check "after a restart the same advice is shown" test "$(read_advice)" = "$second"
check "and it is still a favourite" marked
kb_screenshot "$KB_WORK/restarted.png"
check "the program closes when asked" kb_close_app
finish
