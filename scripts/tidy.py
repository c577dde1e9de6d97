#!/usr/bin/env python3
"""clang-tidy over files of one build, as run-clang-tidy runs it, except that a
file it found clean before is not read again while what it would read is the
same: the file as clang's preprocessor gives it with its compile command and
the extra arguments (the tree's own folder left out, so every clone shares it),
the checks' configuration and clang-tidy's version. Only clean files are kept;
a finding is always looked for again.

Usage: tidy.py BUILD_DIR LOG [EXTRA_ARG...] -- FILE...
Prints the lines of each finding; clang-tidy's whole output goes to LOG.
"""
import concurrent.futures
import hashlib
import json
import os
import shlex
import subprocess
import sys
import time

TOP = os.path.realpath(os.path.join(os.path.dirname(__file__), ".."))
CACHE = os.path.join(os.environ.get("XDG_CACHE_HOME") or os.path.expanduser("~/.cache"),
                     "trivelan-clang-tidy")
FORGOTTEN_AFTER = 30 * 24 * 3600  # a key unused for a month is dropped


def key(entry, extra, settings):
    """What clang-tidy reads for ENTRY, hashed; None when it cannot be told."""
    args, words = [], shlex.split(entry["command"])[1:]
    while words:
        word = words.pop(0)
        if word == "-o":
            words.pop(0)
        elif word not in ("-c", entry["file"]):
            args.append(word)
    args += [a[len("-extra-arg="):] for a in extra]
    seen = subprocess.run(["clang++", *args, "-E", entry["file"]], cwd=entry["directory"],
                          capture_output=True)
    if seen.returncode != 0:
        return None
    text = (settings + "\0" + " ".join(args) + "\0").encode() + seen.stdout
    return hashlib.sha256(text.replace(TOP.encode(), b"@")).hexdigest()


def main():
    build, log, rest = sys.argv[1], sys.argv[2], sys.argv[3:]
    extra, files = rest[:rest.index("--")], rest[rest.index("--") + 1:]
    entries = {e["file"]: e for e in json.load(open(os.path.join(build, "compile_commands.json")))}
    settings = subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True).stdout
    for config in subprocess.run(["git", "ls-files", "--", ".clang-tidy", "*/.clang-tidy"], cwd=TOP,
                                 capture_output=True, text=True, check=True).stdout.split():
        settings += config + open(os.path.join(TOP, config), encoding="utf-8").read()
    os.makedirs(CACHE, exist_ok=True)
    for old in os.listdir(CACHE):
        if time.time() - os.path.getmtime(os.path.join(CACHE, old)) > FORGOTTEN_AFTER:
            os.remove(os.path.join(CACHE, old))

    def tidy(path):
        name = key(entries[path], extra, settings) if path in entries else None
        if name and os.path.exists(os.path.join(CACHE, name)):
            os.utime(os.path.join(CACHE, name))
            return ""
        run = subprocess.run(["clang-tidy", "-quiet", "-p", build, *extra, path],
                             capture_output=True, text=True)
        found = run.stdout + run.stderr
        if name and run.returncode == 0 and "warning:" not in found and "error:" not in found:
            open(os.path.join(CACHE, name), "w").close()
        return "clang-tidy %s\n%s" % (path, found)

    with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
        outputs = list(pool.map(tidy, [os.path.join(TOP, f) for f in files]))
    with open(log, "w", encoding="utf-8") as out:
        out.write("".join(outputs))
    findings = sorted({line for text in outputs for line in text.splitlines()
                       if "warning:" in line or "error:" in line})
    print("\n".join(findings), end="\n" if findings else "")
    print("clang-tidy: %d files, %d read again" % (len(files), sum(1 for o in outputs if o)),
          file=sys.stderr)


if __name__ == "__main__":
    main()
