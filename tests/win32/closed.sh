# shellcheck shell=bash
# Sourced by the Wine tests. closed PID: ends the program started as PID and
# waits until Windows itself no longer lists trivelan.exe. The Unix process and
# its window go first; until Wine's server has let go of the program's file, an
# uninstaller or an upgrade would find the program still open.
closed() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
    for _ in $(seq 60); do
        wine wmic process get name 2>/dev/null | iconv -f UTF-16LE -t UTF-8 2>/dev/null |
            grep -qi 'trivelan\.exe' || return 0
        sleep 0.25
    done
    echo "trivelan.exe still running after 15 s" >&2
}
