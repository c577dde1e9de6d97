#!/usr/bin/env bash
# Installs the build into a staging root and checks it as distributions do:
# the file tree, desktop-file-validate, appstreamcli, and the icon's format.
# Usage: install_test.sh BUILD_DIR APP_ID
set -euo pipefail
source "$(dirname "$0")/../shared/check.sh"
build=$1 app_id=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr/local >/dev/null
root="$stage/usr/local"
(cd "$root" && find . -type f | sort)
for f in bin/trivelan "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
         "share/icons/hicolor/32x32/apps/$app_id.png" "share/icons/hicolor/64x64/apps/$app_id.png" \
         "share/icons/hicolor/128x128/apps/$app_id.png" share/man/man1/trivelan.1; do
    check "installed $f" yes "$([ -f "$root/$f" ] && echo yes || echo no)"
done
check "executable is executable" yes "$([ -x "$root/bin/trivelan" ] && echo yes || echo no)"

desktop="$root/share/applications/$app_id.desktop"
check "desktop-file-validate" "" "$(desktop-file-validate "$desktop" 2>&1)"
check "launcher name" "Name=Тривелан" "$(grep '^Name=' "$desktop")"
check "launcher categories" "Categories=Education;Math;" "$(grep '^Categories=' "$desktop")"
check "launcher icon" "Icon=$app_id" "$(grep '^Icon=' "$desktop")"

metainfo="$root/share/metainfo/$app_id.metainfo.xml"
if appstreamcli validate --no-net "$metainfo"; then check "appstreamcli validate" pass pass
else check "appstreamcli validate" pass fail; fi
check "metainfo licences" "CC0-1.0 GPL-3.0-or-later" \
    "$(sed -n 's:.*<\(metadata\|project\)_license>\(.*\)</.*:\2:p' "$metainfo" | tr '\n' ' ' | sed 's/ $//')"
check "metainfo id" "$app_id" "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")"
check "metainfo release" '<release version="1.00"' "$(grep -o '<release version="[^"]*"' "$metainfo")"
check "metainfo launchable" "$app_id.desktop" "$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")"

for size in 32 64 128; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    check "icon $size size" "${size}x${size}" "$(identify -format '%wx%h' "$png")"
    check "icon $size at most 256 colours" yes "$([ "$(identify -format '%k' "$png")" -le 256 ] && echo yes || echo no)"
    check "icon $size corner transparent" 0 "$(convert "$png" -format '%[fx:int(255*p{0,0}.a)]' info:)"
    check "icon $size centre opaque" 255 "$(convert "$png" -format "%[fx:int(255*p{$((size / 2)),$((size / 2))}.a)]" info:)"
done

finish
