#!/usr/bin/env python3
"""The page's driver for the table of user scenarios, in any of the page's
engines (Chromium, WebKit, Firefox): the runner every window uses
(PageRunner.cpp) asks, a line at a time, and this answers by working the page
with real mouse, touch and key events and reading it back as a person or a
screen reader would. It runs the table twice, at the design's size with the
mouse and on a phone's screen with touch, each scenario on a freshly loaded
page; a run the engine cannot make is skipped, with the reason.

Usage: page_driver.py ENGINE SITE_DIR RUNNER...   (the command that runs the table)
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "web"))
from browsers import CTRL, SHIFT, Browser, serve  # noqa: E402

TABLE = os.path.join(os.path.dirname(__file__), "scenarios.txt")
KEYS = {"Tab": ("Tab", 0), "Shift+Tab": ("Tab", SHIFT), "Left": ("ArrowLeft", 0),
        "Right": ("ArrowRight", 0), "Home": ("Home", 0), "End": ("End", 0), "Space": (" ", 0),
        "Enter": ("Enter", 0), "F1": ("F1", 0), "Escape": ("Escape", 0), "Ctrl+A": ("a", CTRL),
        "Ctrl+Z": ("z", CTRL)}

# What the page shows, read as a screen reader would.
READ = {
    "row": "[...document.querySelectorAll('.cell')].map(c => c.textContent).join('')",
    "underlined": "[...document.querySelectorAll('.cell')].flatMap((c, k) =>"
                  " c.classList.contains('underlined') ? [String(k)] : []).join(' ') || 'none'",
    "focus": "document.querySelector('dialog[open]') ? 'help' :"
             " document.activeElement.id || 'none'",
    "report": "document.querySelector('[data-report]').value",
    "helpboxes": "String(document.querySelectorAll('dialog[open]').length)",
    "helpbox": "(() => { const d = document.querySelector('dialog[open]'); if (!d) return 'none';"
               " const r = d.getBoundingClientRect(), t = d.querySelector('.box-text');"
               " return [d.querySelector('h2').textContent, t.value, [r.left, r.top, r.width,"
               " r.height, innerWidth, innerHeight].map(Math.round).join(' '),"
               " String(document.activeElement === t ? t.selectionStart : -1)]; })()",
    "address": "location.hash",
}


def escaped(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def fields(line):
    out, field, chars = [], "", iter(line)
    for c in chars:
        if c == "\t":
            out.append(field)
            field = ""
        elif c == "\\":
            c = next(chars, "")
            field += {"t": "\t", "n": "\n", "r": "\r"}.get(c, c)
        else:
            field += c
    return out + [field]


class PageDriver:
    def __init__(self, page, url, touch):
        self.page, self.url, self.touch = page, url, touch
        self.history = 0
        self.opened = 0
        self.centres = {}

    def open(self, fragment):
        """A fresh page: its address new by a query the page reads nothing of,
        so that the page loads anew whatever its row's fragment."""
        self.opened += 1
        self.page.open("%s?%d%s" % (self.url, self.opened, fragment))
        self.history = self.page.evaluate("history.length")

    def answer(self, request):
        verb, args = request[0], request[1:]
        page = self.page
        if verb in ("open", "reload"):
            self.centres = {}
        if verb == "open":
            self.open(args[0])
        elif verb == "reload":
            page.reload()
        elif verb == "press":
            # Where each control stands, asked once a page: quick presses must be quick.
            if args[0] not in self.centres:
                self.centres[args[0]] = page.centre_of("#" + args[0])
            (page.tap_at if args[1] == "1" and self.touch else page.click_at)(*self.centres[args[0]])
        elif verb == "pause":
            time.sleep(int(args[0]) / 1000)
        elif verb == "key":
            key, modifiers = KEYS[args[0]]
            page.key(key, modifiers, repeat=args[1] == "1")
        elif verb == "type":
            for n, line in enumerate(args[0].split("|")):
                if n:
                    page.key("Enter")
                page.type(line)
        elif verb == "settle":
            time.sleep(0.02)
        elif verb == "cannot":  # the step by its verb and text, or its verb alone
            return page.steps.get("%s %s" % (args[0], args[1]), page.steps.get(args[0], ""))
        elif verb == "read" and args[0] == "history":
            return str(page.evaluate("history.length") - self.history)
        elif verb == "read":
            seen = page.evaluate(READ[args[0]])
            return "\t".join(escaped(field) for field in seen) if isinstance(seen, list) else escaped(seen)
        else:
            raise ValueError("no such request: %r" % request)
        return "ok"


def run(runner, driver, where):
    """The runner's run on this driver; True when every scenario passed."""
    process = subprocess.Popen(runner + [TABLE, where], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, text=True, encoding="utf-8")
    for line in process.stdout:
        process.stdin.write(driver.answer(fields(line.rstrip("\n"))) + "\n")
        process.stdin.flush()
    return process.wait() == 0


def main(engine, site, *runner):
    server, url = serve(site)
    browser = Browser(engine)
    passed = True
    try:
        for where, width, height, touch in (("mouse at 481x363", 481, 363, False),
                                            ("touch on a phone", 360, 640, True)):
            where = "%s, %s" % (engine, where)
            page = browser.new_page(800, 600)
            reason = page.cannot(width, touch)
            if reason:
                print("skipped: %s: %s" % (where, reason))
                continue
            page.resize(width, height, mobile=touch)
            started = time.time()
            passed &= run(list(runner), PageDriver(page, url, touch), where)
            print("%s: the scenarios in %.1f s" % (where, time.time() - started))
    finally:
        browser.close()
        server.shutdown()
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
