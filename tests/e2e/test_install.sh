#!/usr/bin/env bash
# The per-user install: scripts/install into a fresh home, the desktop entry, the installed
# program started by its launcher (advice, icon, help through a file:// address), an update
# that keeps the user's sets, and the uninstall that keeps them unless asked.
source "$(dirname "$0")/e2e.sh" "$@"

build_dir="$(cd "$(dirname "$KB_SOURCE_APP")/../.." && pwd)"
export HOME="$KB_WORK/home"
unset XDG_DATA_HOME
home="$HOME/.local/share/kindlebrook"
share="$HOME/.local/share"
id=org.kindlebrook.Kindlebrook

# The "browser": records every address the program asks to open.
opened="$KB_WORK/opened.txt"
mkdir -p "$KB_WORK/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' "$opened" > "$KB_WORK/bin/xdg-open"
chmod +x "$KB_WORK/bin/xdg-open"
export PATH="$KB_WORK/bin:$PATH"

KB_BUILD_DIR="$build_dir" "$E2E_DIR/../../scripts/install" --desktop > "$KB_WORK/install.log" 2>&1
check "scripts/install succeeds" test $? -eq 0
check "the program is installed" test -x "$home/Kindlebrook"
check "the sets are beside it" test "$(ls "$home"/data/*.kbs | wc -l)" -eq "$(ls "$(dirname "$KB_SOURCE_APP")"/data/*.kbs | wc -l)"
check "the help pages are beside it" test -f "$home/help/en.html" -a -f "$home/help/fr.html" -a -f "$home/help/style.css"
check "the launcher is in ~/.local/bin" test -x "$HOME/.local/bin/kindlebrook"

entry="$share/applications/$id.desktop"
check "the desktop entry is installed" test -f "$entry"
check "its Exec starts the installed program" grep -qxF "Exec=\"$home/Kindlebrook\"" "$entry"
if command -v desktop-file-validate >/dev/null; then
    check "the installed desktop entry validates" desktop-file-validate "$entry"
fi
if command -v appstreamcli >/dev/null; then
    check "the metainfo validates" appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
fi
for size in 16 24 32 48 64 128 256; do
    check "the ${size}px icon is ${size}x${size}" test "$(identify -format %wx%h "$share/icons/hicolor/${size}x${size}/apps/$id.png" 2>/dev/null)" = "${size}x${size}"
done
check "the scalable icon is installed" test -f "$share/icons/hicolor/scalable/apps/$id.svg"

# Started as the menu would start it.
KB_DATA="$home/data"
start_at "$HOME/.local/bin/kindlebrook" "the installed program"
kb_screenshot "$KB_WORK/installed.png"
advice=$(read_advice)
check "the installed program shows advice ($advice)" test -n "$advice"
check "the advice comes from the installed sets" test -n "$(set_file_of "$advice")"
check "the settings file is written in the user's folder" test -f "$home/Kindlebrook.ini"
check "the window carries the icon" bash -c "xprop -id '$KB_WINDOW' _NET_WM_ICON | grep -qF 'Icon (64 x 64)'"
check "the window class matches the desktop entry" bash -c "xprop -id '$KB_WINDOW' WM_CLASS | grep -q '\"Kindlebrook\"'"

# F1, then "To get more sets..." (fourth entry of the menu).
xdotool key F1
choose_menu_entry 4
for i in $(seq 1 30); do [ "$(wc -l < "$opened" 2>/dev/null)" -ge 2 ] && break; sleep 0.1; done
check "F1 asks for the local help page (got $(sed -n 1p "$opened"))" test "$(sed -n 1p "$opened")" = "file://$home/help/en.html"
check "To get more sets asks for its section (got $(sed -n 2p "$opened"))" test "$(sed -n 2p "$opened")" = "file://$home/help/en.html#sets"
page="$(sed -n 1p "$opened" | sed 's|^file://||')"
check "the page F1 asks for exists" test -f "$page"
check "the page has the sets section" grep -q 'id="sets"' "$page"
# Every local link and picture of the installed pages leads to an installed file.
for p in "$home"/help/*.html; do
    for link in $(grep -oE '(href|src)="[^"#][^"]*"' "$p" | sed -E 's/^(href|src)="//; s/"$//; s/#.*//'); do
        check "$(basename "$p") links to an installed $link" test -e "$home/help/$link"
    done
done
check "the program closes when asked" kb_close_app

# An update keeps the user's sets as they are.
some_set=$(ls "$home"/data/*.kbs | head -n 1)
printf '\nItem=Written by the user.;\nFavorite=true;\nTags=1,;\n' >> "$some_set"
before=$(md5sum < "$some_set")
rm -f "$home/data/$(basename "$(ls "$home"/data/*.kbs | tail -n 1)")"
KB_BUILD_DIR="$build_dir" "$E2E_DIR/../../scripts/install" > "$KB_WORK/update.log" 2>&1
check "a second install succeeds" test $? -eq 0
check "it leaves the user's set as it was" test "$(md5sum < "$some_set")" = "$before"
check "it adds a bundled set the user lacks" grep -q "Sets added" "$KB_WORK/update.log"

# Uninstall: the program goes, the sets and settings stay; --purge takes them too.
KB_BUILD_DIR="$build_dir" "$E2E_DIR/../../scripts/install" --uninstall > "$KB_WORK/uninstall.log" 2>&1
check "the uninstall succeeds" test $? -eq 0
check "the program is gone" test ! -e "$home/Kindlebrook" -a ! -e "$home/help"
check "the launcher is gone" test ! -e "$HOME/.local/bin/kindlebrook"
check "the desktop entry and icons are gone" test ! -e "$entry" -a ! -e "$share/icons/hicolor/48x48/apps/$id.png"
check "the sets stay" test "$(md5sum < "$some_set")" = "$before"
check "the settings stay" test -f "$home/Kindlebrook.ini"
"$E2E_DIR/../../scripts/install" --uninstall --purge > /dev/null 2>&1
check "--purge removes the sets and settings" test ! -e "$home"

finish
