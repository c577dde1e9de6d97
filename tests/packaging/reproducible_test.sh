#!/usr/bin/env bash
# Every release file built again from the same commit must be the same bytes as
# those in dist/: the .deb, the portable zip, the installer, the MSI, the web zip
# and so SHA256SUMS, and trivelan.exe as the zip carries it. The second build
# runs as reprotest would vary it: another clone in a deeper folder, later, with
# another time zone and umask (package.sh sets the locale itself), its files
# older than the commit, as in a long-kept working tree. diffoscope
# explains any difference.
# Usage: reproducible_test.sh DIST_DIR
set -euo pipefail
source "$(dirname "$0")/../shared/check.sh"
dist=$(realpath "$1")
top=$(cd "$(dirname "$0")/../.." && pwd)
again=$(mktemp -d)
trap 'rm -rf "$again"' EXIT
mkdir -p "$again/another/place"
source="$again/another/place/trivelan"
git clone -q "$top" "$source"
(
    cd "$source"
    umask 0002
    export TZ=Pacific/Kiritimati
    git ls-files -z | xargs -0 touch -h -d @1
    bash scripts/package.sh >"$again/package.log" 2>&1
) || {
    tail -n 40 "$again/package.log"
    exit 1
}
explain() {
    if command -v diffoscope >/dev/null; then
        diffoscope --text - "$1" "$2" | head -n 60 || true
    fi
}
compare() {
    local name=$1 built=$2 rebuilt=$3 same
    same=$(cmp -s "$built" "$rebuilt" && echo same || echo different)
    check "$name rebuilt: the same bytes" same "$same"
    [ "$same" == same ] || explain "$built" "$rebuilt"
}
check "SHA256SUMS names the five release files" 5 "$(wc -l <"$dist/SHA256SUMS")"
while read -r _ name; do
    compare "$name" "$dist/$name" "$source/dist/$name"
done <"$dist/SHA256SUMS"
compare SHA256SUMS "$dist/SHA256SUMS" "$source/dist/SHA256SUMS"
unzip -p "$dist"/trivelan-*-win64.zip trivelan.exe >"$again/trivelan.exe"
compare trivelan.exe "$again/trivelan.exe" "$source/build-windows/app/trivelan.exe"
finish
