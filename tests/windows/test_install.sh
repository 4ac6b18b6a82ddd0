#!/usr/bin/env bash
# The installer, silent (/S), in a fresh Wine prefix: per user, with a Start-menu entry and an
# entry among the system's programs. Installing again keeps the user's sets; the uninstaller
# keeps sets and settings. Leaves the program installed for the other tests.
source "$(dirname "$0")/wine-e2e.sh" "$@"

KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kindlebrook'
MENU="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kindlebrook.lnk"
listed() { wine reg query "$KEY" /v UninstallString 2>/dev/null | grep -qi 'Uninstall.exe'; }

wineserver -k 2>/dev/null
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
install_silently
check "the program, its sets and guide are in %LOCALAPPDATA%\\Programs\\Kindlebrook" \
    test -f "$KB_HOME/Kindlebrook.exe" -a -f "$KB_HOME/help/en.html" -a "$(ls "$KB_DATA" | wc -l)" = "$(ls "$(dirname "$0")"/../../data/*.kbs | wc -l)"
check "the Start menu has its entry" test -f "$MENU"
check "the system's programs list it with its uninstaller" listed

changed=$(ls "$KB_DATA"/*.kbs | head -n 1)
removed=$(ls "$KB_DATA"/*.kbs | tail -n 1)
printf '\nItem=My own advice;\nFavorite=true;\nTags=;\n' >> "$changed"
before=$(md5sum < "$changed")
rm -f "$removed"
install_silently
check "installing again keeps the set the user changed" test "$(md5sum < "$changed")" = "$before"
check "installing again brings back the deleted set" test -f "$removed"

printf 'Kindlebrook V1 - Init Data File\nLanguage=0;\n' > "$KB_SETTINGS"
wine "$KB_HOME/Uninstall.exe" /S >/dev/null 2>&1
wineserver --wait
gone() { test ! -e "$KB_HOME/Kindlebrook.exe" -a ! -e "$KB_HOME/help" -a ! -e "$MENU" && ! listed; }
check "the uninstaller removes the program, its entry and its listing" gone
check "the uninstaller keeps the sets and settings" test "$(md5sum < "$changed")" = "$before" -a -f "$KB_SETTINGS"

install_silently
rm -f "$KB_SETTINGS"
finish
