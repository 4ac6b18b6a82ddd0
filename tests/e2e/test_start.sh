#!/usr/bin/env bash
# First start: the window, the settings file with the start values, the ring in the advice's set colour,
# the interface and the advice in the desktop's language.
source "$(dirname "$0")/e2e.sh" "$@"

start_program

check "the window is titled Kindlebrook" test "$(xdotool getwindowname "$KB_WINDOW")" = "Kindlebrook"
geometry=$(xdotool getwindowgeometry "$KB_WINDOW" | sed -n 's/.*Geometry: //p')
check "the client area is 500x350 (got $geometry)" test "$geometry" = "500x350"

expected=$'Kindlebrook V1 - Init Data File\nLanguage=1;\nLanguageSet=1;\nSets=;\nTags=-1;\nLastItem=-1;\nLookForFavorites=false;\nTimer=0;'
check "the settings file holds the eight start lines" test "$(file_text "$KB_SETTINGS")" = "$expected"
check "the settings file is UTF-16 with a byte-order mark" test "$(head -c 2 "$KB_SETTINGS" | od -An -tx1 | tr -d ' ')" = "fffe"

kb_screenshot "$KB_WORK/start.png"
advice=$(read_advice)
check "an advice is shown" test -n "$advice"
set_file=$(set_file_of "$advice")
check "the advice comes from a bundled set" test -n "$set_file"
check "an English desktop is shown English advice" grep -q "^Language=1;" <(file_text "$set_file")

colour=$(set_colour "$set_file")
ring=$(pixel_rgb "$KB_WORK/start.png" 250 50)
check "the ring ($ring) has the colour of the advice's set ($colour)" test "$ring" = "$colour"
check "the background is black" test "$(pixel_rgb "$KB_WORK/start.png" 5 5)" = "0,0,0"

# A second copy opens a window of its own while the first runs on.
first_pid=$KB_APP_PID
first_window=$KB_WINDOW
start_program
check "a second copy opens its own window" test "$KB_WINDOW" != "$first_window"
check "the second copy closes when asked" kb_close_app
check "the first copy still runs" kill -0 "$first_pid"
KB_APP_PID=$first_pid
KB_WINDOW=$first_window

# A window manager's maximise leaves the fixed size alone.
wmctrl -i -r "$KB_WINDOW" -b add,maximized_vert,maximized_horz
sleep 0.5
geometry=$(xdotool getwindowgeometry "$KB_WINDOW" | sed -n 's/.*Geometry: //p')
check "the window cannot be maximised (got $geometry)" test "$geometry" = "500x350"

check "the program closes when asked" kb_close_app

# A French desktop, in a fresh folder: French interface and French advice only, drawn from the keyboard.
rm -f "$KB_SETTINGS"
LANG=fr_FR.UTF-8 start_program
for draw in 1 2 3 4 5; do
    advice=$(copy_by_key)
    set_file=$(set_file_of "$advice")
    check "French advice $draw ($advice)" grep -q "^Language=0;" <(file_text "$set_file")
    xdotool key space
done
check "the program closes when asked" kb_close_app
check "the French start is remembered" grep -q "^Language=0;$" <(file_text "$KB_SETTINGS")
finish
