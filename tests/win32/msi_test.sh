#!/usr/bin/env bash
# The MSI under Wine's msiexec, as a school's administrator rolls it out to a
# room: a silent per-machine install, the program started from Program Files,
# the entry in the installed programs with its Cyrillic name, the shortcuts, a
# major upgrade to a higher version built here, a refused downgrade, and a
# silent uninstall that leaves nothing behind.
# Usage: msi_test.sh PACKAGE.msi SOURCE.wxs PROGRAM.exe ICON.ico
#   (inside tests/win32/wine_session.sh)
set -euo pipefail
export LC_ALL=C.UTF-8
source "$(dirname "$0")/../check.sh"
msi=$(realpath "$1") wxs=$2 exe=$3 icon=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
windows_dir() { winepath -u "$(wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
msiexec() { wine msiexec "$@" >/dev/null 2>&1; }
# The installed programs that carry this name, as "version|publisher|key" lines;
# reg prints non-ASCII as '?' into a pipe, so its UTF-16 export is read.
entries() {
    rm -f "$work/entries.reg"
    wine reg export "$uninstall" "$(winepath -w "$work/entries.reg")" /y >/dev/null 2>&1 || true
    [ -f "$work/entries.reg" ] || return 0
    iconv -f UTF-16LE -t UTF-8 "$work/entries.reg" | tr -d '\r' | awk -F'"' '
        /^\[/ { key = $0; name = ""; version = ""; publisher = "" }
        /^"DisplayName"=/ { name = $4 }
        /^"DisplayVersion"=/ { version = $4 }
        /^"Publisher"=/ { publisher = $4 }
        /^$/ && name == "Тривелан" { print version "|" publisher "|" key; name = "" }'
}
value() {  # value NAME: a value of the entry named Тривелан, from the last export
    iconv -f UTF-16LE -t UTF-8 "$work/entries.reg" | tr -d '\r' | awk -v wanted="\"$1\"" '
        /^\[/ { ours = 0; found = "" }
        $0 == "\"DisplayName\"=\"Тривелан\"" { ours = 1 }
        index($0, wanted "=") == 1 { found = substr($0, length(wanted) + 2) }
        /^$/ && ours && found != "" { print found; exit }'
}
program="$(windows_dir ProgramFiles)/Trivelan/trivelan.exe"
menus=("$(windows_dir ProgramData)/Microsoft/Windows/Start Menu/Programs"
       "$(windows_dir APPDATA)/Microsoft/Windows/Start Menu/Programs")
desktops=("$(windows_dir PUBLIC)/Desktop" "$(windows_dir USERPROFILE)/Desktop")
shortcut_in() {  # shortcut_in FOLDER...: yes when Тривелан.lnk is in one of them
    for folder in "$@"; do [ -f "$folder/Тривелан.lnk" ] && { echo yes; return; }; done
    echo no
}

check "silent per-machine install" 0 "$(msiexec /i "$msi" /qn; echo $?)"
check "program in Program Files" yes "$([ -f "$program" ] && echo yes || echo no)"
check "one entry named Тривелан, version 1.00, with its publisher" "1.00|www.example.com" \
    "$(entries | cut -d'|' -f1,2)"
check "the entry is per machine" yes "$(grep 'HKEY_LOCAL_MACHINE' <<<"$(entries)" >/dev/null && echo yes || echo no)"
check "the entry has the help link" '"https://www.example.com/"' "$(value HelpLink)"
# Windows shows the icon the package carries (Wine writes no DisplayIcon for it).
check "the package carries the entry's icon" "ARPPRODUCTICON trivelan.ico" \
    "$(msiinfo export "$msi" Property | tr -d '\r' | awk '$1 == "ARPPRODUCTICON" { print $1, $2 }')"
# Windows writes the size it reckons as EstimatedSize; Wine writes ARPSIZE as Size.
sizes=$(value Size; value EstimatedSize)
check "the entry has the size in KB" yes \
    "$(grep -E '^"[1-9][0-9]*"$|^dword:0*[1-9a-f]' <<<"$sizes" >/dev/null && echo yes || echo no)"
check "Start-menu shortcut Тривелан" yes "$(shortcut_in "${menus[@]}")"
check "no desktop shortcut unless asked for" no "$(shortcut_in "${desktops[@]}")"

wine "$program" 2>/dev/null &
app=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name "Тривелан" | head -n 1 || true)
check "the installed program shows its window" yes "$([ -n "$win" ] && echo yes || echo no)"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true

# A later version, built here from the same source: it replaces 1.00 in place.
bash "$(dirname "$0")/../../packaging/windows/build_msi.sh" "$wxs" "$exe" "$icon" 1.01 "$work/later.msi"
check "silent upgrade to 1.01" 0 "$(msiexec /i "$work/later.msi" /qn; echo $?)"
check "one entry, now 1.01" "1.01|www.example.com" "$(entries | cut -d'|' -f1,2)"
check "the program still in place" yes "$([ -f "$program" ] && echo yes || echo no)"
check "an older version is refused over a newer one" refused \
    "$(msiexec /i "$msi" /qn && echo installed || echo refused)"
check "still one entry, 1.01" "1.01|www.example.com" "$(entries | cut -d'|' -f1,2)"

check "silent uninstall" 0 "$(msiexec /x "$work/later.msi" /qn; echo $?)"
check "uninstalled: no entry" "" "$(entries)"
check "uninstalled: program folder removed" no "$([ -e "$(dirname "$program")" ] && echo yes || echo no)"
check "uninstalled: no shortcut" no "$(shortcut_in "${menus[@]}" "${desktops[@]}")"
check "uninstalled: nothing of it in the registry" absent \
    "$(wine reg query 'HKLM\Software\Trivelan' >/dev/null 2>&1 && echo present || echo absent)"

# The public property for a desktop shortcut for all users, then gone again.
msiexec /i "$msi" /qn DESKTOPSHORTCUT=1
check "DESKTOPSHORTCUT=1 adds the desktop shortcut" yes "$(shortcut_in "${desktops[@]}")"
msiexec /x "$msi" /qn
check "and uninstalling removes it" no "$(shortcut_in "${desktops[@]}")"
check "and leaves nothing" "" "$(entries)"

finish
