# Shared by the end-to-end tests: each test runs the real program, copied with its
# data and help folders into a fresh work folder (no settings file), on its own virtual display.
# Usage in a test: source e2e.sh "$@"   (arguments: program path, work folder)
set -uo pipefail

E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$E2E_DIR/xsession.sh"

KB_SOURCE_APP="$1"
KB_WORK="$2"
KB_PROGRAM="$KB_WORK/Kindlebrook"
KB_SETTINGS="$KB_WORK/Kindlebrook.ini"
KB_DATA="$KB_WORK/data"

rm -rf "$KB_WORK"
mkdir -p "$KB_WORK"
cp "$KB_SOURCE_APP" "$KB_PROGRAM"
cp -r "$(dirname "$KB_SOURCE_APP")/data" "$KB_DATA"
cp -r "$(dirname "$KB_SOURCE_APP")/help" "$KB_WORK/help"

kb_start_display || exit 1
trap kb_stop_display EXIT

source "$E2E_DIR/e2e-actions.sh"
