#!/usr/bin/env bash
# Installs what is missing and builds the release packages into dist/:
#   trivelan_<version>-1_amd64.deb       Debian package (debhelper, checked by lintian)
#   trivelan-<version>-win64.zip         the Windows program and ПРОЧЕТИ.txt, runs from any folder
#   trivelan-<version>-win64-setup.exe   Windows installer (NSIS) in Bulgarian, per user or /AllUsers
#   trivelan-<version>-win64.msi         Windows Installer package, per machine, for a whole room
#   trivelan-<version>-web.zip           the web page: a site for any static host and one file
#   SHA256SUMS
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_packages "${RELEASE_PACKAGES[@]}"
export LC_ALL=C.UTF-8
# Every release file carries the last commit's time, not the build's: two runs
# from the same commit give the same bytes.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
rm -rf dist
mkdir -p dist

echo "== Windows program, zip, installer and MSI =="
cmake --preset windows >/dev/null
cmake --build --preset windows --target trivelan_portable trivelan_installer trivelan_msi
# The program's name and version as the design's facts state them.
fact() { /usr/bin/python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))[sys.argv[2]])' \
    build-windows/generated/facts.json "$1"; }
name=$(fact name) version=$(fact version)
zip="$name-$version-win64.zip"
setup="$name-$version-win64-setup.exe"
msi="$name-$version-win64.msi"
web="$name-$version-web.zip"
cp "build-windows/$zip" "build-windows/$setup" "build-windows/$msi" dist/

echo "== Debian package =="
# Built from a copy of the tracked files, so the working tree stays as it is.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/$name-$version"
# Every file of the copy as old as the commit: a file the package keeps as it is
# (the copyright) would otherwise carry the time it was checked out, where that
# was before the commit.
git ls-files -z | tar --null -T - --mtime="@$SOURCE_DATE_EPOCH" -cf - | tar -xf - -C "$work/$name-$version"
(cd "$work/$name-$version" && dpkg-buildpackage -b -us -uc -j"$(nproc)" >"$work/build.log" 2>&1) ||
    { tail -n 60 "$work/build.log"; exit 1; }
deb=$(cd "$work" && echo "${name}_${version}"-*.deb)
cp "$work/$deb" dist/
echo "lintian:"
lintian --fail-on error,warning --display-info dist/"$deb" 2>&1 | sed 's/^/  /'
echo "  (no errors or warnings)"

echo "== Web page =="
cmake --preset web >/dev/null
cmake --build --preset web --target trivelan_web_zip
cp "build-web/$web" dist/

(cd dist && sha256sum "$deb" "$zip" "$setup" "$msi" "$web" >SHA256SUMS)
ls -l dist
