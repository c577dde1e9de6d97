"""A small DevTools-protocol client for Debian's headless Chromium, over
--remote-debugging-pipe, in Python's standard library: it opens a page, drives
it with real input events (mouse, touch, keys) and reads it back; and the web
server the page tests serve the site from."""
import base64
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--hide-scrollbars", "--mute-audio", "--remote-debugging-pipe",
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


class Browser:
    """One Chromium with its own profile; each Page is a tab in it."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="trivelan-chromium-")
        to_chromium_read, to_chromium_write = os.pipe()
        from_chromium_read, from_chromium_write = os.pipe()

        def arrange_pipes():  # Chromium reads commands on fd 3 and writes on fd 4
            # Copied out of the way first: dup2 onto the same number would keep
            # the pipe's close-on-exec flag.
            reading, writing = os.dup(to_chromium_read), os.dup(from_chromium_write)
            os.dup2(reading, 3)
            os.dup2(writing, 4)

        env = dict(os.environ, HOME=self.profile)
        self.process = subprocess.Popen(
            ["chromium", *CHROMIUM_FLAGS, "--user-data-dir=" + self.profile, "about:blank"],
            close_fds=False, preexec_fn=arrange_pipes,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
        os.close(to_chromium_read)
        os.close(from_chromium_write)
        self.writer = os.fdopen(to_chromium_write, "wb")
        self.reader = os.fdopen(from_chromium_read, "rb")
        self.buffer = b""
        self.next_id = 0
        self.events = []

    def close(self):
        try:
            self.send("Browser.close")
        except Exception:  # already gone
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)

    def _read_message(self):
        while b"\0" not in self.buffer:
            chunk = os.read(self.reader.fileno(), 1 << 16)
            if not chunk:
                raise RuntimeError("Chromium closed the pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        self.writer.write(json.dumps(message).encode() + b"\0")
        self.writer.flush()
        while True:
            reply = self._read_message()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError("%s: %s" % (method, reply["error"]))
                return reply.get("result", {})
            if "method" in reply:
                self.events.append(reply)

    def new_page(self, width, height, mobile=False):
        target = self.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.send("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        return Page(self, session, width, height, mobile)


class Page:
    def __init__(self, browser, session, width, height, mobile):
        self.browser = browser
        self.session = session
        for domain in ("Page", "Runtime", "Network", "Log"):
            self.send(domain + ".enable")
        self.resize(width, height, mobile)

    def send(self, method, params=None):
        return self.browser.send(method, params, self.session)

    def resize(self, width, height, mobile=False):
        self.send("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
        self.send("Emulation.setTouchEmulationEnabled", {"enabled": mobile, "maxTouchPoints": 5})
        self.width, self.height = width, height

    def events(self, method):
        return [e["params"] for e in self.browser.events
                if e.get("sessionId") == self.session and e["method"] == method]

    # The program has taken the first frame over: the row's roving tab index is set.
    def open(self, url, ready="document.getElementById('Label2_14') !== null && document.getElementById('Label2_14').tabIndex === -1"):
        self.send("Page.bringToFront")
        self.send("Page.navigate", {"url": url})
        self.wait_for(ready)

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
