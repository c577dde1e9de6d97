#!/usr/bin/env bash
# The command-line answers work with no display at all and open no window.
# Usage: command_line_test.sh PATH/TO/trivelan
set -uo pipefail
source "$(dirname "$0")/../check.sh"
exe=$1
run() {  # run ARGS...: sets out, err, status; no display of any kind
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$exe" "$@" 2>/tmp/trivelan-cli-err.$$)
    status=$?
    err=$(cat /tmp/trivelan-cli-err.$$)
    rm -f /tmp/trivelan-cli-err.$$
}

for opt in --version -v; do
    run "$opt"
    check "$opt status" 0 "$status"
    check "$opt output" "trivelan 1.00" "$out"
    check "$opt stderr" "" "$err"
done
for opt in --help -h; do
    run "$opt"
    check "$opt status" 0 "$status"
    check "$opt names the program" yes "$(grep -q 'Тривелан' <<<"$out" && grep -q -- '--version' <<<"$out" && echo yes || echo no)"
done
for args in "--bogus" "-x" "file.txt" "--version --bogus" "--help --version"; do
    # shellcheck disable=SC2086
    run $args
    check "'$args' fails" yes "$([ "$status" -ne 0 ] && echo yes || echo no)"
    check "'$args' gives one line" 1 "$(printf '%s\n' "$err" | wc -l)"
    check "'$args' prints nothing on stdout" "" "$out"
done
run --bogus
check "the error names the option" yes "$(grep -q -- "'--bogus'" <<<"$err" && echo yes || echo no)"

finish
