#!/usr/bin/env bash
# F1 pressed at once after the start, before any click, asks for the local help page.
source "$(dirname "$0")/e2e.sh" "$@"

# A stand-in browser launcher, first on PATH, records what the program asks for.
opened="$KB_WORK/opened.txt"
mkdir -p "$KB_WORK/bin"
printf '#!/bin/sh\necho "$1" >> "%s"\n' "$opened" > "$KB_WORK/bin/xdg-open"
chmod +x "$KB_WORK/bin/xdg-open"
export PATH="$KB_WORK/bin:$PATH"

start_program
xdotool key F1
for i in $(seq 1 50); do [ -s "$opened" ] && break; sleep 0.1; done
check "F1 asks for the help page (got: $(cat "$opened" 2>/dev/null))" grep -qxF "file://$KB_WORK/help/en.html" "$opened"
check "the help page is there" test -f "$KB_WORK/help/en.html"

check "the program closes when asked" kb_close_app
finish
