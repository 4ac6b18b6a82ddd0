#!/usr/bin/env bash
# F1 pressed at once after the start, before any click, asks for the program's web page;
# Ctrl+C copies the advice shown and Space brings a new one.
source "$(dirname "$0")/e2e.sh" "$@"

# A stand-in browser launcher, first on PATH, records what the program asks for.
stub="$KB_WORK/bin"
opened="$KB_WORK/opened.txt"
mkdir -p "$stub"
cat > "$stub/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >> "$opened"
EOF
chmod +x "$stub/xdg-open"
export PATH="$stub:$PATH"

wait_for_opened()
{
    local i
    for i in $(seq 1 50); do
        [ -s "$opened" ] && return 0
        sleep 0.1
    done
    return 1
}

start_program
xdotool key F1
wait_for_opened
check "F1 right after the start asks for the web page (got: $(cat "$opened" 2>/dev/null))" \
    grep -qx 'https://kindlebrook.org/' "$opened"

# The menu's help asks for the same page, and the keys still work once the menu has closed.
rm -f "$opened"
choose_menu_entry 5
wait_for_opened
check "the menu's help asks for the same page" grep -qx 'https://kindlebrook.org/' "$opened"

advice=$(read_advice)
printf '' | xclip -selection clipboard -i
xdotool key ctrl+c
copied=""
for i in $(seq 1 30); do
    copied=$(timeout 2 xclip -selection clipboard -o 2>/dev/null)
    [ -n "$copied" ] && break
    sleep 0.1
done
check "Ctrl+C copies the advice shown ($advice)" test -n "$advice" -a "$copied" = "$advice"

# The bundled sets hold many advice: three presses of Space cannot all land on the same one.
changed=0
for i in 1 2 3; do
    xdotool key space
    sleep 0.2
    [ "$(read_advice)" != "$advice" ] && { changed=1; break; }
done
check "Space brings a new advice" test "$changed" = 1

check "the program closes when asked" kb_close_app
finish
