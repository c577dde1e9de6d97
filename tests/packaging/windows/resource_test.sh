#!/usr/bin/env bash
# Reads the Windows resources back with the MinGW resource compiler: from the
# resource script once compiled, from the built program itself, or (--installer)
# from the installer, which carries the icon and a version block of its own.
# Usage: resource_test.sh [--installer] RC_FILE|PROGRAM.exe
set -euo pipefail
export LC_ALL=C.UTF-8
source "$(dirname "$0")/../../shared/check.sh"
installer=no
if [ "$1" == "--installer" ]; then
    installer=yes
    shift
fi
input=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [[ "$input" == *.exe ]]; then
    x86_64-w64-mingw32-windres -J coff -i "$input" -O rc -o "$work/back.rc"
else
    # The host preprocessor serves: the script uses no Windows headers.
    x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-DRC_INVOKED -c 65001 -i "$input" -O res -o "$work/trivelan.res"
    x86_64-w64-mingw32-windres -c 65001 -i "$work/trivelan.res" -O rc -o "$work/back.rc"
fi
# Wide strings come back as L"\x0422..."; bash's printf turns \u0422 into UTF-8.
value() {
    local raw
    raw=$(sed -n "s/^ *VALUE \"$1\", L\\{0,1\\}\"\\(.*\\)\"$/\\1/p" "$work/back.rc" | sed 's/\\0$//')
    # shellcheck disable=SC2059
    printf "${raw//\\x/\\u}"
}

if [ "$installer" == yes ]; then
    check "installer version" "1.00" "$(value ProductVersion)"
    check "installer file version" "1.00" "$(value FileVersion)"
    check "installer legal notice names the licence" "www.example.com; свободен софтуер под GNU GPL, версия 3 или по-нова" \
        "$(value LegalCopyright)"
    check "installer icon" yes "$(grep -q 'RT_GROUP_ICON' "$work/back.rc" && echo yes || echo no)"
    finish
    exit
fi

check "string block" 'BLOCK "040904B0"' "$(grep -o 'BLOCK "040904[Bb]0"' "$work/back.rc")"
check "FileVersion" "1.00" "$(value FileVersion)"
check "ProductVersion" "1.00" "$(value ProductVersion)"
check "InternalName" "trivelan" "$(value InternalName)"
check "OriginalFilename" "trivelan.exe" "$(value OriginalFilename)"
for key in CompanyName LegalTrademarks; do check "$key" "www.example.com" "$(value "$key")"; done
check "LegalCopyright names the licence" "www.example.com; свободен софтуер под GNU GPL, версия 3 или по-нова" \
    "$(value LegalCopyright)"
for key in Comments FileDescription ProductName; do check "$key" "Тривелан" "$(value "$key")"; done
check "fixed file version" "FILEVERSION 1, 0, 0, 0" "$(grep -o 'FILEVERSION [0-9, ]*' "$work/back.rc" | head -n 1 | sed 's/ *$//')"
check "fixed product version" "PRODUCTVERSION 1, 0, 0, 0" "$(grep -o 'PRODUCTVERSION [0-9, ]*' "$work/back.rc" | sed 's/ *$//')"
check "file type application" "FILETYPE 0x1" "$(grep -o 'FILETYPE 0x[0-9a-fA-F]*' "$work/back.rc")"
check "icon group" yes "$(grep -q 'RT_GROUP_ICON' "$work/back.rc" && echo yes || echo no)"
check "icon images" 4 "$(grep -c '/\* RT_ICON \*/' "$work/back.rc")"
check "manifest" yes "$(grep -q '^1 24 /\* RT_MANIFEST \*/' "$work/back.rc" && echo yes || echo no)"

finish
