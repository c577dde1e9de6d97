#!/usr/bin/env bash
# The Windows installer under Wine, as an administrator rolling it out would
# use it: /S installs for the current user, the program starts and shows its
# window, and the uninstaller's /S removes everything the installer put there.
# Usage: installer_test.sh SETUP.exe   (inside tests/win32/wine_session.sh)
set -euo pipefail
export LC_ALL=C.UTF-8
source "$(dirname "$0")/../check.sh"
setup=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trivelan'
windows_dir() { winepath -u "$(wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
registry() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }
gone() {  # gone PATH: waits up to 30 s for PATH to disappear
    for _ in $(seq 60); do [ -e "$1" ] || return 0; sleep 0.5; done
    return 1
}

# The installer itself: icon, version block, legal notice.
bash "$(dirname "$0")/../packaging/windows_resource_test.sh" --installer "$setup" || failures=$((failures + 1))

wine "$setup" /S
program_dir="$(windows_dir LOCALAPPDATA)/Programs/Trivelan"
shortcut="$(windows_dir APPDATA)/Microsoft/Windows/Start Menu/Programs/Тривелан.lnk"
check "program installed for the current user" yes "$([ -f "$program_dir/trivelan.exe" ] && echo yes || echo no)"
check "uninstaller installed" yes "$([ -f "$program_dir/uninstall.exe" ] && echo yes || echo no)"
check "Start-menu shortcut" yes "$([ -f "$shortcut" ] && echo yes || echo no)"
check "no desktop shortcut unless chosen" no "$([ -e "$(windows_dir USERPROFILE)/Desktop/Тривелан.lnk" ] && echo yes || echo no)"
check "installed programs: DisplayVersion" "1.00" "$(registry DisplayVersion)"
check "installed programs: Publisher" "www.example.com" "$(registry Publisher)"
check "installed programs: icon" yes "$(registry DisplayIcon | grep -q 'trivelan.exe,0$' && echo yes || echo no)"
# reg prints non-ASCII as '?' into a pipe; its export is UTF-16.
wine reg export "$key" "$(winepath -w "$work/entry.reg")" /y >/dev/null 2>&1
check "installed programs: DisplayName" '"DisplayName"="Тривелан"' \
    "$(iconv -f UTF-16LE -t UTF-8 "$work/entry.reg" | tr -d '\r' | grep '^"DisplayName"=')"

wine "$program_dir/trivelan.exe" 2>/dev/null &
app=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name "Тривелан" | head -n 1 || true)
check "the installed program shows its window" yes "$([ -n "$win" ] && echo yes || echo no)"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true

wine "$program_dir/uninstall.exe" /S  # it copies itself away and removes the folder
check "uninstalled: program folder removed" yes "$(gone "$program_dir" && echo yes || echo no)"
check "uninstalled: shortcut removed" no "$([ -e "$shortcut" ] && echo yes || echo no)"
check "uninstalled: no entry in installed programs" absent \
    "$(wine reg query "$key" >/dev/null 2>&1 && echo present || echo absent)"

finish
