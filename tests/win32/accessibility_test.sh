#!/usr/bin/env bash
# What a Windows screen reader meets, read from another process as it reads it:
# the fifteen cells are owner-drawn push buttons named "Позиция k: d", one of
# them a Tab stop, inside the frame's group named by its caption. Listening to
# the program's events as a reader does, the shared list by keyboard alone: a
# focus event for the cell the mark enters or moves to, one name-change event
# for each press on the focused cell. BM_CLICK (a screen reader's default
# action) on a cell without the focus raises its digit, renames it and tells
# the new name by the live region, as it tells each verdict, once.
# Usage: accessibility_test.sh PROGRAM PROBE   (inside tests/win32/wine_session.sh)
set -euo pipefail
source "$(dirname "$0")/../shared/check.sh"
program=$1 probe=$2
log=$(mktemp)
wine "$program" 2>/dev/null &
app=$!
wine "$probe" listen >"$log" 2>/dev/null &
listener=$!
trap 'kill $app $listener 2>/dev/null || true; rm -f "$log"' EXIT
said() { tr -d '\r' <"$log"; }
wait_for listening -x

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
done < <(grep '^Button|.*|Позиция' <<<"$controls")
check "the row is one Tab stop" 1 "$tab_stops"
check "the frame names the group" "Button:7" "$(types '|Промяна цифрите чрез On-Click$')"

xdotool windowfocus --sync "$(xdotool search --sync --onlyvisible --name 'Тривелан' | head -n 1)"
hear_list "$(dirname "$0")/../conformance/heard.txt"
check "the mark by focus events, each press a name change, the verdict a live region" \
    "focus name name focus name focus focus live" \
    "$(said | grep -E '^(focus|name|live)\|(Позиция|Номерата)' | cut -d'|' -f1 | paste -sd' ' -)"

# The pupil's row is 210000000000000, the focus on "Провери".
focused=$(said | grep -c '^focus|' || true)
clicked=$(wine "$probe" click "Позиция 3: 0" | tr -d '\r')
check "BM_CLICK raises the digit and renames the cell" "Позиция 3: 1" \
    "$(grep -o '^Button|[0-9a-f]*|Позиция 3: [0-9]' <<<"$clicked" | cut -d'|' -f3)"
heard "and a reader is told its new name" "live|Позиция 3: 1"
since=$(said | wc -l)
wine "$probe" click "Провери" >/dev/null
heard "a check's verdict" "live|Номерата: 211000000000000 и 000000000000112 са различни."
since=$(said | wc -l)
wine "$probe" click "Чисти" >/dev/null
wine "$probe" click "Провери" >/dev/null
heard "the next check's" "live|Поредният номер: 000000000000000 е палиндром."
check "nothing for Чисти" 1 "$(said | tail -n "+$((since + 1))" | grep -c '^live|' || true)"
# A reader's action on a button takes the focus to it, as a click does; on a
# cell it stays, and it never goes to the report box.
check "the focus after a reader's actions" "Чисти Провери" \
    "$(said | grep '^focus|' | tail -n "+$((focused + 1))" | cut -d'|' -f2 | paste -sd' ' -)"
check "program still running" yes "$(kill -0 "$app" 2>/dev/null && echo yes || echo no)"
finish
