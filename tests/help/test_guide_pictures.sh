#!/usr/bin/env bash
# The guide's pictures are what the program draws now, each shown in the page of its language
# with a legend line for every numbered badge.
# Usage: test_guide_pictures.sh <RenderGuidePictures> <repository> <work folder>
set -uo pipefail
tool="$1"; root="$2"; work="$3"
rm -rf "$work"; mkdir -p "$work"
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1" >&2; failures=$((failures + 1)); fi; }

"$tool" "$work" "$root/data" > "$work/badges.txt" || { echo "FAIL: the pictures could not be drawn" >&2; exit 1; }
check "six pictures drawn" '[ "$(wc -l < "$work/badges.txt")" -eq 6 ]'

while read -r name badges; do
    page="$root/help/${name##*-}"
    page="${page%.png}.html"
    # A shade of anti-aliasing is no change; a part moved, added or gone is hundreds of pixels.
    differing=$(compare -metric AE -fuzz 20% "$work/$name" "$root/help/pictures/$name" null: 2>&1)
    check "help/pictures/$name is what the program draws now ($differing pixels differ; ./scripts/screenshots redraws it)" \
          '[ "${differing%%.*}" -le 200 ] 2>/dev/null'
    legend=$(sed -n "/src=\"pictures\/$name\"/,/<\/ol>/p" "$page" | grep -c '<li>')
    check "$(basename "$page") explains the $badges badges of $name (legend lines: $legend)" '[ "$legend" = "$badges" ]'
done < "$work/badges.txt"

[ "$failures" -eq 0 ]
