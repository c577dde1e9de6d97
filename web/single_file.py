#!/usr/bin/env python3
"""Makes the page one self-contained file that opens from a folder or a USB stick
(file://): the style sheet with the font as a data URL and the program with its
WebAssembly inlined, each allowed by its hash in the Content-Security-Policy.
No manifest and no service worker: neither works from file://.

Usage: single_file.py INDEX_HTML FONT SINGLE_FILE_JS EARLY_JS OUTPUT
"""
import base64
import hashlib
import re
import sys


def csp_hash(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()


def main(index, font, script, early, output):
    html = open(index, encoding="utf-8").read()
    font_url = "data:font/woff2;base64," + base64.b64encode(open(font, "rb").read()).decode()
    style = re.search(r"<style>(.*?)</style>", html, re.S).group(1)
    # The font inside the file, there from the start where the device has no face of its own.
    ours = style.replace("url(trivelan.woff2)", "url(%s)" % font_url, 1)
    ours = ours.replace("font-display: swap", "font-display: block", 1)
    assert ours.count(font_url) == 1
    html = html.replace(style, ours)
    style = ours
    # The presses on the first frame kept from the first paint, for the program.
    # The loader takes its WebAssembly from Module, where the program itself puts it.
    program = (open(early, encoding="utf-8").read() + "var Module = {};\n"
               + open(script, encoding="utf-8").read())
    assert "</script" not in program.lower()
    policy = ("default-src 'none'; script-src %s 'wasm-unsafe-eval'; style-src %s; font-src data:;"
              " connect-src data:;"
              " object-src 'none'; base-uri 'none'; form-action 'none'"
              % (csp_hash(program), csp_hash(style)))
    html = re.sub(r'(http-equiv="Content-Security-Policy" content=")[^"]*"',
                  lambda match: match.group(1) + policy + '"', html)
    for dropped in (r'<link rel="manifest"[^>]*>\n', r'<link rel="icon"[^>]*>\n'):
        html, count = re.subn(dropped, "", html)
        assert count == 1, dropped
    # Replaced by a function, so that nothing in the inlined text is read as a pattern.
    html, count = re.subn(r'<script src="start\.js[^"]*" async></script>',
                          lambda _: "<script>%s</script>" % program, html)
    assert count == 1
    open(output, "w", encoding="utf-8").write(html)


if __name__ == "__main__":
    main(*sys.argv[1:])
