#!/usr/bin/env bash
# A rebuild delivers changed bundled sets beside the program without losing what the user made there.
# Usage: test_bundled_sets_copy.sh <copy script> <work folder>
set -uo pipefail
script="$1"; work="$2"
rm -rf "$work"; mkdir -p "$work/source"
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1" >&2; failures=$((failures + 1)); fi; }
deliver() { cmake -DSOURCE="$work/source" -DDEST="$work/program/data" -DPRISTINE="$work/delivered" -P "$script"; }

echo "Item=old a;" > "$work/source/a.kbs"
echo "Item=old b;" > "$work/source/b.kbs"
deliver
check "first build copies the bundled sets" '[ "$(cat "$work/program/data/b.kbs")" = "Item=old b;" ]'

# The user marks a favourite in a bundled set and saves a set of their own.
echo "Item=old a;Favorite=true;" > "$work/program/data/a.kbs"
echo "Item=mine;" > "$work/program/data/mine.kbs"
# The bundled sets change, one is removed from the source.
echo "Item=new a;" > "$work/source/a.kbs"
echo "Item=new b;" > "$work/source/b.kbs"
deliver
check "the favourite mark survives" '[ "$(cat "$work/program/data/a.kbs")" = "Item=old a;Favorite=true;" ]'
check "the user's own set survives" '[ "$(cat "$work/program/data/mine.kbs")" = "Item=mine;" ]'
check "an untouched bundled set is updated" '[ "$(cat "$work/program/data/b.kbs")" = "Item=new b;" ]'

rm "$work/source/b.kbs"
deliver
check "a set no longer bundled is left in place" '[ -f "$work/program/data/b.kbs" ]'

[ "$failures" -eq 0 ]
