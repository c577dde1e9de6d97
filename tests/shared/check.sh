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
# What a screen reader says, for a test that defines `said`: every line it has
# said so far, one a line.
# press KEY...: the keys, through the X server as a user types them; what is
# said from here on is what wait_for and heard look at.
since=0
press() {
    since=$(said | wc -l)
    xdotool key "$@"
}
# wait_for LINE [-x]: until a line said since the last press holds LINE (is
# LINE, with -x), or 30 s have gone.
wait_for() {
    for _ in $(seq 300); do
        said | tail -n "+$((since + 1))" | grep -qF"${2:+x}" -- "$1" && return 0
        sleep 0.1
    done
    echo "never said: $1"
    return 1
}
# heard WHAT WORDS: checks that a line said holds WORDS.
heard() {
    check "$1" yes "$(wait_for "$2" >/dev/null && echo yes || echo no)"
}
# hear_list LIST: the keys of each line of the shared list (tests/conformance/
# heard.txt), and each part of what is heard after them, heard once.
hear_list() {
    local fields starts=() parts=() keys i part to
    while IFS=$'\t' read -r -a fields <&3; do
        [[ ${#fields[@]} -eq 0 || ${fields[0]} == \#* ]] && continue
        read -r -a keys <<<"${fields[0]}"
        press "${keys[@]}"
        for part in "${fields[@]:1}"; do
            wait_for "$part" >/dev/null || true
            starts+=("$since") parts+=("$part")
        done
    done 3<"$1"
    # Counted at the end, up to the next keys: a part said twice is said
    # before the next keys' own words.
    for i in "${!parts[@]}"; do
        to=$(said | wc -l)
        for part in "${starts[@]:i+1}"; do
            [ "$part" -gt "${starts[i]}" ] && to=$part && break
        done
        check "heard once: ${parts[i]}" 1 \
            "$(said | sed -n "$((starts[i] + 1)),${to}p" | grep -cF -- "${parts[i]}")"
    done
}
# design_rect FACTS NAME: the control's place in the window's client area at
# 100 %, in pixels, from the design's facts: LEFT TOP WIDTH HEIGHT.
design_rect() {
    /usr/bin/python3 -c 'import json, sys
c = [c for c in json.load(open(sys.argv[1]))["controls"] if c["name"] == sys.argv[2]][0]
print(c["left"], c["top"], c["width"], c["height"])' "$1" "$2"
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
