#!/usr/bin/env bash
# Reads the built trivelan.exe: a GUI program with no console, importing only
# Windows' own DLLs (the C++ runtime is linked in), with its version block, icon
# and manifest.
# Usage: executable_test.sh PATH/TO/trivelan.exe
set -euo pipefail
source "$(dirname "$0")/../shared/check.sh"
exe=$1
headers=$(x86_64-w64-mingw32-objdump -p "$exe")

check "GUI subsystem" "(Windows GUI)" "$(sed -n 's/^Subsystem[[:space:]]*[0-9a-f]*[[:space:]]*//p' <<<"$headers")"
windows_dlls='^(kernel32|user32|gdi32|msvcrt|advapi32|comctl32|shell32|ole32|oleaut32|oleacc|uxtheme)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort)
echo "imports: $(tr '\n' ' ' <<<"$imports")"
check "imports only Windows' own DLLs" "" "$(grep -v -E "$windows_dlls" <<<"$imports" || true)"
check "imports the window system" yes "$(grep -qx 'user32.dll' <<<"$imports" && echo yes || echo no)"

bash "$(dirname "$0")/../packaging/windows/resource_test.sh" "$exe" || failures=$((failures + 1))
finish
