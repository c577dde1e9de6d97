#!/usr/bin/env bash
# The Windows program's command line, under Wine: with no console, what --help,
# --version and a refused command line say shows in a box captioned like the
# window, read from another process as a user sees it; a refusal then ends
# with status 2. A valid --row opens the window with that row.
# Usage: windows_command_line_test.sh PROGRAM PROBE   (inside tests/win32/wine_session.sh)
set -euo pipefail
source "$(dirname "$0")/../shared/check.sh"
program=$1 probe=$2
box() {  # box ARGS...: "TITLE|TEXT" of the box, then "status N"
    local app status=0
    wine "$program" "$@" 2>/dev/null &
    app=$!
    local shown
    shown=$(wine "$probe" box | tr -d '\r')
    echo "$shown"
    # A box the probe never found would keep the program waiting for its button.
    if [ "$shown" == "no box" ]; then kill "$app"; fi
    wait "$app" || status=$?
    echo "status $status"
}
caption="www.example.com  Тривелан"
while IFS='|' read -r args said status; do
    # shellcheck disable=SC2086
    shown=$(box $args)
    check "$args: a box captioned like the window" "$caption" "$(head -n 1 <<<"$shown" | cut -d'|' -f1)"
    check "$args: it says" yes "$(grep -qF -- "$said" <<<"$shown" && echo yes || echo "no: $shown")"
    check "$args: status $status" "status $status" "$(tail -n 1 <<<"$shown")"
done <<'TABLE'
--row 123|Вижте trivelan --help.|2
--bogus|Вижте trivelan --help.|2
--row=00112000000111x|Вижте trivelan --help.|2
--help|--row ЦИФРИ|0
--version|trivelan 1.00|0
TABLE

wine "$program" --row 001120000001111 2>/dev/null &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
row=$(wine "$probe" | tr -d '\r' | sed -n 's/.*|Позиция \([0-9]*\): \([0-9]\)$/\1 \2/p' |
    sort -n | cut -d' ' -f2 | tr -d '\n')
check "--row opens the window with that row" 001120000001111 "$row"
finish
