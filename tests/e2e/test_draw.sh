#!/usr/bin/env bash
# "+" never shows an advice twice before the whole pool has been shown.
source "$(dirname "$0")/e2e.sh" "$@"

# A pool of five advice.
rm -f "$KB_DATA"/*.kbs
{
    printf 'KindlebrookV1 - Set file\n\nName=Five;\nDescription=Five advice;\nAuthor=Tests;\nLanguage=1;\nColour=0,207,255;\n\n'
    for t in "Play it slower" "Double the bass line" "Start with the chorus" "Remove the drums" "Sing the solo"; do
        printf 'Item=%s;\nFavorite=false;\nTags=2,402,;\n\n' "$t"
    done
} > "$KB_DATA/five.kbs"

start_program
n=5
# The advice shown at start counts as drawn: the first cycle ends after n - 1 clicks, so all n
# advice are seen in it; the next n clicks are a whole cycle.
first_cycle=("$(read_advice)")
for i in $(seq 1 $((n - 1))); do click_new_advice; first_cycle+=("$(read_advice)"); done
second_cycle=()
for i in $(seq 1 $n); do click_new_advice; second_cycle+=("$(read_advice)"); done

distinct() { printf '%s\n' "$@" | grep -v '^$' | sort -u | wc -l; }
check "the first cycle shows $n different advice (${first_cycle[*]})" test "$(distinct "${first_cycle[@]}")" -eq $n
check "$n clicks show $n different advice (${second_cycle[*]})" test "$(distinct "${second_cycle[@]}")" -eq $n
kb_screenshot "$KB_WORK/draw.png"

check "the program closes when asked" kb_close_app
finish
