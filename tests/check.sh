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
