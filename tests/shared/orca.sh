# shellcheck shell=bash
# Shared by the screen-reader tests: Debian's Orca in Xvfb, with a D-Bus
# session of its own and no speech server, logs every line it would say; the
# test drives the window with xdotool and waits for Orca's lines.
#
# orca_session "$0" ARGS...: run first; outside a session it runs the script
# again inside one and exits with its status. Inside, $work is the session's
# folder, Orca is running, and `said` reads Orca's log for check.sh's reader
# helpers (`press`, `wait_for`, `heard`, `hear_list`).
here_orca=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/shared/check.sh
source "$here_orca/check.sh"

orca_session() {
    if [ -z "${ORCA_WORK:-}" ]; then
        local work status=0
        need Xvfb xdotool dbus-run-session /usr/bin/orca
        work=$(mktemp -d)
        start_xvfb "$work" 1280x1024x24
        ORCA_WORK=$work HOME=$work XDG_RUNTIME_DIR=$work dbus-run-session -- bash "$@" || status=$?
        kill "$xvfb_pid"
        rm -rf "$work"
        exit "$status"
    fi
    work=$ORCA_WORK
    log=$work/orca.log
    trap orca_cleanup EXIT
    /usr/bin/python3 "$here_orca/orca_quiet.py" "$log" >"$work/orca.out" 2>&1 &
    orca_pid=$!
    wait_for "Screen reader on."
}

orca_cleanup() {
    if [ -n "${KEEP_ORCA_LOG:-}" ]; then cp "$log" "$KEEP_ORCA_LOG"; fi
    kill "${app_pid:-}" "$orca_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}

# Every line Orca has said so far, one a line; a line it logged over several
# log lines (a text with a line break) is joined with " | ".
said() {
    [ -f "$log" ] || return 0
    /usr/bin/python3 -c '
import re, sys
text = open(sys.argv[1], encoding="utf-8", errors="replace").read()
for line in re.findall(r"SPEECH OUTPUT: \x27(.*?)\x27", text, re.S):
    print(" | ".join(line.split("\n")))' "$log"
}

