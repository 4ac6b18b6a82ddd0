# Shared by the end-to-end tests: each test runs the real program, copied with its
# data and help folders into a fresh work folder (no settings file), on its own virtual display.
# Usage in a test: source e2e.sh "$@"   (arguments: program path, work folder)
set -uo pipefail

E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$E2E_DIR/xsession.sh"

# The Windows tests set these to the program they installed (tests/windows/wine-e2e.sh).
if [ -z "${KB_PROGRAM:-}" ]; then
    KB_SOURCE_APP="$1"
    KB_WORK="$2"
    KB_PROGRAM="$KB_WORK/Kindlebrook"
    KB_SETTINGS="$KB_WORK/Kindlebrook.ini"
    KB_DATA="$KB_WORK/data"

    rm -rf "$KB_WORK"
    mkdir -p "$KB_WORK"
    cp "$KB_SOURCE_APP" "$KB_PROGRAM"
    cp -r "${KB_BUNDLED_DATA:-$(dirname "$KB_SOURCE_APP")/data}" "$KB_DATA"
    cp -r "$(dirname "$KB_SOURCE_APP")/help" "$KB_WORK/help"
fi

# The program starts in the desktop's language: the tests speak English unless they say otherwise.
# UTF-8, as desktops are: Wine reads file names in the locale's character set.
unset LC_ALL LC_MESSAGES
export LANG=C.UTF-8

kb_start_display || exit 1
trap kb_stop_display EXIT

E2E_FAILURES=0

fail()
{
    echo "FAIL: $*" >&2
    E2E_FAILURES=$((E2E_FAILURES + 1))
}

check()
{
    local what="$1"
    shift
    if "$@"; then echo "ok: $what"; else fail "$what"; fi
}

finish()
{
    if [ "$E2E_FAILURES" -eq 0 ]; then
        echo "1 passed, 0 failed"
        exit 0
    fi
    echo "0 passed, 1 failed ($E2E_FAILURES checks)"
    exit 1
}

# Starts a program and waits for its window, then makes that window active.
start_at()
{
    kb_start_app "$1"
    kb_wait_for_window || { fail "$2 did not open its window"; finish; }
    xdotool windowactivate --sync "$KB_WINDOW" >/dev/null 2>&1 || true
    # The window is mapped before the program paints it and takes input (a first start on a
    # fresh machine builds its font cache): clicks sent before then are lost. The ring's top
    # edge is drawn in every state of the main screen.
    local i
    for i in $(seq 1 50); do
        kb_screenshot "$KB_WORK/starting.png" 2>/dev/null && [ "$(pixel_rgb "$KB_WORK/starting.png" 250 50)" != "0,0,0" ] && break
        sleep 0.2
    done
    sleep 0.3
}

# Starts the program from the work folder and waits for its window.
start_program() { start_at "$KB_PROGRAM" "the program"; }

# Clicks at a point of the window's client area.
click_at()
{
    xdotool mousemove --window "$KB_WINDOW" "$1" "$2" click 1
}

click_menu_button() { click_at 41 322; }
click_new_advice() { click_at 466 322; }
click_favourite() { click_at 414 322; }

# The menu opens under the mouse; its entries are reached with the keyboard as a user can.
# Entries from the top: Options, Timer, Sets edition, To get more sets, Help, Copy, About.
choose_menu_entry()
{
    local downs="$1"
    click_menu_button
    # A click that comes while a slow start (the sanitizer build) still holds the window is
    # lost: one more then.
    wait_for_popup || { click_menu_button; wait_for_popup; } || { fail "the menu did not open"; return 1; }
    # The menu takes the item under the resting pointer on its first look at the mouse; keys
    # pressed before that look would be overridden by it on a slow machine.
    sleep 0.3
    local i
    for i in $(seq 1 "$downs"); do xdotool key Down; done
    xdotool key Return
    sleep 0.2
}

# True once a popup window (the menu) is mapped over the program's window.
wait_for_popup()
{
    local i
    for i in $(seq 1 50); do
        [ "$(xdotool search --onlyvisible --pid "$KB_APP_PID" 2>/dev/null | wc -l)" -gt 1 ] && return 0
        sleep 0.1
    done
    return 1
}

# Empties the clipboard. xclip stays to serve the empty text until something is copied: it must
# not hold the output of a command substitution it runs in, or that would wait for it.
clear_clipboard() { printf '' | xclip -selection clipboard -i >/dev/null 2>&1; }

# Ctrl+C as the user presses it; prints what reached the clipboard (nothing behind a panel).
copy_by_key()
{
    clear_clipboard
    xdotool key ctrl+c
    sleep 0.5
    timeout 2 xclip -selection clipboard -o 2>/dev/null
}

# Prints the advice shown, read the way a user can: "Copy the current advice" and the clipboard.
read_advice()
{
    clear_clipboard
    choose_menu_entry 6 || return 1
    local i text
    for i in $(seq 1 30); do
        text=$(timeout 2 xclip -selection clipboard -o 2>/dev/null)
        [ -n "$text" ] && { printf '%s\n' "$text"; return 0; }
        sleep 0.1
    done
    return 1
}

# The set file (in the work folder's data) that holds an advice text.
set_file_of()
{
    local text="$1" f
    for f in "$KB_DATA"/*.kbs; do
        if file_text "$f" | grep -xF "Item=$text;" >/dev/null; then
            echo "$f"
            return 0
        fi
    done
    return 1
}

# Draws advice with "+" as many times as asked and prints how many came from a set file other
# than the one given, naming each on the error output.
draws_from_other_sets()
{
    local file="$1" count="$2" others=0 i advice
    for i in $(seq 1 "$count"); do
        click_new_advice
        sleep 0.3
        # A menu opened while the machine is busy can miss its keys: read once more then.
        advice=$(read_advice) || advice=$(read_advice)
        [ "$(set_file_of "$advice")" = "$file" ] || { others=$((others + 1)); echo "not from $(basename "$file"): \"$advice\"" >&2; }
    done
    echo "$others"
}

# A set file's text as UTF-8 with LF line ends, whichever form it is stored in.
file_text()
{
    if [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' ')" = "fffe" ]; then
        tail -c +3 "$1" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r'
    else
        tr -d '\r' < "$1"
    fi
}

# The colour of a pixel of a screenshot, as "r,g,b".
pixel_rgb()
{
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# The "Colour=r,g,b" of a set file.
set_colour()
{
    file_text "$1" | sed -n 's/^Colour=\([0-9]*,[0-9]*,[0-9]*\);$/\1/p'
}

# The program's other window: a dialog or an alert box.
other_window()
{
    local i w
    for i in $(seq 1 50); do
        w=$(xdotool search --onlyvisible --pid "$KB_APP_PID" 2>/dev/null | grep -vx "$KB_WINDOW" | head -n 1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}

# Types a file name into the file dialog (its name box sits 69 pixels above its bottom) and confirms.
answer_file_dialog()
{
    local dialog WIDTH HEIGHT
    dialog=$(other_window) || { fail "no file dialog appeared"; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove --window "$dialog" $((WIDTH / 2)) $((HEIGHT - 69)) click 1
    sleep 0.2
    xdotool type --delay 10 "$1"
    xdotool key Return
    # Keys typed before the dialog has gone and the window is active again would be lost.
    local i
    for i in $(seq 1 50); do
        xdotool search --onlyvisible --pid "$KB_APP_PID" 2>/dev/null | grep -qx "$dialog" || break
        sleep 0.1
    done
    xdotool windowactivate --sync "$KB_WINDOW" >/dev/null 2>&1 || true
    sleep 0.5
}

# Clicks the middle button ("Ignore") of the alert box that asks about unsaved changes.
click_ignore()
{
    local alert WIDTH HEIGHT
    alert=$(other_window) || { fail "no alert box appeared"; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$alert")"
    xdotool mousemove --window "$alert" $((WIDTH / 2 - 12)) $((HEIGHT - 21)) click 1
}

# Replaces the text of a label of the editor by clicking into it, as a user edits in place.
edit_label_at()
{
    click_at "$1" "$2"
    sleep 0.3
    xdotool key ctrl+a
    xdotool type --delay 10 "$3"
    xdotool key Return
    sleep 0.3
}
