#!/usr/bin/env bash
# Builds the MSI from its WiX source with Cyrillic texts intact (see CMakeLists.txt).
# Usage: build_msi.sh SOURCE.wxs PROGRAM.exe ICON.ico VERSION OUTPUT.msi
set -euo pipefail
source=$(realpath "$1") exe=$2 icon=$3 version=$4 output=$(realpath -m "$5")
export WINDOWS_LANGUAGE=bg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl finds files by plain names in the folder it runs in.
cp "$exe" "$work/trivelan.exe"
cp "$icon" "$work/trivelan.ico"
size_kb=$(( ($(stat -c %s "$exe") + 1023) / 1024 ))
(cd "$work" && wixl -a x64 -D Version="$version" -D SizeKB="$size_kb" -o package.msi "$source")
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
# The desktop shortcut only with the public property DESKTOPSHORTCUT=1; removed
# again whatever the property on uninstall, where no one passes it.
(cd "$work" && msibuild package.msi -i _ForceCodepage.idt \
    -q "UPDATE \`Component\` SET \`Condition\` = 'DESKTOPSHORTCUT = 1 OR REMOVE = \"ALL\"' WHERE \`Component\` = 'DesktopShortcut'")
mv "$work/package.msi" "$output"
