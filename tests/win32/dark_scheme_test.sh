#!/usr/bin/env bash
# Low vision under Wine: with the dark colours a high-contrast theme sets
# (white text on black, in the registry's Control Panel\Colors) every text of
# the Windows window stands at least 4.5:1 against its background, as WCAG
# asks. Wine keeps the high-contrast flag off whatever is set, so the window
# draws the design's faces with the text colours chosen for them; what it draws
# with the flag on is the window test's.
# Usage: dark_scheme_test.sh PROGRAM SCREENSHOT_DIR   (inside tests/win32/wine_session.sh)
set -euo pipefail
source "$(dirname "$0")/../shared/check.sh"
program=$1 shot=$2/trivelan-windows-dark.png
mkdir -p "$2"
work=$(mktemp -d)
saved=$(winepath -w "$work/colours.reg")
wine reg export 'HKCU\Control Panel\Colors' "$saved" /y >/dev/null 2>&1
trap 'kill "${app:-}" 2>/dev/null; wine regedit /S "$saved"; rm -rf "$work"' EXIT
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '[HKEY_CURRENT_USER\Control Panel\Colors]' \
    '"Window"="0 0 0"' '"WindowText"="255 255 255"' '"ButtonFace"="0 0 0"' \
    '"ButtonText"="255 255 255"' '"Hilight"="0 255 255"' >"$work/dark.reg"
wine regedit /S "$(winepath -w "$work/dark.reg")"
# Wine keeps colours a program set for the session (SetSysColors) in a key of
# its own, which goes before the registry's.
wine reg delete 'HKCU\Software\Wine\Temporary System Parameters' /f >/dev/null 2>&1 || true
wine "$program" --row 010000000000010 2>/dev/null &
app=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name "Тривелан" | head -n 1)
# Drawn once the report box shows the statement in the scheme's colours.
report_face() {
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
    convert "$shot" -crop 1x1+440+340 -depth 8 -format '%[pixel:p]' info:
}
check_until "the report box in the scheme's colours" "srgb(0,0,0)" report_face
# WCAG's ratio between a box's most common colour, its background, and the
# colour of six pixels or more that stands out from it most, its text.
contrast() {
    convert "$shot" -crop "$1" -depth 8 -format %c histogram:info:- | awk '
        function lum(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        { gsub(/[:(),]/, " "); l[NR] = 0.2126 * lum($2) + 0.7152 * lum($3) + 0.0722 * lum($4) + 0.05
          n[NR] = $1; if ($1 > n[most]) most = NR }
        END { for (i in l) if (n[i] >= 6 && (l[i] / l[most] > best || l[most] / l[i] > best))
                  best = l[i] > l[most] ? l[i] / l[most] : l[most] / l[i]
              printf "%.2f %s", best, (best >= 4.5 ? "readable" : "unreadable") }'
}
for box in "the title|305x25+64+0" "the frame's caption|230x14+44+33" "the digits|360x57+56+64" \
    '"Провери"|101x17+50+148' '"Чисти"|101x17+322+148' "the report|425x170+18+178"; do
    ratio=$(contrast "${box#*|}")
    check "${box%|*} at least 4.5:1 (${ratio% *})" readable "${ratio#* }"
done
finish
