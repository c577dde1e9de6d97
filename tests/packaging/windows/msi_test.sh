#!/usr/bin/env bash
# The MSI under Wine's msiexec, as a school's administrator rolls it out to a
# room: a silent per-machine install, the program started from Program Files,
# the entry in the installed programs with its Cyrillic name, the shortcuts, a
# major upgrade to a higher version built here, a refused downgrade, and a
# silent uninstall that leaves nothing behind.
# With the installer too, neither goes over the other's install.
# Usage: msi_test.sh PACKAGE.msi SOURCE.wxs PROGRAM.exe ICON.ico [SETUP.exe]
#   (inside tests/win32/wine_session.sh)
set -euo pipefail
# shellcheck source=tests/packaging/windows/setup_helpers.sh
source "$(dirname "$0")/setup_helpers.sh"
msi=$(realpath "$1") wxs=$2 exe=$3 icon=$4 setup=${5:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
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
check "no placeholder help link in the entry" '""' "$(value HelpLink)"
check "the entry names the program's folder" '"C:\\Program Files\\Trivelan\\"' "$(value InstallLocation)"
check "the package's file table knows the program's version" "1.0.0.0" \
    "$(msiinfo export "$msi" File | tr -d '\r' | awk -F'\t' '$1 == "trivelan.exe" { print $5 }')"
check "the summary's template is Bulgarian" "x64;1026" \
    "$(msiinfo suminfo "$msi" | sed -n 's/^Template: //p')"
# As Explorer reads the summary: its texts in the summary's own code page.
check "the summary's subject reads as Bulgarian" "1251 Тривелан 1.00" "$(/usr/bin/python3 -c '
import sys, olefile
summary = olefile.OleFileIO(sys.argv[1]).get_metadata()
print(summary.codepage, summary.subject.decode("cp%d" % summary.codepage))' "$msi")"
# Windows shows the icon the package carries (Wine writes no DisplayIcon for it).
check "the package carries the entry's icon" "ARPPRODUCTICON trivelan.ico" \
    "$(msiinfo export "$msi" Property | tr -d '\r' | awk '$1 == "ARPPRODUCTICON" { print $1, $2 }')"
# Windows writes the size it reckons as EstimatedSize; Wine writes ARPSIZE as Size.
sizes=$(value Size; value EstimatedSize)
check "the entry has the size in KB" yes \
    "$(grep -E '^"[1-9][0-9]*"$|^dword:0*[1-9a-f]' <<<"$sizes" >/dev/null && echo yes || echo no)"
check "Start-menu shortcut Тривелан" yes "$(shortcut_in "${menus[@]}")"
check "no desktop shortcut unless asked for" no "$(shortcut_in "${desktops[@]}")"

start "$program"
check "the installed program shows its window" yes "$shown"
closed "$app"

# A later version, built here from the same source as the package: it replaces
# 1.00 in place.
build_msi() {
    local property
    property=$(msiinfo export "$msi" Property | tr -d '\r')
    bash "$(dirname "$0")/../../../packaging/windows/build_msi.sh" "$wxs" "$1" "$icon" "$2" "$3" \
        "$(awk -F'\t' '$1 == "UpgradeCode" { print $2 }' <<<"$property")" \
        "$(awk -F'\t' '$1 == "ProductName" { print $2 }' <<<"$property")"
}
build_msi "$exe" 1.01 "$work/later.msi"
check "silent upgrade to 1.01" 0 "$(msiexec /i "$work/later.msi" /qn; echo $?)"
check "one entry, now 1.01" "1.01|www.example.com" "$(entries | cut -d'|' -f1,2)"
check "the program still in place" yes "$([ -f "$program" ] && echo yes || echo no)"
check "an older version is refused over a newer one" refused \
    "$(msiexec /i "$msi" /qn && echo installed || echo refused)"
check "still one entry, 1.01" "1.01|www.example.com" "$(entries | cut -d'|' -f1,2)"

# Removed as the schools' guide's script does it, with neither MSI at hand.
check "the guide's removal, whichever version" 0 "$(guide_script "Remove the MSI's Тривелан, whichever version"; echo $?)"
check "uninstalled: no entry" "" "$(entries)"
check "uninstalled: program folder removed" no "$([ -e "$(dirname "$program")" ] && echo yes || echo no)"
check "uninstalled: no shortcut" no "$(shortcut_in "${menus[@]}" "${desktops[@]}")"
check "uninstalled: nothing of it in the registry" absent \
    "$(wine reg query 'HKLM\Software\Trivelan' >/dev/null 2>&1 && echo present || echo absent)"

# The public property for a desktop shortcut for all users (1 or yes); an
# upgrade run without it keeps it; uninstalling removes it.
for asked in 1 yes; do
    msiexec /i "$msi" /qn DESKTOPSHORTCUT=$asked
    check "DESKTOPSHORTCUT=$asked adds the desktop shortcut" yes "$(shortcut_in "${desktops[@]}")"
    check "an upgrade without the property keeps it (DESKTOPSHORTCUT=$asked before)" "0 yes" \
        "$(msiexec /i "$work/later.msi" /qn; echo $?) $(shortcut_in "${desktops[@]}")"
    msiexec /x "$work/later.msi" /qn
    check "and uninstalling removes it (DESKTOPSHORTCUT=$asked)" no "$(shortcut_in "${desktops[@]}")"
    check "and leaves nothing (DESKTOPSHORTCUT=$asked)" "" "$(entries)"
done

# A rebuild of the same version with other content (so a new product code)
# replaces the one installed.
# (the program keeps its file name: the package names its files after it)
rebuilt="$work/rebuilt/$(basename "$exe")"
mkdir "$work/rebuilt"
cp "$exe" "$rebuilt"
printf '\0' >>"$rebuilt"
build_msi "$rebuilt" 1.00 "$work/rebuilt.msi"
check "the rebuild has a product code of its own" yes "$([ \
    "$(msiinfo export "$msi" Property | grep ProductCode)" != \
    "$(msiinfo export "$work/rebuilt.msi" Property | grep ProductCode)" ] && echo yes || echo no)"
msiexec /i "$msi" /qn
check "a rebuild of 1.00 over 1.00" 0 "$(msiexec /i "$work/rebuilt.msi" /qn; echo $?)"
check "replaces it: one entry" "1.00|www.example.com" "$(entries | cut -d'|' -f1,2)"
check "the program in place" yes "$([ -f "$program" ] && echo yes || echo no)"
msiexec /x "$work/rebuilt.msi" /qn
check "and its uninstall leaves nothing" "" "$(entries)"

# One owner per computer: neither package goes over the other's install.
if [ -n "${setup:-}" ]; then
    setup_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Trivelan'
    msiexec /i "$msi" /qn
    check "the installer over the MSI's install: exit code 3" 3 "$(wine "$setup" /S; echo $?)"
    check "the installer over the MSI's install, for all users: exit code 3" 3 \
        "$(wine "$setup" /S /AllUsers; echo $?)"
    check "and the MSI's one entry stays alone" "1.00|www.example.com 1" \
        "$(entries | cut -d'|' -f1,2) $(entries | grep -c 'HKEY_LOCAL_MACHINE')"
    check "no installer entry for the user" absent \
        "$(wine reg query "HKCU\\$setup_key" >/dev/null 2>&1 && echo present || echo absent)"
    msiexec /x "$msi" /qn
    for mode in "" /AllUsers; do
        wine "$setup" /S $mode
        check "the MSI over the installer's install${mode:+ ($mode)}: refused" refused \
            "$(msiexec /i "$msi" /qn && echo installed || echo refused)"
        root=$([ -n "$mode" ] && echo HKLM || echo HKCU)
        # The machine's entries, and the installer's own in its root.
        check "and the installer's one entry stays alone${mode:+ ($mode)}" \
            "$([ -n "$mode" ] && echo 1 || echo 0) present" \
            "$(entries | wc -l) $(wine reg query "$root\\$setup_key" >/dev/null 2>&1 && echo present || echo absent)"
        folder=$(wine reg query "$root\\$setup_key" /v InstallLocation \
            2>/dev/null | tr -d '\r' | sed -n 's/^ *InstallLocation *REG_SZ *//p')
        wine "$folder\\uninstall.exe" /S "_?=$folder" >/dev/null 2>&1
        wine cmd /c rmdir /s /q "$folder" 2>/dev/null
    done
    check "and nothing is left" "" "$(entries)"
fi

finish
