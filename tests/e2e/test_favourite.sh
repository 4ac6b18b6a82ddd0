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

# A set file that cannot be replaced: the user is told, and the star shows what the file holds.
click_new_advice
advice=$(read_advice)
set_file=$(set_file_of "$advice")
kb_screenshot "$KB_WORK/unmarked.png"
rm -f "$set_file" && mkdir "$set_file"
click_favourite
alert=""
for i in $(seq 1 50); do
    alert=$(xdotool search --all --onlyvisible --pid "$KB_APP_PID" --name "Favourite not saved" 2>/dev/null | head -n 1)
    [ -n "$alert" ] && break
    sleep 0.1
done
check "an alert tells the favourite was not saved" test -n "$alert"
kb_screenshot "$KB_WORK/alert.png" root
xdotool key Return
sleep 0.5
kb_screenshot "$KB_WORK/not-marked.png"
star_before=$(pixel_rgb "$KB_WORK/unmarked.png" 414 321)
star_after=$(pixel_rgb "$KB_WORK/not-marked.png" 414 321)
check "the star stays unmarked ($star_before, now $star_after)" test "$star_after" = "$star_before"

check "the program closes when asked" kb_close_app
finish
