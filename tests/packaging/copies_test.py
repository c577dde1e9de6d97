#!/usr/bin/python3
"""The files that must keep a copy of a fact of their own agree with where
the fact lives: the Debian package's name, version, release date and English
description (debian/, which dpkg reads before any build) with the top
CMakeLists.txt and the design's facts, and the read-me's copies with the
design's and with the browsers package.json supports. Every row names the copy
and its source.

Usage: copies_test.py FACTS.json SOURCE_DIR
"""
import email.utils
import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
from fill import value  # noqa: E402


def words(text):
    return " ".join(text.split())


def control_description(control):
    """The binary package's synopsis and its extended description's paragraphs."""
    field = re.search(r"^Description: (.*)\n((?: .*\n?)*)", control, re.M)
    lines = [line[1:] for line in field.group(2).splitlines()]
    paragraphs = " ".join(lines).split(" . ")
    return field.group(1), [words(p) for p in paragraphs]


# The supported browsers, by browserslist's names, as the read-me names them.
BROWSERS = {"chrome": "Chrome", "edge": "Edge", "firefox": "Firefox", "safari": "Safari on a Mac",
            "ios_saf": "Safari on iPhone and iPad", "samsung": "Samsung Internet"}


def browsers(queries):
    """The oldest of each supported browser, from package.json's browserslist."""
    named = ["%s %s" % (BROWSERS[name], version) for name, _, version in (q.split() for q in queries)]
    return "The page supports %s and %s, and their later versions.\n" % (", ".join(named[:-1]),
                                                                       named[-1])


def readme_block(readme, name):
    """The part of the read-me between <!-- NAME: ... --> and <!-- /NAME -->."""
    found = re.search(r"<!-- %s:.*?-->\n(.*?)<!-- /%s -->" % (name, name), readme, re.S)
    return found.group(1) if found else None


def main(facts_file, source):
    facts = json.load(open(facts_file, encoding="utf-8"))
    read = lambda *path: open(os.path.join(source, *path), encoding="utf-8").read()  # noqa: E731
    changelog = subprocess.run(["dpkg-parsechangelog", "-l", os.path.join(source, "debian/changelog")],
                               capture_output=True, text=True, check=True).stdout
    entry = dict(re.findall(r"^(\w+): (.*)$", changelog, re.M))
    control = read("debian", "control")
    synopsis, description = control_description(control)
    readme = read("README.md")
    date = email.utils.parsedate_to_datetime(entry["Date"]).date().isoformat()
    rows = [
        ("debian/changelog: the package", facts["name"], entry["Source"]),
        ("debian/changelog: the version", facts["version"], entry["Version"].split("-")[0]),
        ("debian/changelog: the release date", facts["date"], date),
        ("debian/control: the source package", facts["name"],
         re.search(r"^Source: (.*)$", control, re.M).group(1)),
        ("debian/control: the binary package", facts["name"],
         re.search(r"^Package: (.*)$", control, re.M).group(1)),
        ("debian/control: the synopsis", facts["english_summary"], synopsis),
        ("debian/control: the description", [words(p) for p in facts["english_description"]],
         description),
        ("README.md: the exercise", value(facts["english_description"], "markdown") + "\n",
         readme_block(readme, "exercise")),
        ("README.md: the keys", value(facts["keys"], "markdown") + "\n", readme_block(readme, "keys")),
        ("README.md: the browsers", browsers(json.loads(read("package.json"))["browserslist"]),
         readme_block(readme, "browsers")),
    ]
    failures = 0
    for what, expected, seen in rows:
        if expected != seen:
            failures += 1
            print("FAIL: %s\n  the source: %r\n  the copy:   %r" % (what, expected, seen))
        else:
            print("ok: %s" % what)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
