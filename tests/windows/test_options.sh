#!/usr/bin/env bash
# A set whose file name has accents and a character beyond U+FFFF (a surrogate pair in UTF-16)
# is chosen in the options panel, written into Sets=, and still the only one drawn from after
# a restart with every bundled set back beside it.
source "$(dirname "$0")/wine-e2e.sh" "$@"

name=$(printf 'M\xc3\xa9lodies \xc3\xa0 la cl\xc3\xa9 \xf0\x9d\x84\x9e.kbs')
set_file="$KB_DATA/$name"
# Alone in the folder at first, so that it is the first set of the panel's list.
mkdir -p "$KB_WORK/bundled"
mv "$KB_DATA"/*.kbs "$KB_WORK/bundled/"
trap 'mv "$KB_WORK"/bundled/*.kbs "$KB_DATA/" 2>/dev/null; rm -f "$set_file" "$KB_SETTINGS"; wineserver -k; kb_stop_display' EXIT
{
    printf 'KindlebrookV1 - Set file\n\nName=Mélodies 𝄞;\nAuthor=Tests;\nLanguage=1;\nColour=20,160,90;\n'
    for advice in "Hum the melody a tone higher." "Let the clef choose: treble or bass." "Write the tune for a voice you never use."; do
        printf '\nItem=%s;\nFavorite=false;\nTags=;\n' "$advice"
    done
} > "$set_file"

start_program
choose_menu_entry 1
wait_active
# By keys, as the options panel takes them: it opens on the interface box; Tab Tab is the sets
# box ("All the sets", "Favorites", then the sets), Tab Tab then OK.
xdotool key Tab Tab Down Down
sleep 0.3
kb_screenshot "$KB_WORK/options.png"
xdotool key Tab Tab Return
sleep 0.5
check "the program closes when asked" kb_close_app
check "Sets= names the set" grep -qxF "Sets=$name;" <(file_text "$KB_SETTINGS")

mv "$KB_WORK"/bundled/*.kbs "$KB_DATA/"
start_program
others=$(draws_from_other_sets "$set_file" 4)
check "after a restart, four draws all come from that set ($others others)" test "$others" -eq 0
kb_screenshot "$KB_WORK/filtered.png"
check "the program closes when asked" kb_close_app
check "Sets= still names the set" grep -qxF "Sets=$name;" <(file_text "$KB_SETTINGS")
finish
