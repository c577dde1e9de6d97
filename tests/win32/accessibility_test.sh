#!/usr/bin/env bash
# What a Windows screen reader meets, read from another process as it reads it:
# the fifteen cells are owner-drawn push buttons named "Позиция k: d", one of
# them a Tab stop, inside the frame's group named by its caption; BM_CLICK (a
# screen reader's default action) on a cell raises its digit and renames it.
# Usage: accessibility_test.sh PROGRAM PROBE   (inside tests/win32/wine_session.sh)
set -euo pipefail
source "$(dirname "$0")/../check.sh"
program=$1 probe=$2
wine "$program" 2>/dev/null &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

controls=$(wine "$probe" | tr -d '\r')
cells=$(grep -c '|Позиция' <<<"$controls" || true)
check "cells read as controls" 15 "$cells"
names=$(grep '|Позиция' <<<"$controls" | cut -d'|' -f3 | paste -sd, -)
expected=$(for k in $(seq 15); do printf 'Позиция %d: 0\n' "$k"; done | paste -sd, -)
check "cells named by position and digit" "$expected" "$names"
# Class and button type (the low style bits) of each control with a text like
# this: BS_OWNERDRAW (b) is the system's push button to accessibility.
types() {
    grep "$1" <<<"$controls" | while IFS='|' read -r class style _; do
        printf '%s:%x\n' "$class" $((0x$style & 0xf))
    done | sort -u
}
check "cells are owner-drawn buttons" "Button:b" "$(types '|Позиция')"
tab_stops=0
while IFS='|' read -r _ style _; do
    tab_stops=$((tab_stops + ((0x$style & 0x10000) != 0)))
done < <(grep '|Позиция' <<<"$controls")
check "the row is one Tab stop" 1 "$tab_stops"
check "the frame names the group" "Button:7" "$(types '|Промяна цифрите чрез On-Click$')"

clicked=$(wine "$probe" click "Позиция 3: 0" | tr -d '\r')
check "BM_CLICK raises the digit and renames the cell" "Позиция 3: 1" \
    "$(grep -o 'Позиция 3: [0-9]' <<<"$clicked")"
clicked=$(wine "$probe" click "Позиция 3: 1" | tr -d '\r')
check "a second BM_CLICK raises it again" "Позиция 3: 2" "$(grep -o 'Позиция 3: [0-9]' <<<"$clicked")"
# What a screen reader hears after each press, listening from its own process:
# one live-region change per check, carrying the verdict, none for "Чисти", and
# the focus never on the report box. Cell 3 holds 2 from the clicks above.
heard=$(wine "$probe" verdicts | tr -d '\r')
check "one change per check, each the verdict" \
    "$(printf 'verdict|Номерата: 002000000000000 и 000000000000200 са различни. Редицата не е балансирана! \nverdict|Номерата: 012000000000000 и 000000000000210 са различни. Редицата не е балансирана! \nverdict|Поредният номер: 000000000000000 е палиндром. Балансирана редица в позиция: 1')" \
    "$(grep '^verdict|' <<<"$heard")"
check "the focus after each click, never on the report box" "$(printf 'focus|Button\n%.0s' 1 2 3 4)" \
    "$(grep '^focus|' <<<"$heard")"
check "program still running" yes "$(kill -0 "$app" 2>/dev/null && echo yes || echo no)"
finish
