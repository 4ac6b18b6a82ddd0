#!/usr/bin/env bash
# The installer, silent (/S), into a fresh Wine prefix: per user, where the program may write,
# with a Start-menu entry and an entry among the system's programs. Installing again keeps the
# user's sets; the uninstaller keeps the sets and settings. Leaves the program installed for
# the other tests.
source "$(dirname "$0")/wine-e2e.sh" "$@"

UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kindlebrook'
START_MENU="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kindlebrook.lnk"

wineserver -k 2>/dev/null
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver --wait
check "a fresh Wine prefix is made" test -d "$WINEPREFIX/drive_c/windows"

install_silently
check "the program is installed in %LOCALAPPDATA%\\Programs\\Kindlebrook" test -f "$KB_HOME/Kindlebrook.exe"
check "the bundled sets are beside it" test "$(ls "$KB_DATA"/*.kbs | wc -l)" = "$(ls "$E2E_DIR/../../data"/*.kbs | wc -l)"
check "the guide is beside it" test -f "$KB_HOME/help/en.html" -a -f "$KB_HOME/help/fr.html"
check "the Start menu has its entry" test -f "$START_MENU"
check "the system's programs list it with its uninstaller" bash -c "wine reg query '$UNINSTALL_KEY' /v UninstallString | grep -qi 'Uninstall.exe'"
check "the list shows the program's icon" bash -c "wine reg query '$UNINSTALL_KEY' /v DisplayIcon | grep -qi 'Kindlebrook.exe'"

# A set the user changed stays as it is; a bundled set the user deleted comes back.
changed=$(ls "$KB_DATA"/*.kbs | head -n 1)
removed=$(ls "$KB_DATA"/*.kbs | tail -n 1)
[ -f "$changed" ] && [ "$changed" != "$removed" ] || { fail "no sets to change"; finish; }
printf '\nItem=My own advice;\nFavorite=true;\nTags=;\n' >> "$changed"
before=$(md5sum < "$changed")
rm -f "$removed"
install_silently
check "installing again keeps the set the user changed" test "$(md5sum < "$changed")" = "$before"
check "installing again brings back the deleted set" test -f "$removed"

# Uninstalling removes the program and keeps the user's sets and settings.
printf 'Kindlebrook V1 - Init Data File\nLanguage=0;\n' > "$KB_SETTINGS"
wine "$KB_HOME/Uninstall.exe" /S >/dev/null 2>&1
wineserver --wait
check "the uninstaller removes the program" test ! -e "$KB_HOME/Kindlebrook.exe" -a ! -e "$KB_HOME/help"
check "the uninstaller removes the Start-menu entry" test ! -e "$START_MENU"
check "the uninstaller removes the program from the list" bash -c "! wine reg query '$UNINSTALL_KEY' >/dev/null 2>&1"
check "the uninstaller keeps the sets" test "$(md5sum < "$changed")" = "$before"
check "the uninstaller keeps the settings" test -f "$KB_SETTINGS"

# For the tests that follow: installed again over what the user kept.
install_silently
rm -f "$KB_SETTINGS"
check "installed again" test -f "$KB_HOME/Kindlebrook.exe"
finish
