"""Drives the page in one engine (Chromium, WebKit or Firefox) only by real
input events (mouse, touch, keys) and reads it back as a person or a screen
reader would, for what only the page can get wrong: its start, font and first
frame, the help box, a run-time error, an accessibility auditor in every state
a pupil meets, the accessibility tree, the fit from a phone to a projector, a
reload with the server stopped, and the one file from file://. What a pupil
does with the row and the buttons is the scenario table's (tests/conformance).
What an engine cannot do is skipped by name, with the reason. Screenshots go
to SHOTS.

Usage: python3 -m pytest page_test.py --engine=ENGINE --site=SITE_DIR --one-file=ONE_FILE_PAGE
       --shots=SHOTS
"""
import functools
import gzip
import json
import os
import subprocess
import threading
import time

import pytest
from browsers import SITE, QuietHandler, check, serve, stop
from conftest import needs

HERE = os.path.dirname(__file__)
# The read-me's picture of the page on a phone.
PHONE = os.path.join(HERE, "..", "..", "docs", "pictures", "phone.png")
# The accessibility auditor, from npm.
AXE = os.path.join(HERE, "..", "..", "node_modules", "axe-core", "axe.min.js")
# What it audits: WCAG 2.2 A and AA, and its best practices.
AXE_RULES = ("{runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa',"
             " 'wcag22aa', 'best-practice']}}")


# Where the design stands: left, top, width and height.
FORM_BOX = ("(() => { const r = document.querySelector('main').getBoundingClientRect();"
            " return [r.left, r.top, r.width, r.height]; })()")


def cell(k):
    return "#Label2_%d" % k


def row(page):
    return page.evaluate("[...document.querySelectorAll('.cell')].map(c => c.textContent).join('')")


def report(page):
    return page.evaluate("document.getElementById('Text1_0').value")


def focused(page):
    return page.evaluate("document.activeElement.id")


def test_start(page, site, shots):
    page.screenshot(os.path.join(shots, "page.png"))
    check("page title is the window's caption", "www.example.com Тривелан",
          page.evaluate("document.title"))
    check("the report box has the focus at start", "Text1_0", focused(page))
    facts = json.load(open(os.path.join(site, "..", "generated", "facts.json"), encoding="utf-8"))
    # The statement in the report, zeros in the cells, and the hidden motto's text.
    check("each control with its design text at start",
          {c["id"]: c["text"].replace("\r\n", "\n") for c in facts["controls"]},
          dict(page.evaluate("[...document.querySelectorAll('main [id]')].map(e => [e.id,"
                             " e.matches('textarea') ? e.value : e.firstChild.textContent])")))
    # A device without Times New Roman gets the page's own font, metric-compatible.
    widths = page.evaluate(
        "document.fonts.load('36pt \"Trivelan Serif\"').then(() => {"
        " const c = document.createElement('canvas').getContext('2d'), text = '0123456789';"
        " return ['Times New Roman', 'Trivelan Serif'].map(f => {"
        " c.font = '36pt \"' + f + '\"'; return Math.round(c.measureText(text).width); }); })")
    check("the page's font has the design font's widths", widths[0], widths[1])


def audit(page):
    """What axe finds on the page as it is now: each violated rule with its
    impact and the elements, and what it leaves to a person to review."""
    if not page.evaluate("typeof axe !== 'undefined'"):
        page.run(open(AXE, encoding="utf-8").read())
    found = page.evaluate("axe.run(document, %s).then(r => JSON.stringify({"
                          " violations: r.violations.map(v => [v.id, v.impact,"
                          " v.nodes.map(n => n.target.join(' '))]),"
                          " review: r.incomplete.map(v => [v.id, v.nodes.length])}))" % AXE_RULES)
    return json.loads(found)


# Every state a pupil meets, on a desktop window, a phone upright and a phone
# turned, and under forced colours (a high-contrast theme).
@pytest.mark.parametrize("width, height, mobile, colours", [
    (800, 600, False, "none"), (360, 640, True, "none"), (640, 360, True, "none"),
    (800, 600, False, "active")])
def test_audit(browser, url, width, height, mobile, colours):
    page = browser.new_page(800, 600)
    needs(page, "%dx%d" % (width, height), width)
    if colours != "none":
        needs(page, "forced colours", devtools=True)
        page.send("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors",
                                                               "value": colours}]})
    page.resize(width, height, mobile)
    page.open(url)
    where = "%dx%d, forced colours %s" % (width, height, colours)
    found = audit(page)
    check("axe at the start, " + where, [], found["violations"])
    print("%s %s: for review at the start: %s" % (page.engine, where, found["review"]))
    page.click("#Command1_0")
    page.wait_for("document.getElementById('Text1_0').value.startsWith('Поредният')")
    check("axe after a check, " + where, [], audit(page)["violations"])
    page.key("F1")
    page.wait_for("document.activeElement.classList.contains('box-text')")
    found = audit(page)
    check("axe with the help open, " + where, [], found["violations"])
    print("%s %s: for review with the help: %s" % (page.engine, where, found["review"]))
    page.close()


def test_accessibility(page, url):
    needs(page, "the accessibility tree", devtools=True)
    page.open(url)
    page.click(cell(2))
    nodes = page.ax_nodes()
    names = {node.get("name", {}).get("value"): node for node in nodes
             if node.get("role", {}).get("value") not in ("StaticText", "InlineTextBox")}
    buttons = [node["name"]["value"] for node in nodes
               if node.get("role", {}).get("value") == "button"
               and node.get("name", {}).get("value", "").startswith("Позиция")]
    check("cells are buttons named by position and digit",
          ["Позиция %d: %d" % (k + 1, 1 if k == 2 else 0) for k in range(15)], buttons)
    group = names.get("Промяна цифрите чрез On-Click", {})
    check("the frame is a toolbar named by its caption", "toolbar", group.get("role", {}).get("value"))
    check("the buttons are named by their captions", True,
          "Провери" in names and "Чисти" in names)


def test_fit(page, shots):
    for width, height in ((360, 640), (640, 360), (461, 800), (462, 800), (625, 472), (800, 600),
                          (1280, 800), (3840, 2160)):
        if page.cannot(width):
            print("skipped: %dx%d: %s" % (width, height, page.cannot(width)))
            continue
        page.resize(width, height)
        page.wait_for("innerWidth === %d && innerHeight === %d" % (width, height))
        # The resize event runs before the next frame's callbacks: two frames on, the
        # page has laid itself out for the new size.
        page.painted()
        box = page.evaluate("(() => { const r = document.getElementById('SequenceForm')"
                            ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()")
        left, top, w, h = box
        size = "%dx%d" % (width, height)
        check("the design is whole at " + size, True,
              left >= -0.5 and top >= -0.5 and left + w <= width + 0.5 and top + h <= height + 0.5)
        check("and fills the window one way at " + size, True,
              abs(w - width) <= 1.5 or abs(h - height) <= 1.5)
        check("and is centred at " + size, True,
              abs(left - (width - w) / 2) <= 1 and abs(top - (height - h) / 2) <= 1)
        cell_width = page.evaluate("document.getElementById('Label2_0').getBoundingClientRect().width")
        check("a line asks to turn the screen where it is upright and a cell narrower than a "
              "finger's target (WCAG 2.2: 24 px) at " + size, height > width and cell_width < 24,
              page.evaluate("getComputedStyle(document.querySelector('.turn')).display !== 'none'"))
        shot = "%s-%s" % (page.engine, size)
        page.screenshot(os.path.join(shots, "page-%s.png" % shot))
        check("no seam between the cells at " + size, [], seams(page, shots, shot))
    page.resize(800, 600)


def seams(page, shots, size):
    """Pixels that are not the cells' white along a line across the whole
    row, under the digits: where neighbouring cells meet at a fractional
    scale, the window's colour would show through. (An edge's smoothing, a
    few parts in a hundred of the window's colour, is none.)"""
    a, b = (page.evaluate("(() => { const r = document.getElementById('Label2_%d')"
                          ".getBoundingClientRect(); return [r.left, r.right, r.top, r.bottom]; })()"
                          % k) for k in (0, 14))
    x0, x1, y = int(a[0]) + 2, int(b[1]) - 2, int(a[2] + 0.88 * (a[3] - a[2]))
    line = subprocess.run(["convert", os.path.join(shots, "page-%s.png" % size), "-crop",
                           "%dx1+%d+%d" % (x1 - x0, x0, y), "+repage", "txt:-"],
                          capture_output=True, text=True, check=True).stdout.splitlines()[1:]
    return [pixel for pixel in line if min(int(part) for part in
                                               pixel.split("(")[1].split(")")[0].split(",")[:2]) < 224]


def test_taps(browser, url, shots):
    phone = browser.new_page(800, 600)
    needs(phone, "a phone's screen and touch", 360, touch=True)
    phone.resize(360, 640, mobile=True)
    phone.open(url)
    check("taps have no delay and no double-tap zoom", ["manipulation"] * 2, [
        phone.evaluate("getComputedStyle(document.querySelector(%r)).touchAction" % s)
        for s in (cell(0), "#Command1_0")])
    box = phone.evaluate("(() => { const r = document.getElementById('SequenceForm')"
                         ".getBoundingClientRect(); return [r.left, r.right, innerWidth]; })()")
    check("a phone shows the design whole, as wide as the phone", [0, 360, 360],
          [round(v) for v in box])
    # The design's balanced example, tapped in and checked: the read-me's picture.
    for k, digit in enumerate("001120000001111"):
        for _ in range(int(digit)):
            phone.tap_at(*phone.centre_of(cell(k)))
            time.sleep(0.6)  # past the double-tap time
    phone.tap_at(*phone.centre_of("#Command1_0"))
    # the button let go of (a finger's press may still show for a moment)
    phone.wait_for("document.activeElement.id === 'Command1_0' && !document.querySelector(':active')")
    phone.painted()
    path = os.path.join(shots, "page-%s-phone.png" % phone.engine)
    phone.screenshot(path)
    check("taps enter the row and check it", [True, "001120000001111"],
          [report(phone).startswith("Номерата: 001120000001111"), row(phone)])
    if phone.engine == "Chromium":  # the read-me shows the page as Chromium draws it
        check("the read-me's picture is the page as it is now (else copy %s to %s)" % (path, PHONE),
              "0", subprocess.run(["compare", "-metric", "AE", PHONE, path, "null:"],
                                  capture_output=True, text=True).stderr)


def test_first_frame(browser, url, shots):
    """The page shows the design before the program has loaded (written at
    build time), and the program takes it over with no visible change."""
    shots_of = {}
    for name, scripts in (("first-frame", False), ("loaded", True)):
        page = browser.new_page(800, 600)
        needs(page, "a page with its scripts off", devtools=True)
        page.send("Emulation.setScriptExecutionDisabled", {"value": not scripts})
        page.navigate(url)
        if scripts:
            page.wait_for("document.getElementById('Label2_14').tabIndex === -1")
            page.evaluate("document.activeElement.blur()")  # no caret in the picture
        page.wait_for("document.fonts.ready.then(() => document.fonts.status === 'loaded')")
        path = os.path.join(shots, "page-%s.png" % name)
        page.screenshot(path)
        shots_of[name] = open(path, "rb").read()
        page.close()
    check("the program takes the first frame over with no visible change", True,
          shots_of["first-frame"] == shots_of["loaded"])


def test_presses_before_the_program_starts(browser, site):
    """Presses on the first frame while the program is still on its way count
    once it has started, as the rules say: a double click raises a digit once."""
    release = threading.Event()

    class Held(QuietHandler):
        def do_GET(self):
            if self.path.startswith("/" + SITE["start"]):
                release.wait(30)
            super().do_GET()

    server, url = serve(site, functools.partial(Held, directory=site))
    page = browser.new_page(800, 600)  # not the design's size: fitted, with half pixels to round
    try:
        page.navigate(url)
        # the cells there, and fitted by the fit script where the browser fetches it
        page.wait_for("document.querySelector('[data-first-frame] #Label2_3') !== null && "
                      "(!document.querySelector('script[src^=\"%s\"]') || "
                      "typeof fitToScreen === 'function')" % SITE["fit"])
        first = page.evaluate(FORM_BOX)
        page.click(cell(3), count=2)
        page.click(cell(5))
        page.click("#Command1_0")
        check("nothing has started yet", "Ще наричаме", report(page)[:11])
        release.set()
        page.wait_for("document.getElementById('Label2_14').tabIndex === -1")
        check("the presses counted once it started", ["000101000000000", "Номерата: 000101000000000"],
              [row(page), report(page)[:25]])
        check("the first frame was fitted as the program fits it", True,
              all(abs(a - b) <= 0.5 for a, b in zip(first, page.evaluate(FORM_BOX))))
    finally:
        release.set()
        page.close()
        stop(server)


def outside_requests(page, base):
    urls = [e["request"]["url"] for e in page.events("Network.requestWillBeSent")]
    return [u for u in urls if not (u.startswith(base) or u.startswith("data:"))]


def policy_violations(page):
    return [text for text in page.console() if "Content Security Policy" in text]


def test_run_time_error(page, url, shots):
    page.open(url)  # a fresh row: a reload would keep the one in the address
    page.evaluate("document.getElementById('Label2_4').textContent = '32767'")
    page.click(cell(4))
    page.wait_for("document.querySelector('dialog[open]') !== null")
    check("a run-time error is titled with the program's name", "Тривелан",
          page.evaluate("document.querySelector('dialog[open] h2').textContent"))
    check("and shows the standard message", "Run-time error '6':\n\nOverflow",
          page.evaluate("document.querySelector('dialog[open] .box-text').value"))
    check("the dialog is modal", True, page.evaluate("document.querySelector('dialog').matches(':modal')"))
    page.screenshot(os.path.join(shots, "page-run-time-error.png"))
    page.click("dialog .box-ok")
    page.click(cell(0))
    page.click("#Command1_0")
    check("then the page answers no more events", "0000327670000000"[:4] + "32767" + "0" * 10,
          row(page))
    check("not even a check", "Ще наричаме", report(page)[:11])


def test_nothing_beyond_the_page(page, url):
    needs(page, "what the page asked for and what its console said", devtools=True)
    check("no requests beyond the page's own files", [], outside_requests(page, url))
    check("nothing the security policy blocked", [], policy_violations(page))


def test_first_visit_size(page, url, site):
    """What the page asked for, with gzip, within its budget: here the device
    has a Times-metric face, so none of it is the page's own font."""
    needs(page, "what the page asked for", devtools=True)
    asked = {e["request"]["url"][len(url):].split("?")[0] or SITE["page"]
             for e in page.events("Network.requestWillBeSent") if e["request"]["url"].startswith(url)}
    size = sum(len(gzip.compress(open(os.path.join(site, name), "rb").read(), 9)) for name in asked)
    check("the first visit within 34 KB with gzip, no font", [True, False],
          [size <= 34816, SITE["font"] in asked])


def test_reload_with_the_server_stopped(browser, url, server):
    offline = browser.new_page(800, 600)
    offline.open_stored(url)
    stop(server)
    offline.reload()
    offline.click(cell(3))
    check("a reload with the server stopped still works", "000100000000000", row(offline))


def test_the_one_file_gives_the_focus_once_loaded(browser, one_file):
    """A screen reader keeps quiet about a focus given while a page still loads
    (the site's start script waits for the load itself)."""
    local = browser.new_page(800, 600)
    needs(local, "a script of the test's before the page's own", devtools=True)
    # A page that loads slowly beside its program: the program is ready at once.
    local.send("Page.addScriptToEvaluateOnNewDocument", {"source": "addEventListener('focusin',"
               " () => { self.focusedWhile = self.focusedWhile || document.readyState; }, true);"
               " WebAssembly.instantiate = (bytes, imports) => { const module ="
               " new WebAssembly.Module(bytes); return Promise.resolve({module,"
               " instance: new WebAssembly.Instance(module, imports)}); };"})
    local.open("file://" + one_file)
    local.wait_for("self.focusedWhile")
    check("the report took the focus once the page had loaded", ["Text1_0", "complete"],
          [focused(local), local.evaluate("self.focusedWhile")])


def test_one_file(browser, one_file, shots):
    local = browser.new_page(800, 600)
    local.open("file://" + one_file)
    local.click(cell(14))
    local.click("#Command1_0")
    check("the one file from file:// works", "Номерата: 000000000000001 и 100000000000000 са различни.\n"
          "Редицата не е балансирана! \n", report(local))
    local.screenshot(os.path.join(shots, "page-%s-file.png" % local.engine))
    needs(local, "what the one file asked for and what its console said", devtools=True)
    check("the one file needs nothing the security policy blocks", [], policy_violations(local))
    check("the one file asks for nothing", [], [
        e["request"]["url"] for e in local.events("Network.requestWillBeSent")
        if not e["request"]["url"].startswith(("file:", "data:"))])
