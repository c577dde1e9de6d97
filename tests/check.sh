# shellcheck shell=bash
# Shared by the script tests: `check WHAT EXPECTED ACTUAL` records one comparison,
# `finish` prints the count and fails the script if any comparison failed.
failures=0
check() {
    if [ "$2" == "$3" ]; then
        echo "ok: $1"
    else
        echo "FAIL: $1"
        echo "  expected: $2"
        echo "  actual:   $3"
        failures=$((failures + 1))
    fi
}
# check_until WHAT EXPECTED COMMAND...: waits for the state, not for a time:
# runs COMMAND until it prints EXPECTED, for 15 s at most, then checks its output.
check_until() {
    local what=$1 expected=$2 actual=""
    shift 2
    for _ in $(seq 150); do
        actual=$("$@")
        [ "$actual" == "$expected" ] && break
        sleep 0.1
    done
    check "$what" "$expected" "$actual"
}
finish() {
    echo "$failures failed"
    [ "$failures" -eq 0 ]
}
# need TOOL...: stops the test when a tool it runs is missing.
need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/test.sh installs it)"; exit 1; }
    done
}
# start_xvfb FOLDER [SCREEN]: an X server of its own as DISPLAY, on a display
# it chooses itself (no race with servers beside it); xvfb_pid ends it.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${2:-1920x1080x24}" -nolisten tcp 3>"$1/display" 2>"$1/xvfb.log" &
    # shellcheck disable=SC2034  # the caller ends it
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
    DISPLAY=":$(cat "$1/display")"
    export DISPLAY
}
