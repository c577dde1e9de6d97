#!/usr/bin/env python3
"""The page's first visit: what it downloads, compressed with gzip, and its time
to first contentful paint against two others, alternating in one headless
Chromium with the cache and the service worker bypassed: a floor page (a bare
HTML page of the same size with one white 36 pt label), and the page's own
first frame as plain HTML, with no script and no font (the limit for this
design).

Usage: page_bench.py SITE_DIR [RUNS]
"""
import gzip
import os
import re
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from chromium import Browser, serve  # noqa: E402

FCP = ("new Promise(done => new PerformanceObserver((list, observer) => {"
       " const e = list.getEntriesByName('first-contentful-paint')[0];"
       " if (e) { observer.disconnect(); done(e.startTime); } })"
       ".observe({type: 'paint', buffered: true}))")


def first_paint(browser, url):
    page = browser.new_page(800, 600)
    page.send("Network.setCacheDisabled", {"cacheDisabled": True})
    page.send("Network.setBypassServiceWorker", {"bypass": True})
    page.send("Page.navigate", {"url": url})
    page.wait_for("document.readyState === 'complete'")
    milliseconds = page.evaluate(FCP)
    page.close()
    return milliseconds


def main(site, runs="15"):
    files = sorted(os.listdir(site))
    sizes = {f: len(gzip.compress(open(os.path.join(site, f), "rb").read(), 9)) for f in files}
    for name in files:
        print("%-22s %7d bytes gzip" % (name, sizes[name]))
    print("first visit downloads %d bytes with gzip (target at most 102400)" % sum(sizes.values()))

    folder = tempfile.mkdtemp()
    shutil.copytree(site, os.path.join(folder, "site"))
    shutil.copy(os.path.join(os.path.dirname(__file__), "floor.html"), folder)
    page = open(os.path.join(site, "index.html"), encoding="utf-8").read()
    frame, scripts = re.subn(r"<script>.*?</script>", "", page, flags=re.S)
    assert scripts == 1, "the page's one script"
    frame = re.sub(r"@font-face \{.*?\}", "", frame, flags=re.S)
    open(os.path.join(folder, "site", "frame.html"), "w", encoding="utf-8").write(frame)
    server, url = serve(folder)
    browser = Browser()
    times = {"page": [], "frame": [], "floor": []}
    ratios = {"floor": [], "frame": []}
    try:
        for run in range(-1, int(runs)):  # run -1 warms the browser and is not counted
            page = first_paint(browser, url + "site/index.html")
            frame = first_paint(browser, url + "site/frame.html")
            floor = first_paint(browser, url + "floor.html")
            if run >= 0:
                times["page"].append(page)
                times["frame"].append(frame)
                times["floor"].append(floor)
                ratios["floor"].append(page / floor)
                ratios["frame"].append(page / frame)
    finally:
        browser.close()
        server.shutdown()
        shutil.rmtree(folder)
    for name, values in times.items():
        print("%-6s median first contentful paint %6.1f ms (min %.1f, max %.1f)"
              % (name, statistics.median(values), min(values), max(values)))
    print("runs %s; paint ratio against the floor page (median of pairwise) %.3f"
          % (runs, statistics.median(ratios["floor"])))
    print("paint ratio against the page's own first frame (median of pairwise) %.3f"
          " (target at most 1.05)" % statistics.median(ratios["frame"]))


if __name__ == "__main__":
    main(*sys.argv[1:])
