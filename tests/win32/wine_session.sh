#!/usr/bin/env bash
# Runs a command inside one Wine session: a prefix of its own, a kept wineserver
# (each wine start costs about 3 s without one) and one Xvfb display for Wine's
# desktop, whose clipboard bridge binds to the first display Wine meets.
# Usage: wine_session.sh PREFIX_DIR COMMAND [ARGS...]
set -euo pipefail
# shellcheck source=tests/shared/check.sh
source "$(dirname "$0")/../shared/check.sh"
WINEPREFIX=$(realpath -m "$1")
export WINEPREFIX
shift
# Quiet; no Mono or Gecko prompts; no menu entries, .desktop files or icons for
# the shortcuts the installers make, which Wine would write into the real home.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
work=$(mktemp -d)
export HOME="$work/home"  # whatever Wine would still write into a home goes here
mkdir -p "$HOME"
cleanup() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work"

# A prefix is whole once Wine's own DLLs are in it. Its making was once cut
# short with nothing said, and every later session failed on the half-made
# prefix: one found so is made again, and said.
whole() { [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; }
stop() { echo "wine_session.sh: $*" >&2; exit 1; }
for _ in 1 2; do
    whole && break
    if [ -d "$WINEPREFIX/drive_c" ]; then
        echo "wine_session.sh: a half-made prefix, made again" >&2
        rm -rf "$WINEPREFIX"
    fi
    mkdir -p "$WINEPREFIX"
    wineboot -i >"$work/boot" 2>&1 || true
    wineserver -w
    # The user's desktop and documents folders inside the prefix, not links into
    # a home: shortcuts stay in the prefix, and removing an empty desktop folder
    # removes no home.
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
    done
done
whole || stop "Wine could not make its prefix: $(cat "$work/boot")"
wineserver -p
# Starts Wine's background services now, so that they do not hold the pipes of
# the first test that would otherwise start them.
wine cmd /c exit >/dev/null 2>&1 </dev/null || stop "Wine does not start in $WINEPREFIX"
"$@"
