#!/usr/bin/env bash
# The installed program under Wine, as a user meets it: it starts and shows an advice, "+"
# draws another, Ctrl+C copies it, the star writes the favourite into its set and both stay
# after a restart, F1 asks for the local help page.
source "$(dirname "$0")/wine-e2e.sh" "$@"

# Wine hands a page to the host's browser through xdg-open: a stand-in records the request.
# A fresh prefix has no handler for .html pages (Wine's own browser engine is not installed),
# where every Windows has one: the page goes to Wine's winebrowser, which asks xdg-open.
opened="$KB_WORK/opened.txt"
mkdir -p "$KB_WORK/bin"
printf '#!/bin/sh\necho "$1" >> "%s"\n' "$opened" > "$KB_WORK/bin/xdg-open"
chmod +x "$KB_WORK/bin/xdg-open"
export PATH="$KB_WORK/bin:$PATH"
wine reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null 2>&1

start_program
kb_screenshot "$KB_WORK/start.png"
first=$(read_advice)
check "an advice of a bundled set is shown (\"$first\")" test -n "$(set_file_of "$first")"

click_new_advice
sleep 0.3
second=$(read_advice)
check "\"+\" draws another advice (\"$second\")" test -n "$second" -a "$second" != "$first"

printf '' | xclip -selection clipboard -i
xdotool key ctrl+c
copied=""
for i in $(seq 1 30); do
    copied=$(timeout 2 xclip -selection clipboard -o 2>/dev/null) && [ -n "$copied" ] && break
    sleep 0.1
done
check "Ctrl+C copies the advice shown (got \"$copied\")" test "$copied" = "$second"

set_file=$(set_file_of "$second")
click_favourite
marked=""
for i in $(seq 1 30); do
    file_text "$set_file" | grep -A1 -xF "Item=$second;" | grep -qx "Favorite=true;" && { marked=yes; break; }
    sleep 0.1
done
check "the star writes Favorite=true into $(basename "$set_file")" test -n "$marked"

xdotool key F1
for i in $(seq 1 100); do [ -s "$opened" ] && break; sleep 0.1; done
check "F1 asks for the local help page (got: $(cat "$opened" 2>/dev/null))" grep -qF "/Kindlebrook/help/en.html" "$opened"

check "the program closes when asked" kb_close_app
start_program
check "after a restart the same advice is shown" test "$(read_advice)" = "$second"
still_marked() { file_text "$set_file" | grep -A1 -xF "Item=$second;" | grep -qx "Favorite=true;"; }
check "and it is still a favourite in its set" still_marked
sleep 0.5
kb_screenshot "$KB_WORK/restarted.png"
check "the program closes when asked" kb_close_app
finish
