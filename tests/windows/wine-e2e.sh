# Shared by the Windows end-to-end tests: the program as the NSIS installer put it into a Wine
# prefix of the build, run by Wine on a virtual display and driven with the Linux tests' helpers.
# Usage in a test: source wine-e2e.sh "$@"   (arguments: installer, Wine prefix, work folder)
KB_INSTALLER="$1"
export WINEPREFIX="$2" WINEDEBUG=-all
# Wine's Mono and Gecko are not installed (no download prompt); no menu entries on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
KB_WORK="$3"
KB_HOME="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Kindlebrook"
KB_DATA="$KB_HOME/data"
KB_SETTINGS="$KB_HOME/Kindlebrook.ini"
KB_PROGRAM="$KB_WORK/kindlebrook"

rm -rf "$KB_WORK"
mkdir -p "$KB_WORK"
# By its Windows path, as the Start menu starts it; exec keeps the process id for xdotool.
printf '#!/bin/sh\nexec wine '\''C:\\users\\%s\\AppData\\Local\\Programs\\Kindlebrook\\Kindlebrook.exe'\''\n' \
    "$(id -un)" > "$KB_PROGRAM"
chmod +x "$KB_PROGRAM"

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e.sh"
# The prefix's processes go with the display they were started on.
trap 'wineserver -k 2>/dev/null; kb_stop_display' EXIT

# Wine maps the window before it takes input, and gives it the focus back late after a menu:
# keys sent before are lost.
wait_active()
{
    for i in $(seq 1 50); do [ "$(xdotool getactivewindow 2>/dev/null)" = "$KB_WINDOW" ] && break; sleep 0.1; done
    sleep 0.5
}
start_program() { start_at "$KB_PROGRAM" "the program"; wait_active; }

install_silently() { wine "$KB_INSTALLER" /S >/dev/null 2>&1; wineserver --wait; }
