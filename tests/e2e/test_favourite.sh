#!/usr/bin/env bash
# The star writes the favourite mark into the set file, in the program's own file form.
source "$(dirname "$0")/e2e.sh" "$@"

start_program
advice=$(read_advice)
set_file=$(set_file_of "$advice")
check "the advice comes from a bundled set" test -n "$set_file"

click_favourite
marked=""
for i in $(seq 1 30); do
    if file_text "$set_file" | grep -A1 -xF "Item=$advice;" | grep -x "Favorite=true;" >/dev/null; then marked=yes; break; fi
    sleep 0.1
done
check "the set file holds Favorite=true for \"$advice\"" test -n "$marked"
check "the set file is now UTF-16 with a byte-order mark" test "$(head -c 2 "$set_file" | od -An -tx1 | tr -d ' ')" = "fffe"
check "the set file has CR LF line ends" bash -c "tail -c +3 '$set_file' | iconv -f UTF-16LE -t UTF-8 | head -n 1 | grep -q \$'\r'"
kb_screenshot "$KB_WORK/favourite.png"

# The same advice, marked, comes back at the next start.
check "the program closes when asked" kb_close_app
start_program
check "the marked advice is shown again" test "$(read_advice)" = "$advice"
kb_screenshot "$KB_WORK/favourite-again.png"
check "the program closes when asked" kb_close_app
finish
