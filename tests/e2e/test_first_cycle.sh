#!/usr/bin/env bash
# The advice restored at start counts as drawn: the next clicks of its cycle never bring it again.
source "$(dirname "$0")/e2e.sh" "$@"

# Six advice in one set; the pool follows the sorted texts, so pool index i is "advice i+1".
rm -f "$KB_DATA"/*.kbs
{
    printf 'KindlebrookV1 - Set file\n\nName=Six;\nLanguage=1;\nColour=200,120,40;\n\n'
    for i in 1 2 3 4 5 6; do printf 'Item=advice %s;\nFavorite=false;\n\n' "$i"; done
} > "$KB_DATA/six.kbs"

# A fault slips through one start in six: two starts.
for restored in 2 4; do
    printf 'Language=1;\nLanguageSet=-1;\nSets=;\nTags=-1;\nLastItem=%s;\n' "$restored" > "$KB_SETTINGS"
    start_program
    seen=$(read_advice)
    for click in 1 2 3 4 5; do click_new_advice; seen="$seen"$'\n'"$(read_advice)"; done
    check "advice $((restored + 1)) first, then the five others ($(echo $seen))" \
        test "$(head -n 1 <<< "$seen")" = "advice $((restored + 1))" -a "$(sort -u <<< "$seen" | grep -c '^advice [1-6]$')" = 6
    check "the program closes when asked" kb_close_app
done
finish
