#!/usr/bin/env bash
# Drives the real program in a real X11 window under Xvfb as a person would:
# mouse clicks and keys through xdotool, the report read back through the
# clipboard, and what the screen shows checked on a screenshot. The same test
# drives the Linux program and, with --wine, the Windows one under Wine: both
# windows are built from one design, so they answer to the same pixels.
# The window after its first check is the read-me's picture: given PICTURE, the
# screenshot must be that picture, pixel for pixel.
# Usage: real_window_test.sh [--wine] PROGRAM SCREENSHOT_DIR FACTS.json [PICTURE]
#   --wine expects WINEPREFIX to name a prepared prefix with its server running.
set -euo pipefail
source "$(dirname "$0")/check.sh"
launch=()
if [ "$1" == "--wine" ]; then
    launch=(wine)
    shift
fi
exe=$1
shots=$2
facts=$3
picture=${4:-}
name=$([ ${#launch[@]} -eq 0 ] && echo trivelan || echo trivelan-windows)
mkdir -p "$shots"
need Xvfb xdotool xclip xwd convert xprop

work=$(mktemp -d)
cleanup() {
    kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

if [ ${#launch[@]} -eq 0 ]; then
    start_xvfb "$work"
    unset QT_QPA_PLATFORM
elif [ -z "${DISPLAY:-}" ]; then
    echo "--wine runs on the display of the Wine session (tests/win32/wine_session.sh)"
    exit 1
fi


"${launch[@]}" "$exe" 2>"$work/app.log" &
app_pid=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name "Тривелан" | head -n 1)
size() { eval "$(xdotool getwindowgeometry --shell "$win")"; echo "${WIDTH}x${HEIGHT}"; }
check_until "window client size" "481x363" size
eval "$(xdotool getwindowgeometry --shell "$win")"
check "window caption" "www.example.com  Тривелан" "$(xdotool getwindowname "$win")"
check "window icon" yes "$(xprop -id "$win" _NET_WM_ICON | grep -q 'Icon (32 x 32)' && echo yes || echo no)"

click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.6; }  # past the double-click interval
double_click() { xdotool mousemove --window "$win" "$1" "$2" click --repeat 2 --delay 80 1; sleep 0.6; }
# Where the design puts the cells (one strip at a step narrower than a cell)
# and the controls a pupil clicks.
read -r cell_left cell_top cell_width cell_height < <(design_rect "$facts" "Label2(0)")
read -r second_left _ < <(design_rect "$facts" "Label2(1)")
readonly step=$((second_left - cell_left))
centre() {
    local l t w h
    read -r l t w h < <(design_rect "$facts" "$1")
    echo "$((l + w / 2)) $((t + h / 2))"
}
cell_x() { echo $((cell_left + step * $1 + cell_width / 2)); }
readonly cell_y=$((cell_top + cell_height / 2))
read -r check_x button_y < <(centre "Command1(0)")
read -r clear_x _ < <(centre "Command1(1)")
read -r report_x report_y < <(centre "Text1(0)")
readonly check_x button_y clear_x report_x report_y
report_text() {  # report_text [ZOOM_FACTOR]
    # Copying an empty selection leaves the clipboard alone, so empty it first.
    xclip -selection clipboard -i /dev/null >/dev/null 2>&1
    click $((report_x * ${1:-1})) $((report_y * ${1:-1}))
    xdotool key ctrl+a ctrl+c
    xclip -o -selection clipboard 2>/dev/null || true
}
report_start() { local text; text=$(report_text 1); echo "${text:0:35}"; }

check_until "statement at start" "Ще наричаме една редица балансирана" report_start

double_click "$(cell_x 0)" "$cell_y"     # a double click raises the digit once
double_click "$(cell_x 14)" "$cell_y"
click "$check_x" "$button_y"
check_until "report after a check on 100000000000001" \
    "$(printf 'Поредният номер: 100000000000001 е палиндром.\nБалансирана редица в позиция: 1')" \
    report_text
# The copy's selection goes, and the focus to "Провери", checked again.
xdotool key ctrl+Home
click "$check_x" "$button_y"

# Cell 0 is underlined now.
xdotool mousemove --window "$win" 470 350
shoot() {  # shoot NAME: the window as it is now, cropped from the screen
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xwd -root -silent >"$work/screen.xwd"
    convert "$work/screen.xwd" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/$1.png"
}
pixel_of() { convert "$1" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$2+$3" info:; }
pixel() { pixel_of "$shots/$name.png" "$@"; }
# Cells 0 and 14 both show "1"; only cell 0 carries the underline, so it has more ink.
ink() { convert "$shots/$name.png" -crop "$((step - 1))x$((cell_height - 1))+$1+$((cell_top + 1))" +repage \
            -colorspace Gray -threshold 50% -negate \
            -format "%[fx:int(mean*w*h+0.5)]" info:; }
split_digit_underlined() {
    shoot "$name"
    local first last
    first=$(ink $((cell_left + 1))) last=$(ink $((cell_left + 1 + step * 14)))
    [ "$first" -gt $((last + 15)) ] && echo yes || echo "no (ink $first vs $last)"
}
check_until "only the split digit is underlined" yes split_digit_underlined
echo "screenshot: $shots/$name.png"
if [ -n "$picture" ]; then
    check "the read-me's picture is the window as it is now (else copy $shots/$name.png to $picture)" \
        0 "$(compare -metric AE "$picture" "$shots/$name.png" null: 2>&1 || true)"
fi
check "window background" "128,128,255" "$(pixel 5 100)"
check "title label background" "255,192,128" "$(pixel 70 5)"
check "digit cell background" "255,255,255" "$(pixel $((cell_left + 2)) $((cell_top + 2)))"
# The buttons are filled flat: the same colour near their top and bottom edges.
check "check button filled flat green" "0,255,0 0,255,0" "$(pixel 50 150) $(pixel 50 160)"
check "clear button filled flat red" "255,0,0 255,0,0" "$(pixel 330 150) $(pixel 330 160)"
# The scroll-bar track is a checker of two colours: look at two neighbouring pixels.
check "report scroll bar keeps its own colours" "no" \
    "$(printf '%s\n' "$(pixel 456 300)" "$(pixel 457 300)" | grep -qx '128,128,255' && echo yes || echo no)"


# Cell 0 near its right edge, then at once cell 1 near its left edge: two clicks,
# though the toolkit sees a double click by time and distance.
xdotool mousemove --window "$win" $((cell_left + step - 1)) "$cell_y" click 1 \
    mousemove --window "$win" $((cell_left + step + 2)) "$cell_y" click 1
sleep 0.6
click "$check_x" "$button_y"
check_until "a quick click on the neighbouring cell counts" \
    "$(printf 'Номерата: 210000000000001 и 100000000000012 са различни.\nБалансирана редица в позиция: 1')" \
    report_text

# Keyboard only: Tab from the report box to the row, arrows and End move the
# mark, Space clicks; Shift+Tab back to the check button and Space presses it.
click "$report_x" "$report_y"
xdotool key Tab Tab Tab Right Right space End
mark_on_the_last_cell_only() {
    shoot "$name-keyboard"
    local marked unmarked
    marked=$(pixel_of "$shots/$name-keyboard.png" "$(cell_x 14)" $((cell_top + 2)))
    unmarked=$(pixel_of "$shots/$name-keyboard.png" "$(cell_x 13)" $((cell_top + 2)))
    [ "$marked" != "255,255,255" ] && [ "$unmarked" == "255,255,255" ] && echo yes ||
        echo "no ($marked / $unmarked)"
}
check_until "the keyboard mark shows on the marked cell only" yes mark_on_the_last_cell_only
echo "screenshot: $shots/$name-keyboard.png"
xdotool key space shift+Tab shift+Tab space
check_until "a keyboard-only session" \
    "$(printf 'Номерата: 211000000000002 и 200000000000112 са различни.\nБалансирана редица в позиция: 2')" \
    report_text

# Zoom to 200 % (Ctrl+Plus, Ctrl+=, Ctrl+Plus): the window doubles and a click
# on a doubled cell lands on it.
xdotool key ctrl+plus ctrl+equal ctrl+plus
check_until "window at 200 %" "962x726" size
xdotool mousemove --window "$win" $((2 * $(cell_x 7))) $((2 * cell_y)) click 1
sleep 0.6
xdotool mousemove --window "$win" $((2 * check_x)) $((2 * button_y)) click 1
check_until "a click on a cell at 200 %" \
    "$(printf 'Номерата: 211000010000002 и 200000010000112 са различни.\nРедицата не е балансирана! ')" \
    report_text 2
shoot "$name-200"
echo "screenshot: $shots/$name-200.png"

# Full screen: the design as large as the screen allows, on the window colour;
# Escape brings the 200 % window back.
xdotool key F11
check_until "full screen fills the screen" "1920x1080" size
# Filled once it is drawn: the window colour at both ends of the screen.
fullscreen_drawn() {
    shoot "$name-fullscreen"
    echo "$(pixel_of "$shots/$name-fullscreen.png" 5 5) $(pixel_of "$shots/$name-fullscreen.png" 1914 540)"
}
check_until "full screen around the design" "128,128,255 128,128,255" fullscreen_drawn
echo "screenshot: $shots/$name-fullscreen.png"
xdotool key Escape
check_until "Escape leaves full screen, zoom kept" "962x726" size
xdotool key ctrl+0
check_until "Ctrl+0 returns to 100 %" "481x363" size
eval "$(xdotool getwindowgeometry --shell "$win")"

click "$clear_x" "$button_y"
check_until "report after clear" "" report_text
check "program still running" "yes" "$(kill -0 "$app_pid" 2>/dev/null && echo yes || echo no)"

finish
