#!/usr/bin/env bash
# What a blind pupil hears in the Linux window: the focus stays on "Провери",
# and Orca says each new verdict; "Чисти" says none.
# Usage: screen_reader_test.sh PROGRAM
set -euo pipefail
# shellcheck source=tests/x11/orca.sh
source "$(dirname "$0")/orca.sh"
orca_session "$0" "$@"
program=$1

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" 2>"$work/app.log" &
app_pid=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name "Тривелан" | head -n 1)
xdotool windowfocus --sync "$win"
wait_for "Отчет text."

press Tab
heard "Tab to the check button" 'Провери push button.'
press space
heard "Space says the verdict" 'notification Поредният номер: 000000000000000 е палиндром. Балансирана редица в позиция: 1.'
# Two cells by the mouse (the focus stays on the button), then Space again.
cell_x() { echo $((40 + 16 + 24 * $1 + 12)); }
xdotool mousemove --window "$win" "$(cell_x 1)" 92 click 1 mousemove --window "$win" "$(cell_x 13)" 92 click 1
press space
heard "a second row's verdict" 'notification Поредният номер: 010000000000010 е палиндром. Балансирана редица в позиция: 2.'
press Tab
wait_for "Чисти push button."
press space Tab
# The row's frame is what Orca says on the Tab after "Чисти": no verdict before it.
heard "the row after Чисти" 'Промяна цифрите чрез On-Click panel.'
check "verdicts said, none for Чисти" 2 "$(said | grep -c '^notification ' || true)"
check "the focus never went to the report" 1 "$(said | grep -cxF 'Отчет text.' || true)"
finish
