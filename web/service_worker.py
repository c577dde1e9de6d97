#!/usr/bin/env python3
"""Writes the page and its service worker last, once every other file of the
site is built. The page asks for its script only after its first frame is
painted, by a hash of the program's files (start.js?v=HASH, which hands it on
to trivelan.js), so that a browser holding an older build's script, even one it
was told to keep for a day, fetches the new one: never a new page over an old
program. The worker's cache is named by
a hash of every file it keeps, so that each build gets a worker of other bytes,
which the browser installs in place of the old one.

The page's one inline script also keeps the presses made on the first frame
(EARLY_JS) for the program.

Usage: service_worker.py SW_TEMPLATE INDEX_IN SITE_DIR EARLY_JS   (INDEX_IN may be SITE_DIR's own page)
"""
import base64
import hashlib
import os
import re
import sys


def digest(site, names):
    hashed = hashlib.sha256()
    for name in names:
        hashed.update(name.encode() + b"\0")
        hashed.update(open(os.path.join(site, name), "rb").read())
    return hashed.hexdigest()[:16]


def main(template, index_in, site, early):
    worker = open(template, encoding="utf-8").read()
    files = [name for names in ("FILES", "LATER") for name in re.findall(
        r'"([^"]+)"', re.search(r"const %s = \[(.*?)\];" % names, worker, re.S).group(1))]
    program = [name for name in files if name not in ("./", "index.html")]
    # Nothing is fetched or run before the first frame is painted (or soon, in a
    # tab in the background, which paints nothing): then start.js, by the build's name.
    boot = ("(() => { let go = () => { go = () => {}; const s = document.createElement('script');"
            " s.src = 'start.js?v=%s'; document.body.appendChild(s); };"
            " try { new PerformanceObserver((list, observer) => {"
            " if (list.getEntriesByName('first-contentful-paint').length) {"
            " observer.disconnect(); setTimeout(() => go(), 0); } })"
            ".observe({type: 'paint', buffered: true}); }"
            " catch (error) { requestAnimationFrame(() => setTimeout(() => go(), 0)); }"
            " setTimeout(() => go(), 500); })();" % digest(site, program))
    boot = open(early, encoding="utf-8").read() + boot
    # The page as first_frame.py wrote it, or a site's page made again.
    page, count = re.subn(r'<script src="start\.js[^"]*" async></script>|<script>.*?</script>',
                          lambda _: "<script>%s</script>" % boot,
                          open(index_in, encoding="utf-8").read(), flags=re.S)
    assert count == 1
    allowed = "'sha256-%s'" % base64.b64encode(hashlib.sha256(boot.encode()).digest()).decode()
    page, count = re.subn(r"script-src 'self'( 'sha256-[^']*')?",
                          lambda _: "script-src 'self' " + allowed, page)
    assert count == 1
    open(os.path.join(site, "index.html"), "w", encoding="utf-8").write(page)
    open(os.path.join(site, "sw.js"), "w", encoding="utf-8").write(
        worker.replace("%BUILD%", digest(site, program + ["index.html"])))


if __name__ == "__main__":
    main(*sys.argv[1:])
