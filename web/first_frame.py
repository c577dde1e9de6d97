#!/usr/bin/env python3
"""Puts the first frame the prerender wrote into the page: its HTML into the
form's <main>, its CSS rules at the end of the style sheet, and the style
sheet into the page, allowed by its hash in the Content-Security-Policy: the
first frame waits for no other file.

Usage: first_frame.py PRERENDER_OUTPUT INDEX_IN CSS_IN INDEX_OUT
"""
import base64
import hashlib
import sys


def main(frame, index_in, css_in, index_out):
    html, rules = open(frame, encoding="utf-8").read().split("\n/*css*/\n")
    page = open(index_in, encoding="utf-8").read()
    style = (open(css_in, encoding="utf-8").read() +
             "\n/* The first frame's places, written from the design at build time. */\n" + rules)
    digest = base64.b64encode(hashlib.sha256(style.encode()).digest()).decode()
    for placeholder, content in (('<main id="SequenceForm"></main>',
                                  '<main id="SequenceForm">\n%s\n</main>' % html),
                                 ('<link rel="stylesheet" href="trivelan.css">',
                                  "<style>%s</style>" % style),
                                 ("STYLE-HASH", "'sha256-%s'" % digest)):
        assert page.count(placeholder) == 1, placeholder
        page = page.replace(placeholder, content)
    open(index_out, "w", encoding="utf-8").write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
