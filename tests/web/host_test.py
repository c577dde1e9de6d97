"""The page as a school's web host serves it, in headless Chromium: a new build
reaches a returning pupil on the next reload with and without a one-day cache
lifetime, never as a mix of two builds, and still opens with no network; a
blocked WebAssembly file gives a message in the report box; the help box
follows a rotated or smaller window; only the report's text can be selected
and only the report has the browser's menu; an automatic dark mode leaves the
design's colours, forced colours keep the mark and the underline in sight;
nothing breaks the security policy. Screenshots go to SHOTS.

Usage: python3 -m pytest host_test.py --site=SITE_DIR --shots=SHOTS
"""
import http.server
import json
import os
import shutil
import socket
import subprocess
import sys
import time

import pytest
from browsers import SITE, Browser, check, serve, stop
from page_test import cell, policy_violations, row

HERE = os.path.dirname(os.path.abspath(__file__))
WEB = os.path.join(HERE, "..", "..", "web")


class Host(http.server.SimpleHTTPRequestHandler):
    """Serves the folder the host holds now, with the cache lifetime it sets."""
    folder = None
    max_age = None

    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=Host.folder, **kwargs)

    def end_headers(self):
        if Host.max_age is not None:
            self.send_header("Cache-Control", "max-age=%d" % Host.max_age)
        super().end_headers()

    def log_message(self, *args):
        pass


def rebuild(site, work, name):
    """The same site as another build: marked program and page, the page and
    the worker's list made anew by the build's own tool."""
    folder, web = os.path.join(work, name), os.path.join(work, name + "-web")
    shutil.copytree(site, folder)
    shutil.copytree(WEB, web)
    shutil.copy(os.path.join(WEB, "..", "package.json"), work)  # the browsers it supports
    with open(os.path.join(folder, SITE["program"]), "a", encoding="utf-8") as js:
        js.write('\nself.trivelanBuild = "%s";\n' % name)
    template = os.path.join(web, SITE["page"])
    page = open(template, encoding="utf-8").read()
    open(template, "w", encoding="utf-8").write(
        page.replace("<head>", '<head>\n<meta name="build" content="%s">' % name, 1))
    build = os.path.dirname(os.path.abspath(site))
    one_file = os.path.join(work, name + "-one-file")
    os.mkdir(one_file)
    subprocess.run([sys.executable, os.path.join(HERE, "..", "..", "tools", "site.py"),
                    os.path.join(web, "site.json"), os.path.join(build, "generated", "facts.json"),
                    os.path.join(build, "tools", "first-frame.json"), web, folder,
                    os.path.join(build, "web", "trivelan_page_single.js"), one_file], check=True)
    # Built later: a host tells it by its files' times, to the second.
    later = 1000 * (ord(name) - ord("A") + 1)
    for file in os.listdir(folder):
        path = os.path.join(folder, file)
        os.utime(path, (os.path.getatime(path) + later, os.path.getmtime(path) + later))
    return folder


def builds_seen(page):
    """The build of the page and the build of its program."""
    return page.evaluate("[document.querySelector('meta[name=build]').content,"
                         " self.trivelanBuild]")


def test_updates(site, tmp_path):
    work = str(tmp_path)
    a, b = rebuild(site, work, "A"), rebuild(site, work, "B")
    for max_age in (None, 86400):
        how = "with a one-day max-age" if max_age else "with no cache header"
        Host.folder, Host.max_age = a, max_age
        server, url = serve(a, Host)
        browser = Browser()
        try:
            page = browser.new_page(800, 600)
            page.open_stored(url)
            page.reload()
            check("the first build " + how, ["A", "A"], builds_seen(page))
            Host.folder = b
            page.reload()
            check("a new build on the next reload " + how, ["B", "B"], builds_seen(page))
            # The new build's worker in place: one copy kept, the new build's. (Asked of
            # the cache alone: a request through the worker would keep the old one busy.)
            cache = "trivelan-" + json.load(open(os.path.join(b, SITE["list"])))["build"]
            page.wait_for("caches.keys().then(keys => keys.length === 1 && keys[0] === %r)"
                          % cache, 30)
            page.reload()
            check("and again, never a mix " + how, ["B", "B"], builds_seen(page))
            stop(server)
            page.reload()
            check("the new build with no network " + how, ["B", "B"], builds_seen(page))
            check("nothing the security policy blocked " + how, [], policy_violations(page))
        finally:
            browser.close()


def test_a_host_that_never_answers(site, browser):
    """A returning visit on a host that takes the connection and never
    answers, as a crowded school network does: the stored page within 3 s."""
    server, url = serve(site)
    page = browser.new_page(800, 600)
    page.open_stored(url)
    stop(server)
    stalled = socket.create_server(("127.0.0.1", server.server_address[1]))  # never accepts
    try:
        origin = page.evaluate("performance.timeOrigin")
        started = time.time()
        page.send("Page.reload")
        page.wait_for("performance.timeOrigin !== %r && document.getElementById('Label2_14') !== null"
                      % origin)
        check("the stored page within 3 s", True, time.time() - started < 3)
        page.wait_for("document.getElementById('Label2_14').tabIndex === -1")
        page.click(cell(3))
        check("and its program from the store too", "000100000000000", row(page))
    finally:
        stalled.close()
        page.close()


class OldPolicy(http.server.SimpleHTTPRequestHandler):
    """A host whose security policy, on top of the page's own, lets no
    WebAssembly compile: as a browser that cannot read 'wasm-unsafe-eval'
    (Safari before 16) keeps the page's own."""
    folder = None

    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=OldPolicy.folder, **kwargs)

    def end_headers(self):
        self.send_header("Content-Security-Policy", "script-src 'self' 'unsafe-inline'")
        super().end_headers()

    def log_message(self, *args):
        pass


# A filter that blocks the program's WebAssembly, a browser with none, and one
# whose policy forbids compiling it: the report box says so, with what to try,
# the oldest browsers the page supports among it.
@pytest.mark.parametrize("how", ["blocked", "no WebAssembly", "old policy"])
def test_the_program_cannot_start(site, url, shots, browser, how):
    page = browser.new_page(800, 600)
    page.send("Network.setBypassServiceWorker", {"bypass": True})
    if how == "blocked":
        page.send("Network.setBlockedURLs", {"urls": ["*.wasm"]})
    elif how == "no WebAssembly":
        page.send("Page.addScriptToEvaluateOnNewDocument", {"source": "delete self.WebAssembly"})
    else:
        OldPolicy.folder = site
        server, url = serve(site, OldPolicy)
    page.send("Page.navigate", {"url": url})
    page.wait_for("document.getElementById('Text1_0').value.startsWith('Програмата не може')")
    page.screenshot(os.path.join(shots, "page-%s.png" % how.replace(" ", "-")))
    supported = json.load(open(os.path.join(WEB, "..", "package.json")))["browserslist"]
    check("the program's failure to start is said in the report box, with what to try (%s)" % how,
          [True, True, "alert"],
          page.evaluate("(() => { const r = document.getElementById('Text1_0');"
                        " return [%s.every(v => r.value.includes(' ' + v)), r.value.includes(%r),"
                        " r.getAttribute('role')]; })()"
                        % (json.dumps([query.split()[-1] for query in supported]), SITE["one_file"])))
    if how == "old policy":
        stop(server)
    page.close()


def test_help_follows_the_window(page):
    page.resize(800, 600)
    page.open(page.url)
    page.key("F1")
    page.wait_for("document.querySelector('dialog[open]') !== null")
    for width, height in ((360, 640), (640, 360), (481, 363)):
        page.resize(width, height, mobile=True)
        page.wait_for("innerWidth === %d && innerHeight === %d" % (width, height))
        # The resize event runs before the next frame's callbacks: two frames on, the
        # page has laid itself out for the new size.
        page.painted()
        check("the help's button on the screen at %dx%d" % (width, height), True, page.evaluate(
            "(() => { const r = document.querySelector('dialog[open] .box-ok')"
            ".getBoundingClientRect(); return r.left >= 0 && r.top >= 0 &&"
            " r.right <= innerWidth && r.bottom <= innerHeight; })()"))
    page.key("Escape")
    page.resize(800, 600)


def test_selection_and_menus(page):
    page.open(page.url)
    page.evaluate("addEventListener('contextmenu', e => { self.menuShown = !e.defaultPrevented; })")
    for selector in ("#Label1_0", "#Frame1 legend", "#Command1_0", "#Label2_4"):
        page.evaluate("getSelection().removeAllRanges()")
        page.click(selector, count=2)
        page.click_at(*page.centre_of(selector), button="right")
        check("no text selected and no menu on " + selector, ["", False],
              page.evaluate("[getSelection().toString(), self.menuShown]"))
    x, y = page.centre_of("#Text1_0")
    page.click_at(x, y, count=2)
    page.click_at(x, y, button="right")
    check("the report's text can be selected and has its menu", [True, True],
          page.evaluate("[document.getElementById('Text1_0').selectionEnd >"
                        " document.getElementById('Text1_0').selectionStart, self.menuShown]"))


def pixel(path, x, y):
    return subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % (x, y), "-format",
                           "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]", "info:"],
                          capture_output=True, text=True, check=True).stdout


def test_dark_mode(page, shots):
    page.resize(481, 363)
    page.send("Emulation.setAutoDarkModeOverride", {"enabled": True})
    page.send("Emulation.setEmulatedMedia", {"features": [{"name": "prefers-color-scheme",
                                                           "value": "dark"}]})
    page.open(page.url)
    page.evaluate("document.activeElement.blur()")
    path = os.path.join(shots, "page-auto-dark.png")
    page.screenshot(path)
    page.send("Emulation.setAutoDarkModeOverride", {})
    page.send("Emulation.setEmulatedMedia", {"features": []})
    check("the design's colours under an automatic dark mode",
          ["128,128,255", "0,255,0", "255,0,0", "255,192,128", "255,255,255"],
          [pixel(path, 5, 100), pixel(path, 50, 150), pixel(path, 330, 150), pixel(path, 70, 5),
           pixel(path, 58, 66)])


def test_forced_colours(page, shots):
    """A high-contrast theme's forced colours: the page takes the system's, and
    the keyboard's mark and the split digit's underline stay in sight."""
    page.resize(481, 363)
    page.send("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors",
                                                           "value": "active"}]})
    page.open(page.url)
    page.click("#Command1_0")  # all zeros: the first digit underlined
    page.keys("Tab", "Tab")  # the mark on the first cell
    page.wait_for("document.activeElement.id === 'Label2_0'")
    path = os.path.join(shots, "page-forced-colours.png")
    page.screenshot(path)
    page.send("Emulation.setEmulatedMedia", {"features": []})
    face = pixel(path, 70, 114)  # the first cell, below its digit
    check("the system's colours, not the design's window colour", False,
          pixel(path, 5, 100) == "128,128,255")
    check("the mark, on the first cell only", [True, False],
          [pixel(path, 68, 65) != face, pixel(path, 92, 65) != face])
    check("the underline, under the first digit only", [True, False],
          [pixel(path, 62, 109) != face, pixel(path, 86, 109) != face])


def test_nothing_blocked(page):
    check("nothing the security policy blocked", [], policy_violations(page))
