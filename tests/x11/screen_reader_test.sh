#!/usr/bin/env bash
# What a blind pupil hears: Debian's Orca, in Xvfb with a D-Bus session of its
# own and no speech server, logs every line it would say; the program is driven
# by keys and the mouse through xdotool, and the test waits for Orca's lines.
# The focus stays on "Провери", and Orca says each new verdict; "Чисти" says none.
# Usage: screen_reader_test.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != "--in-session" ]; then
    for tool in Xvfb xdotool dbus-run-session /usr/bin/orca; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/test.sh installs it)"; exit 1; }
    done
    work=$(mktemp -d)
    trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    DISPLAY=":$(cat "$work/display")" HOME="$work" XDG_RUNTIME_DIR="$work" \
        dbus-run-session -- bash "$0" --in-session "$1" "$work"
    exit
fi
program=$2
work=$3
source "$here/../check.sh"
keep_log=${KEEP_ORCA_LOG:-}
log=$work/orca.log
cleanup() {
    [ -n "$keep_log" ] && cp "$log" "$keep_log"
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${orca_pid:-}" ] && kill "$orca_pid" 2>/dev/null || true
}
trap cleanup EXIT
said() { grep -o "SPEECH OUTPUT: '[^']*'" "$log" 2>/dev/null | sed "s/^SPEECH OUTPUT: '//; s/'$//" || true; }
# wait_for LINE: until Orca has said LINE, or 30 s have gone.
wait_for() {
    for _ in $(seq 300); do
        said | grep -qxF -- "$1" && return 0
        sleep 0.1
    done
    echo "Orca never said: $1"
    return 1
}

/usr/bin/python3 "$here/orca_quiet.py" "$log" >"$work/orca.out" 2>&1 &
orca_pid=$!
wait_for "Screen reader on."
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" 2>"$work/app.log" &
app_pid=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name "Тривелан" | head -n 1)
xdotool windowfocus --sync "$win"
wait_for "Отчет text."

xdotool key Tab
check "Tab to the check button" yes "$(wait_for 'Провери push button.' >/dev/null && echo yes || echo no)"
xdotool key space
check "Space says the verdict" yes "$(wait_for 'notification Поредният номер: 000000000000000 е палиндром. Балансирана редица в позиция: 1.' >/dev/null && echo yes || echo no)"
# Two cells by the mouse (the focus stays on the button), then Space again.
cell_x() { echo $((40 + 16 + 24 * $1 + 12)); }
xdotool mousemove --window "$win" "$(cell_x 1)" 92 click 1 mousemove --window "$win" "$(cell_x 13)" 92 click 1
xdotool key space
check "a second row's verdict" yes "$(wait_for 'notification Поредният номер: 010000000000010 е палиндром. Балансирана редица в позиция: 2.' >/dev/null && echo yes || echo no)"
xdotool key Tab
wait_for "Чисти push button."
xdotool key space Tab
# The row's frame is what Orca says on the Tab after "Чисти": no verdict before it.
check "the row after Чисти" yes "$(wait_for 'Промяна цифрите чрез On-Click panel.' >/dev/null && echo yes || echo no)"
check "verdicts said, none for Чисти" 2 "$(said | grep -c '^notification ' || true)"
check "the focus never went to the report" 1 "$(said | grep -cxF 'Отчет text.' || true)"
finish
