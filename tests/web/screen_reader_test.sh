#!/usr/bin/env bash
# What a blind pupil hears on the page, in Chromium with Orca: the shared
# list, keyboard only, the row a toolbar whose arrows move the page's own
# mark; each check's verdict whole and once, the focus staying on "Провери",
# also when it repeats the one before "Чисти"; "Чисти" says none.
# The site from a local web server, then the one-file page from file://.
# Usage: screen_reader_test.sh SITE_DIR ONE_FILE_PAGE
set -euo pipefail
# shellcheck source=tests/shared/orca.sh
source "$(dirname "$0")/../shared/orca.sh"
orca_session "$0" "$@"
site=$1
one_file=$(realpath "$2")

/usr/bin/python3 -u -m http.server --bind 127.0.0.1 --directory "$site" 0 >"$work/server.log" 2>&1 &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null; orca_cleanup' EXIT
for _ in $(seq 100); do grep -q ' port ' "$work/server.log" && break; sleep 0.1; done
port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$work/server.log")

verdicts() { said | tail -n "+$((start + 1))" | grep -cE '^(Поредният номер|Номерата): ' || true; }
listen() {
    echo "# $1"
    start=$(said | wc -l)
    HOME=$work chromium --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --no-default-browser-check --disable-background-networking --disable-component-update \
        --disable-sync --disable-default-apps --force-renderer-accessibility --lang=bg \
        --user-data-dir="$(mktemp -d -p "$work")" --kiosk "$1" >>"$work/chromium.log" 2>&1 &
    app_pid=$!
    since=$start
    wait_for "Условието на задачата, а след проверка — резултатът." -x  # the report, focused
    hear_list "$here_orca/../conformance/heard.txt"
    local zeros="Поредният номер: 000000000000000 е палиндром. Балансирана редица в позиция: 1"
    press Tab space shift+Tab space  # "Чисти", then "Провери"
    heard "the check after Чисти" "$zeros"
    press Tab space shift+Tab space
    heard "the same verdict again" "$zeros"
    check "each verdict once, none for Чисти" 3 "$(verdicts)"
    kill "$app_pid"
    wait "$app_pid" || true
}
listen "http://127.0.0.1:$port/"
listen "file://$one_file"
finish
