# Helpers for driving the real program in a real window on a virtual display.
# Sourced by scripts/run and the end-to-end tests; every wait is a bounded retry.

KB_DISPLAY_PID=""
KB_WM_PID=""
KB_APP_PID=""
KB_WINDOW=""

# Starts Xvfb on a free display number, with a small window manager so that
# closing a window goes through WM_DELETE_WINDOW as on a desktop.
kb_start_display()
{
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        KB_DISPLAY_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 300); do
            xdpyinfo >/dev/null 2>&1 && break
            kill -0 "$KB_DISPLAY_PID" 2>/dev/null || break
            sleep 0.1
        done
        # A server that went away as soon as it answered (seen once under load: the window
        # manager then finds no display) gives way to a fresh one on the next number. So does
        # a number another session took at the same moment: its server answers, ours has quit.
        if xdpyinfo >/dev/null 2>&1 && kill -0 "$KB_DISPLAY_PID" 2>/dev/null && kb_start_window_manager; then
            return 0
        fi
        kb_stop_display
        KB_DISPLAY_PID=""
        KB_WM_PID=""
    done
    echo "Could not start Xvfb with a window manager." >&2
    return 1
}

# Openbox now and then exits at once on a display that has just come up: start it again then.
kb_start_window_manager()
{
    local attempt i log
    log=$(mktemp)
    for attempt in 1 2 3; do
        openbox --sm-disable >"$log" 2>&1 &
        KB_WM_PID=$!
        for i in $(seq 1 100); do
            if wmctrl -m >/dev/null 2>&1; then rm -f "$log"; return 0; fi
            kill -0 "$KB_WM_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$KB_WM_PID" 2>/dev/null
    done
    echo "The window manager did not start:" >&2
    cat "$log" >&2
    rm -f "$log"
    return 1
}

kb_stop_display()
{
    [ -n "$KB_APP_PID" ] && kill "$KB_APP_PID" 2>/dev/null
    [ -n "$KB_WM_PID" ] && kill "$KB_WM_PID" 2>/dev/null
    [ -n "$KB_DISPLAY_PID" ] && kill "$KB_DISPLAY_PID" 2>/dev/null
    wait 2>/dev/null
    return 0
}

kb_start_app()
{
    "$1" >/dev/null 2>&1 &
    KB_APP_PID=$!
}

# Waits until the program's window is mapped; sets KB_WINDOW.
kb_wait_for_window()
{
    local i
    for i in $(seq 1 300); do
        KB_WINDOW=$(xdotool search --all --onlyvisible --pid "$KB_APP_PID" --name '^Kindlebrook$' 2>/dev/null | head -n 1)
        [ -n "$KB_WINDOW" ] && return 0
        kill -0 "$KB_APP_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

kb_screenshot()
{
    import -window "${2:-$KB_WINDOW}" "$1"
}

# Asks the window to close as a window manager's close button does, and waits for the program to end.
kb_close_app()
{
    wmctrl -i -c "$KB_WINDOW"
    local i
    for i in $(seq 1 100); do
        kill -0 "$KB_APP_PID" 2>/dev/null || { wait "$KB_APP_PID" 2>/dev/null; KB_APP_PID=""; return 0; }
        sleep 0.1
    done
    return 1
}
