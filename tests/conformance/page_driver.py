#!/usr/bin/env python3
"""The conformance table run on the page in headless Chromium with real mouse,
touch and key events (DevTools commands through Selenium): the same scenarios as the
desktop windows, each on a freshly loaded page. It runs the table twice, at
the design's size with the mouse and on a phone's screen with touch.

Usage: page_driver.py SITE_DIR READER...   (the command that spells the table out)
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "web"))
from chromium import CTRL, SHIFT, Browser, serve  # noqa: E402

TABLE = os.path.join(os.path.dirname(__file__), "scenarios.txt")
KEYS = {"Tab": ("Tab", 0), "Shift+Tab": ("Tab", SHIFT), "Left": ("ArrowLeft", 0),
        "Right": ("ArrowRight", 0), "Home": ("Home", 0), "End": ("End", 0), "Space": (" ", 0),
        "Enter": ("Enter", 0), "F1": ("F1", 0), "Escape": ("Escape", 0), "Ctrl+A": ("a", CTRL),
        "Ctrl+Z": ("z", CTRL)}


# What the page shows, read as a screen reader would.
SEEN = {
    "row": "[...document.querySelectorAll('.cell')].map(c => c.textContent).join('')",
    "focus": "document.querySelector('dialog[open]') ? 'help' :"
             " document.activeElement.id.replace(/_(\\d+)$/, '($1)')",
    "help": "String(document.querySelectorAll('dialog[open]').length)",
    "address": "location.hash",
}
UNDERLINED = ("[...document.querySelectorAll('.cell')].flatMap((c, k) =>"
              " c.classList.contains('underlined') ? [String(k)] : [])")


def read_scenarios(reader):
    """The page's help text and the design's statement, and the table as
    (name, [(line, verb, text, number)]), spelt out by the desktop drivers' own reader."""
    texts, scenarios = {}, []
    spelt = subprocess.run(reader + [TABLE], capture_output=True, text=True, check=True).stdout
    for fields in (line.split("\t") for line in spelt.splitlines()):
        if fields[0] in ("help", "statement"):
            texts[fields[0]] = fields[1].replace("\\n", "\n")
        elif fields[0] == "scenario":
            scenarios.append((fields[1], []))
        else:
            scenarios[-1][1].append((int(fields[0]), fields[1], fields[2], int(fields[3])))
    return texts, scenarios


class PageDriver:
    def __init__(self, page, touch, texts):
        self.page, self.touch, self.texts = page, touch, texts
        self.history = 0

    def start(self, url, fragment):
        """A fresh page, from a blank one, so that only a row's fragment differs."""
        self.page.send("Page.navigate", {"url": "about:blank"})
        self.page.wait_for("location.href === 'about:blank'")
        self.page.open(url + fragment)
        self.history = self.page.evaluate("history.length")

    def press(self, selector, touch):
        x, y = self.page.centre_of(selector)
        (self.page.tap_at if touch and self.touch else self.page.click_at)(x, y)

    def pause(self, milliseconds):
        time.sleep(milliseconds / 1000)

    def key(self, name, held):
        key, modifiers = KEYS[name]
        self.page.key(key, modifiers, repeat=held)

    def type(self, text):
        for n, line in enumerate(text.split("|")):
            if n:
                self.page.key("Enter")
            self.page.type(line)

    def seen(self, verb):
        page = self.page
        if verb in SEEN:
            return page.evaluate(SEEN[verb])
        if verb == "underline":
            return " ".join(page.evaluate(UNDERLINED)) or "none"
        if verb == "report":
            return page.evaluate("document.getElementById('Text1_0').value").replace("\n", "\r\n")
        if verb == "helpbox":
            box = page.evaluate(
                "(() => { const d = document.querySelector('dialog[open]'); if (!d) return null;"
                " const r = d.getBoundingClientRect(), t = d.querySelector('.box-text');"
                " return [d.querySelector('h2').textContent, t.value, r.left >= 0 && r.top >= 0"
                " && r.right <= innerWidth && r.bottom <= innerHeight,"
                " document.activeElement === t ? t.selectionStart : -1]; })()")
            if not box:
                return "none"
            return "%s, %s, %s, %s" % (
                box[0], "the design's text" if box[1] == self.texts["help"] else "another text",
                "on the screen" if box[2] else "off the screen",
                "read from the statement" if box[3] == box[1].find(self.texts["statement"])
                else "read from elsewhere")
        if verb == "told":
            shown, statement = self.seen("report").replace("\r\n", "\n"), self.texts["statement"]
            return shown[:-len(statement)].rstrip("\n") if shown.endswith("\n\n" + statement) else ""
        if verb == "history":
            return str(page.evaluate("history.length") - self.history)
        return "(no such step)"


def expected(verb, text):
    return text.replace("|", "\r\n") if verb == "report" else text


def run(driver, url, scenarios, where):
    failures = 0
    for name, actions in scenarios:
        if name.startswith("[desktop]"):
            continue
        driver.start(url, "#row=" + actions[0][2] if actions and actions[0][1] == "start" else "")
        for line, verb, text, number in actions:
            if verb == "start":
                continue
            if verb == "reload":
                driver.page.reload()
            elif verb in ("press", "tap"):
                driver.press("#Label2_%d" % number, verb == "tap")
            elif verb == "pause":
                driver.pause(number)
            elif verb == "click":
                driver.press("#Command1_%d" % (0 if text == "check" else 1), True)
            elif verb in ("key", "hold"):
                driver.key(text, verb == "hold")
            elif verb == "type":
                driver.type(text)
            else:
                want = expected(verb, text)
                deadline = time.time() + 10  # what the page does after an event, as it arrives
                seen = driver.seen(verb)
                while seen != want and time.time() < deadline:
                    time.sleep(0.02)
                    seen = driver.seen(verb)
                if seen != want:
                    failures += 1
                    print("FAIL: %s, %s, line %d, %s: expected %r, seen %r"
                          % (where, name, line, verb, want, seen))
    return failures


def main(site, *reader):
    texts, scenarios = read_scenarios(list(reader))
    assert len(scenarios) >= 20
    server, url = serve(site)
    browser = Browser()
    failures = 0
    try:
        for where, width, height, touch in (("mouse at 481x363", 481, 363, False),
                                            ("touch on a phone", 360, 640, True)):
            page = browser.new_page(width, height, mobile=touch)
            started = time.time()
            failures += run(PageDriver(page, touch, texts), url, scenarios, where)
            print("%s: the scenarios in %.1f s" % (where, time.time() - started))
    finally:
        browser.close()
        server.shutdown()
    runs = 2 * len([name for name, _ in scenarios if not name.startswith("[desktop]")])
    print("%d passed, %d failed" % (runs - min(failures, runs), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
