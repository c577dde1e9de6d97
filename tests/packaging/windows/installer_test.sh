#!/usr/bin/env bash
# The Windows installer under Wine, as an administrator rolling it out would
# use it: /S installs for the current user, /S /AllUsers for every user, the
# program starts and shows its window, the uninstaller refuses while the
# program is open and leaves everything as it was, and its /S with _?= (which
# waits for the end) removes everything the installer put there.
# Usage: installer_test.sh SETUP.exe   (inside tests/win32/wine_session.sh)
set -euo pipefail
# shellcheck source=tests/packaging/windows/setup_helpers.sh
source "$(dirname "$0")/setup_helpers.sh"
setup=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trivelan'
# The uninstaller in place and to its end, as an administrator's script runs it:
# _?= must come last and unquoted, so it goes through a batch file, as typed.
uninstall_in_place() {  # uninstall_in_place FOLDER: the uninstaller's exit status
    local folder
    folder=$(winepath -w "$1")
    printf '@"%s\\uninstall.exe" /S _?=%s\r\n@exit /b %%errorlevel%%\r\n' "$folder" "$folder" \
        >"$work/uninstall.cmd"
    wine cmd /c "$(winepath -w "$work/uninstall.cmd")" >/dev/null 2>&1
}
# As the schools' guide says: _?= runs the uninstaller in place and returns at its end,
# when everything must be gone at once; it cannot delete itself there, so the
# folder goes after it.
uninstalled() {  # uninstalled LABEL FOLDER SHORTCUT KEY
    check "${1}uninstalled in place" 0 "$(uninstall_in_place "$2"; echo $?)"
    check "${1}uninstalled at once: program removed" no "$([ -e "$2/trivelan.exe" ] && echo yes || echo no)"
    check "${1}uninstalled at once: shortcut removed" no "$([ -e "$3" ] && echo yes || echo no)"
    check "${1}uninstalled at once: no entry in installed programs" absent \
        "$(wine reg query "$4" >/dev/null 2>&1 && echo present || echo absent)"
    wine cmd /c rmdir /s /q "$(winepath -w "$2")" 2>/dev/null
    check "${1}uninstalled: program folder removed" no "$([ -e "$2" ] && echo yes || echo no)"
}
registry() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }
gone() {  # gone PATH: waits up to 30 s for PATH to disappear
    for _ in $(seq 60); do [ -e "$1" ] || return 0; sleep 0.5; done
    return 1
}

# The installer itself: icon, version block, legal notice.
bash "$(dirname "$0")/resource_test.sh" --installer "$setup" || failures=$((failures + 1))

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

start "$program_dir/trivelan.exe"
check "the installed program shows its window" yes "$shown"
# Uninstalling while it is open: refused, and nothing removed.
status=$(uninstall_in_place "$program_dir"; echo $?)
check "uninstalling while the program is open fails" yes "$([ "$status" -ne 0 ] && echo yes || echo no)"
check "and leaves the program" yes "$([ -f "$program_dir/trivelan.exe" ] && echo yes || echo no)"
check "and its shortcut" yes "$([ -f "$shortcut" ] && echo yes || echo no)"
check "and its entry" present "$(wine reg query "$key" >/dev/null 2>&1 && echo present || echo absent)"
closed "$app"

uninstalled "" "$program_dir" "$shortcut" "$key"

# For every user of the computer, by an administrator (Wine's user is one).
wine "$setup" /S /AllUsers
machine_dir="$(windows_dir ProgramFiles)/Trivelan"
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trivelan'
common_shortcut="$(windows_dir ProgramData)/Microsoft/Windows/Start Menu/Programs/Тривелан.lnk"
check "/AllUsers: program in Program Files" yes "$([ -f "$machine_dir/trivelan.exe" ] && echo yes || echo no)"
check "/AllUsers: Start-menu shortcut for all users" yes "$([ -f "$common_shortcut" ] && echo yes || echo no)"
check "/AllUsers: a per-machine entry" "1.00" \
    "$(wine reg query "$machine_key" /v DisplayVersion 2>/dev/null | tr -d '\r' | sed -n 's/^ *DisplayVersion *REG_SZ *//p')"
check "/AllUsers: no per-user entry" absent "$(wine reg query "$key" >/dev/null 2>&1 && echo present || echo absent)"
start "$machine_dir/trivelan.exe"
check "/AllUsers: the program shows its window" yes "$shown"
closed "$app"
# Removed as the schools' guide's script does it.
check "/AllUsers: the guide's removal" 0 \
    "$(guide_script "Remove the installer's Тривелан for every user"; echo $?)"
check "/AllUsers: the guide's removal: program and folder gone" no "$([ -e "$machine_dir" ] && echo yes || echo no)"
check "/AllUsers: the guide's removal: shortcut gone" no "$([ -e "$common_shortcut" ] && echo yes || echo no)"
check "/AllUsers: the guide's removal: entry gone" absent \
    "$(wine reg query "$machine_key" >/dev/null 2>&1 && echo present || echo absent)"

# /D= with /AllUsers: the folder asked for.
asked="$work/asked/Trivelan"
mkdir -p "$work/asked"
check "/AllUsers /D=: installed" 0 "$(wine "$setup" /S /AllUsers "/D=$(winepath -w "$asked")"; echo $?)"
check "/AllUsers /D=: into the folder asked for" yes "$([ -f "$asked/trivelan.exe" ] && echo yes || echo no)"
check "/AllUsers /D=: the entry names it" "$(winepath -w "$asked")" \
    "$(wine reg query "$machine_key" /v InstallLocation 2>/dev/null | tr -d '\r' | sed -n 's/^ *InstallLocation *REG_SZ *//p')"
uninstalled "/AllUsers /D=: " "$asked" "$common_shortcut" "$machine_key"

# A silent install that cannot put the program where it is asked installs
# nothing, writes nothing, and says so in its exit code (2).
denied="$work/denied/Trivelan"
mkdir -p "$denied/trivelan.exe"  # a folder where the program would go
for target in 'Q:\Trivelan' 'Z:\proc\Trivelan' "$(winepath -w "$denied")"; do
    check "nothing installable at $target: exit code 2" 2 "$(wine "$setup" /S "/D=$target"; echo $?)"
    check "nothing installable at $target: no entry" absent \
        "$(wine reg query "$key" >/dev/null 2>&1 && echo present || echo absent)"
    check "nothing installable at $target: no shortcut" no "$([ -e "$shortcut" ] && echo yes || echo no)"
    check "nothing installable at $target: nothing in the default folder" no \
        "$([ -e "$program_dir" ] && echo yes || echo no)"
done
check "the denied folder holds no uninstaller" no "$([ -e "$denied/uninstall.exe" ] && echo yes || echo no)"

finish
