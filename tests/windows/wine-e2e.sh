# Shared by the Windows end-to-end tests: the program as the NSIS installer put it into a
# Wine prefix of the build, run by Wine on a virtual display of its own and driven with the
# actions of the Linux tests (tests/e2e/e2e-actions.sh).
# Usage in a test: source wine-e2e.sh "$@"   (arguments: installer, Wine prefix, work folder)
set -uo pipefail

E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/../e2e" && pwd)"
source "$E2E_DIR/xsession.sh"

KB_INSTALLER="$1"
export WINEPREFIX="$2"
KB_WORK="$3"
export WINEDEBUG=-all
# Wine's Mono and Gecko are not installed (no download prompt); no menu entries on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

KB_WIN_HOME='C:\users\'"$(id -un)"'\AppData\Local\Programs\Kindlebrook'
KB_HOME="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Kindlebrook"
KB_DATA="$KB_HOME/data"
KB_SETTINGS="$KB_HOME/Kindlebrook.ini"
# Started by its Windows path, as the Start menu does; exec keeps the process id for xdotool.
KB_PROGRAM="$KB_WORK/kindlebrook"

rm -rf "$KB_WORK"
mkdir -p "$KB_WORK"
printf '#!/bin/sh\nexec wine '\''%s\\Kindlebrook.exe'\''\n' "$KB_WIN_HOME" > "$KB_PROGRAM"
chmod +x "$KB_PROGRAM"

kb_start_display || exit 1
# The prefix's processes go with the display they were started on.
trap 'wineserver -k 2>/dev/null; kb_stop_display' EXIT

source "$E2E_DIR/e2e-actions.sh"

# Wine maps the window before it takes clicks: a click at once can be lost.
start_program()
{
    start_at "$KB_PROGRAM" "the program"
    sleep 1
}

# Runs the installer without a question and waits for it.
install_silently()
{
    wine "$KB_INSTALLER" /S >/dev/null 2>&1
    wineserver --wait
}
