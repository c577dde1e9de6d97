#!/usr/bin/env python3
"""Puts the first frame the prerender wrote into the page: its HTML into the
form's <main>, its CSS rules at the end of the style sheet, and the style
sheet into the page, allowed by its hash in the Content-Security-Policy: the
first frame waits for no other file. The design's facts (caption, title,
window colour) fill the %NAME% places of the page and of the manifest.

Usage: first_frame.py PRERENDER_OUTPUT INDEX_IN CSS_IN INDEX_OUT MANIFEST_IN MANIFEST_OUT
"""
import base64
import hashlib
import json
import re
import sys


def fill(text, facts):
    for name, value in facts.items():
        text = text.replace("%%%s%%" % name, value)
    assert not re.search(r"%[A-Z_]+%", text), "a design fact without a value"
    return text


def main(frame, index_in, css_in, index_out, manifest_in, manifest_out):
    written = open(frame, encoding="utf-8").read()
    html, rest = written.split("\n/*css*/\n")
    rules, facts = rest.split("\n/*facts*/\n")
    facts = json.loads(facts)
    page = fill(open(index_in, encoding="utf-8").read(), facts)
    style = open(css_in, encoding="utf-8").read() + rules
    digest = base64.b64encode(hashlib.sha256(style.encode()).digest()).decode()
    for placeholder, content in (('<main id="SequenceForm"></main>',
                                  '<main id="SequenceForm" data-first-frame>\n%s\n</main>' % html),
                                 ('<link rel="stylesheet" href="trivelan.css">',
                                  "<style>%s</style>" % style),
                                 ("STYLE-HASH", "'sha256-%s'" % digest)):
        assert page.count(placeholder) == 1, placeholder
        page = page.replace(placeholder, content)
    open(index_out, "w", encoding="utf-8").write(page)
    manifest = fill(open(manifest_in, encoding="utf-8").read(), facts)
    open(manifest_out, "w", encoding="utf-8").write(manifest)


if __name__ == "__main__":
    main(*sys.argv[1:])
