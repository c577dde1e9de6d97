#!/usr/bin/env bash
# Checks what scripts/package.sh put in dist/ as a school administrator would
# meet it: the checksums, the portable zip's contents, and the Debian package
# installed with apt-get, started from the PATH and purged without a trace.
# Usage: release_test.sh DIST_DIR   (it installs and purges the package: sudo when not root)
set -euo pipefail
export LC_ALL=C.UTF-8
source "$(dirname "$0")/../shared/check.sh"
dist=$(realpath "$1")
deb=$(ls "$dist"/trivelan_*_amd64.deb)
zip=$(ls "$dist"/trivelan-*-win64.zip)
web=$(ls "$dist"/trivelan-*-web.zip)

check "checksums" "ok" "$(cd "$dist" && sha256sum --quiet -c SHA256SUMS && echo ok)"
check "SHA256SUMS names the five files" 5 "$(wc -l <"$dist/SHA256SUMS")"
check "SHA256SUMS covers the MSI" yes "$(grep -q 'win64.msi$' "$dist/SHA256SUMS" && echo yes || echo no)"
# The schools' guide types the files' names in its table of packages.
# shellcheck disable=SC2016  # the backquotes are the guide's, not the shell's
check "the schools' guide names every file of the release" \
    "$(find "$dist" -maxdepth 1 -type f -printf '%f\n' | sort)" \
    "$(sed -n 's/^| `\([^`]*\)` |.*/\1/p' "$(dirname "$0")/../../docs/schools.md" | sort)"

check "the zip holds exactly the program and the text" "trivelan.exe ПРОЧЕТИ.txt" \
    "$(unzip -Z1 "$zip" | sort | tr '\n' ' ' | sed 's/ $//')"
readme=$(unzip -p "$zip" ПРОЧЕТИ.txt)
check "ПРОЧЕТИ.txt is UTF-8 with a byte-order mark" "efbbbf" "$(head -c 3 <<<"$readme" | od -An -tx1 | tr -d ' ')"
check "ПРОЧЕТИ.txt has Windows line ends" yes "$(grep -q $'\r$' <<<"$readme" && echo yes || echo no)"
check "ПРОЧЕТИ.txt says how to start it" yes "$(grep -q 'trivelan.exe' <<<"$readme" && echo yes || echo no)"

# The site's files as its description names them, but for the scripts and the
# style sheet that the page carries inside it.
check "the web zip holds the one file, the read-me and the site" \
    "$(/usr/bin/python3 -c '
import json, sys
about = json.load(open(sys.argv[1], encoding="utf-8"))
inside = ("one_file", "early", "boot", "style", "icons", "app", "policy")
names = ["site/" + v for k, v in about.items() if k not in inside] + [
    "site/" + icon["file"] for icon in about["icons"]] + [about["one_file"], "ПРОЧЕТИ.txt"]
print(" ".join(sorted(names)))' "$(dirname "$0")/../../web/site.json")" \
    "$(unzip -Z1 "$web" | grep -v '/$' | sort | tr '\n' ' ' | sed 's/ $//')"
check "the web read-me says how to open the one file" yes \
    "$(unzip -p "$web" ПРОЧЕТИ.txt | grep -q 'trivelan.html' && echo yes || echo no)"

depends=$(dpkg-deb -f "$deb" Depends)
for package in fonts-liberation qt6-translations-l10n libqt6widgets6 libqt6gui6; do
    check "depends on $package" yes "$(grep -q "\b$package\b" <<<"$depends" && echo yes || echo no)"
done

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
mapfile -t files < <(dpkg -L trivelan | while read -r f; do [ -f "$f" ] && echo "$f"; done)
check "trivelan --version from the PATH" "trivelan 1.00" "$(cd / && env -u DISPLAY trivelan --version)"
check "installed launcher validates" "" "$(desktop-file-validate /usr/share/applications/com.example.Trivelan.desktop 2>&1)"
check "installed files" yes "$([ ${#files[@]} -ge 8 ] && echo yes || echo "no (${#files[@]})")"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq trivelan >/dev/null
left=$(for f in "${files[@]}"; do [ -e "$f" ] && echo "$f"; done || true)
check "purged, none of its files remain" "" "$left"
check "purged from dpkg's list" "" "$(dpkg-query -W -f='${Status}' trivelan 2>/dev/null || true)"

finish
