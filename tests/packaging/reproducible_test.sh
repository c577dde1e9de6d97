#!/usr/bin/env bash
# The Windows release files built again from the same commit, in another folder
# at another time, must be the same bytes as those in dist/: the program, the
# portable zip, the installer and the MSI. diffoscope explains any difference.
# Usage: reproducible_test.sh DIST_DIR
set -euo pipefail
source "$(dirname "$0")/../check.sh"
dist=$(realpath "$1")
top=$(cd "$(dirname "$0")/../.." && pwd)
again=$(mktemp -d)
trap 'rm -rf "$again"' EXIT
git clone -q "$top" "$again/source"
export SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct)
(cd "$again/source" && cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target trivelan_portable trivelan_installer trivelan_msi >/dev/null)
for file in "$dist"/trivelan-*-win64.zip "$dist"/trivelan-*-win64-setup.exe "$dist"/trivelan-*-win64.msi; do
    name=$(basename "$file")
    rebuilt="$again/source/build-windows/$name"
    same=$(cmp -s "$file" "$rebuilt" && echo same || echo different)
    check "$name rebuilt: the same bytes" same "$same"
    if [ "$same" != same ] && command -v diffoscope >/dev/null; then
        diffoscope --text - "$file" "$rebuilt" | head -n 40 || true
    fi
done
finish
