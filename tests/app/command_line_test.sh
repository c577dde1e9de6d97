#!/usr/bin/env bash
# The command-line answers work with no display at all and open no window.
# Usage: command_line_test.sh PATH/TO/trivelan
set -uo pipefail
source "$(dirname "$0")/../shared/check.sh"
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
# Refused, each in one Bulgarian line that says why and where to look (the
# messages themselves are the design's, checked in its own test).
for args in "--bogus" "-x" "file.txt" "--version --bogus" "--help --version" "--row 123" \
    "--row=00112000000111x" "--row" "--row 001120000001111 --row 001120000001111"; do
    # shellcheck disable=SC2086
    run $args
    check "'$args' refused with status 2" 2 "$status"
    check "'$args' says why in one line" "trivelan: … Вижте trivelan --help." \
        "$(sed -E 's/^(trivelan: ).*( Вижте trivelan --help\.)$/\1…\2/' <<<"$err")"
    check "'$args' prints nothing on stdout" "" "$out"
done
run --help
check "--help names --row" yes "$(grep -q -- '--row ЦИФРИ' <<<"$out" && echo yes || echo no)"

finish
