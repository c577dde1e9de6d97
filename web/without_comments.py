#!/usr/bin/env python3
"""Copies one of the page's scripts or its style sheet without comments: they
are for the readers of the source, not for every visit's download. Removes
lines that are only a // comment and every /* ... */ comment; the page's own
files have neither inside a string.

Usage: without_comments.py IN OUT
"""
import re
import sys


def main(source, output):
    text = open(source, encoding="utf-8").read()
    text = re.sub(r"[ \t]*/\*.*?\*/[ \t]*\n?", "", text, flags=re.S)
    text = re.sub(r"^[ \t]*//.*\n", "", text, flags=re.M)
    open(output, "w", encoding="utf-8").write(text)


if __name__ == "__main__":
    main(*sys.argv[1:])
