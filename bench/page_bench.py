#!/usr/bin/env python3
"""The page's first visit: what it downloads (each file the browser asked for,
compressed with gzip -9), on this machine's fonts and with DejaVu alone (a
device with no Times-metric face); its time to first contentful paint against
two others, alternating in one headless Chromium with the cache and the service
worker bypassed: a floor page (a bare HTML page of the same size with one white
36 pt label), and the page's own first frame as plain HTML, with no script and
no font (the limit for this design); and, with the CPU slowed fourfold, when the
program has started against the first paint (presses on the first frame count
from the first paint on, passed on when it starts).

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
from browsers import Browser, serve, stop  # noqa: E402

FCP = ("new Promise(done => new PerformanceObserver((list, observer) => {"
       " const e = list.getEntriesByName('first-contentful-paint')[0];"
       " if (e) { observer.disconnect(); done(e.startTime); } })"
       ".observe({type: 'paint', buffered: true}))")


# When the program has taken the first frame over, seen from outside the page.
WATCH_START = ("addEventListener('DOMContentLoaded', () => new MutationObserver((list, observer) => {"
               " if (!document.querySelector('[data-first-frame]')) {"
               " self.started = performance.now(); observer.disconnect(); } })"
               ".observe(document.querySelector('main'), {attributes: true}))")


def visit(browser, url, slowed=False):
    """A first visit with the cache and the service worker bypassed: its first
    contentful paint in ms, and with the CPU slowed fourfold, also when the
    program started."""
    page = browser.new_page(800, 600)
    page.send("Network.setCacheDisabled", {"cacheDisabled": True})
    page.send("Network.setBypassServiceWorker", {"bypass": True})
    if slowed:
        page.send("Emulation.setCPUThrottlingRate", {"rate": 4})
        page.send("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_START})
    page.send("Page.navigate", {"url": url})
    page.wait_for("self.started !== undefined" if slowed else "document.readyState === 'complete'", 60)
    times = page.evaluate(FCP), page.evaluate("self.started") if slowed else None
    page.close()
    return times


def first_visit(site, fonts):
    """The files a first visit asks for, by name, and their sizes with gzip -9."""
    server, url = serve(site)
    browser = Browser()
    try:
        page = browser.new_page(800, 600)
        page.open(url)
        page.evaluate("document.fonts.ready.then(() => true)")
        asked = {e["request"]["url"][len(url):].split("?")[0] or "index.html"
                 for e in page.events("Network.requestWillBeSent")
                 if e["request"]["url"].startswith(url)}
    finally:
        browser.close()
        stop(server)
    sizes = {f: len(gzip.compress(open(os.path.join(site, f), "rb").read(), 9)) for f in sorted(asked)}
    print("first visit, %s: %s; %d bytes with gzip (target at most %d)" % (
        fonts, ", ".join("%s %d" % item for item in sizes.items()), sum(sizes.values()),
        30720 if "DejaVu" in fonts else 20480))


def main(site, runs="15"):
    first_visit(site, "this machine's fonts")
    fonts = tempfile.mkdtemp()
    with open(os.path.join(fonts, "fonts.conf"), "w", encoding="utf-8") as conf:
        conf.write('<?xml version="1.0"?><fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>'
                   "<cachedir>%s</cachedir></fontconfig>" % fonts)
    os.environ["FONTCONFIG_FILE"] = os.path.join(fonts, "fonts.conf")
    first_visit(site, "DejaVu alone")
    del os.environ["FONTCONFIG_FILE"]
    shutil.rmtree(fonts)

    folder = tempfile.mkdtemp()
    shutil.copytree(site, os.path.join(folder, "site"))
    shutil.copy(os.path.join(os.path.dirname(__file__), "floor.html"), folder)
    page = open(os.path.join(site, "index.html"), encoding="utf-8").read()
    frame, scripts = re.subn(r"<script[^>]*>.*?</script>", "", page, flags=re.S)
    assert scripts == 1, "the page's one script"
    frame = re.sub(r"@font-face \{.*?\}", "", frame, flags=re.S)
    open(os.path.join(folder, "site", "frame.html"), "w", encoding="utf-8").write(frame)
    server, url = serve(folder)
    browser = Browser()
    times = {"page": [], "frame": [], "floor": []}
    ratios = {"floor": [], "frame": []}
    try:
        for run in range(-1, int(runs)):  # run -1 warms the browser and is not counted
            page = visit(browser, url + "site/index.html")[0]
            frame = visit(browser, url + "site/frame.html")[0]
            floor = visit(browser, url + "floor.html")[0]
            if run >= 0:
                times["page"].append(page)
                times["frame"].append(frame)
                times["floor"].append(floor)
                ratios["floor"].append(page / floor)
                ratios["frame"].append(page / frame)
        slowed = [visit(browser, url + "site/index.html", True) for _ in range(5)]
    finally:
        browser.close()
        stop(server)
        shutil.rmtree(folder)
    print("CPU slowed fourfold, 5 runs: first paint %s ms, program started %s ms;"
          " median ratio %.2f (presses on the first frame count from the first paint on)"
          % ([round(p) for p, _ in slowed], [round(s) for _, s in slowed],
             statistics.median(s / p for p, s in slowed)))
    for name, values in times.items():
        print("%-6s median first contentful paint %6.1f ms (min %.1f, max %.1f)"
              % (name, statistics.median(values), min(values), max(values)))
    print("runs %s; paint ratio against the floor page (median of pairwise) %.3f"
          % (runs, statistics.median(ratios["floor"])))
    print("paint ratio against the page's own first frame (median of pairwise) %.3f"
          " (target at most 1.05)" % statistics.median(ratios["frame"]))


if __name__ == "__main__":
    main(*sys.argv[1:])
