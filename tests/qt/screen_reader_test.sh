#!/usr/bin/env bash
# What a blind pupil hears in the Linux window: the shared list, keyboard
# only, then cells pressed with the mouse (the focus stays on "Провери"), each
# new digit and each verdict said once, also when it repeats the one before
# "Чисти"; "Чисти" says none.
# Usage: screen_reader_test.sh PROGRAM
set -euo pipefail
# shellcheck source=tests/shared/orca.sh
source "$(dirname "$0")/../shared/orca.sh"
orca_session "$0" "$@"
program=$1

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" 2>"$work/app.log" &
app_pid=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name "Тривелан" | head -n 1)
xdotool windowfocus --sync "$win"
wait_for "Отчет text." -x

hear_list "$here_orca/../conformance/heard.txt"
# Two cells by the mouse, whose focus stays on the button, then Space again.
cell_x() { echo $((40 + 16 + 24 * $1 + 12)); }
since=$(said | wc -l)
xdotool mousemove --window "$win" "$(cell_x 1)" 92 click 1
heard "a cell the mouse pressed" 'notification Позиция 2: 2.'
since=$(said | wc -l)
xdotool mousemove --window "$win" "$(cell_x 13)" 92 click 1
heard "another" 'notification Позиция 14: 1.'
press space
heard "a second row's verdict" \
    'notification Номерата: 220000000000010 и 010000000000022 са различни. Редицата не е балансирана! '
zeros='notification Поредният номер: 000000000000000 е палиндром. Балансирана редица в позиция: 1.'
press Tab space shift+Tab space  # "Чисти", then "Провери"
heard "the check after Чисти" "$zeros"
press Tab space shift+Tab space
heard "the same verdict again" "$zeros"
check "each verdict once, none for Чисти" 4 \
    "$(said | grep -cE '^notification (Поредният номер|Номерата): ' || true)"
check "the focus never went to the report" 1 "$(said | grep -cxF 'Отчет text.' || true)"
finish
