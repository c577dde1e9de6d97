"""Debian's headless Chromium through Selenium and its chromium-driver: a tab for
each page, real input events (mouse, touch, keys) and emulation through
DevTools commands, and what a page asked for and what its console said from
Chromium's own logs; and the web server the page tests serve the site from."""
import base64
import functools
import http.server
import json
import os
import shutil
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# The site's files by name, as its description gives them.
SITE = json.load(open(os.path.join(os.path.dirname(__file__), "..", "..", "web", "site.json"),
                      encoding="utf-8"))

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--hide-scrollbars", "--mute-audio",
]

# Windows virtual key codes and DOM codes of the keys the tests press.
KEYS = {
    "Tab": (9, "Tab", ""), "Enter": (13, "Enter", "\r"), " ": (32, "Space", " "),
    "Escape": (27, "Escape", ""), "ArrowLeft": (37, "ArrowLeft", ""),
    "ArrowRight": (39, "ArrowRight", ""), "Home": (36, "Home", ""), "End": (35, "End", ""),
    "F1": (112, "F1", ""), "a": (65, "KeyA", ""), "z": (90, "KeyZ", ""),
}
CTRL = 2
SHIFT = 8


def check(what, expected, actual):
    """One comparison, named by what it checks."""
    assert actual == expected, "%s: expected %r, seen %r" % (what, expected, actual)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder, handler=None):
    """The folder on a web server of its own on the loopback; (server, url)."""
    handler = handler or functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, "http://127.0.0.1:%d/" % server.server_address[1]


def stop(server):
    """The host gone: its connections refused from now on."""
    server.shutdown()
    server.server_close()


class Browser:
    """One Chromium with its own profile; each Page is a tab in it."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="trivelan-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.logs = {"performance": [], "browser": []}

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def log(self, kind):
        """All of Chromium's log of this kind so far; the driver hands each entry over once."""
        self.logs[kind] += self.driver.get_log(kind)
        return self.logs[kind]

    def new_page(self, width, height, mobile=False):
        """A new blank tab; a window handle is its DevTools target. The first
        tab stays, so that closing a page never ends the session."""
        target = self.driver.execute_cdp_cmd("Target.createTarget", {"url": "about:blank"})
        return Page(self, target["targetId"], width, height, mobile)


class Page:
    def __init__(self, browser, handle, width, height, mobile):
        self.browser, self.handle = browser, handle
        self.resize(width, height, mobile)

    def send(self, method, params=None):
        """A DevTools command to this tab."""
        driver = self.browser.driver
        if driver.current_window_handle != self.handle:
            driver.switch_to.window(self.handle)
        return driver.execute_cdp_cmd(method, params or {})

    def close(self):
        driver = self.browser.driver
        driver.switch_to.window(self.handle)
        driver.close()
        driver.switch_to.window(driver.window_handles[0])

    def events(self, method):
        """The DevTools events of this tab so far (Network's and Page's)."""
        found = []
        for entry in self.browser.log("performance"):
            message = json.loads(entry["message"])
            if message.get("webview") == self.handle and message["message"]["method"] == method:
                found.append(message["message"]["params"])
        return found

    def console(self):
        """What the browser's consoles have said so far."""
        return [entry["message"] for entry in self.browser.log("browser")]

    def resize(self, width, height, mobile=False):
        self.send("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
        self.send("Emulation.setTouchEmulationEnabled", {"enabled": mobile, "maxTouchPoints": 5})
        self.width, self.height = width, height

    # The program has taken the first frame over: the row's roving tab index is set.
    def open(self, url, ready="document.getElementById('Label2_14') !== null && document.getElementById('Label2_14').tabIndex === -1"):
        self.send("Page.bringToFront")
        self.send("Page.navigate", {"url": url})
        self.wait_for(ready)

    def open_stored(self, url):
        """Opens the page and waits until its worker has stored it for later visits."""
        self.open(url)
        self.wait_for("navigator.serviceWorker.controller !== null", 20)

    def reload(self, ready="document.getElementById('Label2_14') !== null && document.getElementById('Label2_14').tabIndex === -1"):
        self.send("Page.bringToFront")
        # The new document, not the old one still showing: its own time origin.
        origin = self.evaluate("performance.timeOrigin")
        self.send("Page.reload", {"ignoreCache": False})
        self.wait_for("performance.timeOrigin !== %r && (%s)" % (origin, ready))

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True})
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def wait_for(self, expression, seconds=15):
        deadline = time.time() + seconds
        while time.time() < deadline:
            try:
                if self.evaluate(expression):
                    return
            except RuntimeError:  # the page is still loading
                pass
            time.sleep(0.05)
        raise RuntimeError("timed out waiting for " + expression)

    def centre_of(self, selector):
        box = self.evaluate("(() => { const r = document.querySelector(%s).getBoundingClientRect();"
                            " return [r.left + r.width / 2, r.top + r.height / 2]; })()"
                            % json.dumps(selector))
        return box[0], box[1]

    def click_at(self, x, y, count=1, button="left"):
        for n in range(1, count + 1):
            for kind in ("mousePressed", "mouseReleased"):
                self.send("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y,
                                                      "button": button, "clickCount": n})

    def click(self, selector, count=1):
        self.click_at(*self.centre_of(selector), count=count)

    def tap_at(self, x, y):
        self.send("Input.dispatchTouchEvent", {"type": "touchStart",
                                               "touchPoints": [{"x": x, "y": y}]})
        self.send("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def key(self, name, modifiers=0, repeat=False):
        code, dom_code, text = KEYS[name]
        down = {"type": "keyDown" if text else "rawKeyDown", "key": name, "code": dom_code,
                "windowsVirtualKeyCode": code, "modifiers": modifiers, "autoRepeat": repeat}
        if text:
            down["text"] = text
        self.send("Input.dispatchKeyEvent", down)
        self.send("Input.dispatchKeyEvent", {"type": "keyUp", "key": name, "code": dom_code,
                                             "windowsVirtualKeyCode": code, "modifiers": modifiers})

    def type(self, text):
        self.send("Input.insertText", {"text": text})

    def keys(self, *names):
        for name in names:
            self.key(name)

    def screenshot(self, path):
        data = self.send("Page.captureScreenshot", {"format": "png"})["data"]
        with open(path, "wb") as shot:
            shot.write(base64.b64decode(data))
        print("screenshot:", path)

    def ax_nodes(self):
        return self.send("Accessibility.getFullAXTree")["nodes"]
