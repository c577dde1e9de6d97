"""The page's browsers, each worked the same way: a Page for each tab, real
input events (mouse, touch, keys) and scripts that read the page back.

- chromium: Debian's headless Chromium through Selenium and its chromium-driver,
  with its DevTools protocol for input and emulation, and Chromium's own logs of
  what a page asked for and what its console said;
- webkit: WebKitGTK's MiniBrowser (the engine of every iPad) through Debian's
  WebKitWebDriver and Selenium, in an X server;
- firefox: Debian's Firefox ESR over WebDriver BiDi, spoken here directly.

And the web server the page tests serve the site from.
"""
import base64
import functools
import http.server
import json
import os
import shutil
import socket
import subprocess
import tempfile
import threading
import time

# The site's files by name, as its description gives them.
SITE = json.load(open(os.path.join(os.path.dirname(__file__), "..", "..", "web", "site.json"),
                      encoding="utf-8"))

ENGINES = ("chromium", "webkit", "firefox")

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--hide-scrollbars", "--mute-audio",
]

# The keys the tests press: Windows' virtual key code and the DOM's code for
# DevTools, and WebDriver's own for the others.
KEYS = {
    "Tab": (9, "Tab", "", "\ue004"), "Enter": (13, "Enter", "\r", "\ue007"),
    " ": (32, "Space", " ", " "), "Escape": (27, "Escape", "", "\ue00c"),
    "ArrowLeft": (37, "ArrowLeft", "", "\ue012"), "ArrowRight": (39, "ArrowRight", "", "\ue014"),
    "Home": (36, "Home", "", "\ue011"), "End": (35, "End", "", "\ue010"),
    "F1": (112, "F1", "", "\ue031"), "a": (65, "KeyA", "", "a"), "z": (90, "KeyZ", "", "z"),
}
CTRL = 2
SHIFT = 8
MODIFIER_KEYS = ((CTRL, "\ue009"), (SHIFT, "\ue008"))

# The program has taken the first frame over: the row's roving tab index is set.
READY = ("document.getElementById('Label2_14') !== null &&"
         " document.getElementById('Label2_14').tabIndex === -1")


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


def Browser(engine="chromium"):  # noqa: N802 (a browser of the engine named)
    return {"chromium": Chromium, "webkit": WebKit, "firefox": Firefox}[engine]()


class Page:
    """What every engine's tab does alike; each engine gives evaluate, navigate,
    the input events, resize and screenshot."""
    engine = None
    # The smallest window an engine can make, where it has one.
    narrowest = 0

    def cannot(self, width=0, touch=False):
        """Why this engine cannot show the page at that width or take touch, or ""."""
        if width < self.narrowest:
            return "%s's window is at least %d px wide" % (self.engine, self.narrowest)
        if touch and not self.touch:
            return "%s takes no touch from its driver" % self.engine
        return ""

    touch = True
    steps = {}

    def open(self, url, ready=READY):
        self.anew(lambda: self.navigate(url), ready)

    def open_stored(self, url):
        """Opens the page and waits until its worker has stored it for later visits."""
        self.open(url)
        self.wait_for("navigator.serviceWorker.controller !== null", 20)

    def reload(self, ready=READY):
        self.anew(self.navigate_again, ready)

    def anew(self, go, ready):
        """Goes to another document, and waits until that one is ready: not the
        one still showing, which may be ready too (a driver's navigation may
        return before it is gone); a document by its own time origin."""
        origin = self.evaluate("performance.timeOrigin")
        go()
        self.wait_for("performance.timeOrigin !== %r && (%s)" % (origin, ready))

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

    def painted(self):
        """Two frames on: what the page has just changed is on the screen."""
        self.evaluate("new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done)))")

    def centre_of(self, selector):
        box = self.evaluate("(() => { const r = document.querySelector(%s).getBoundingClientRect();"
                            " return [r.left + r.width / 2, r.top + r.height / 2]; })()"
                            % json.dumps(selector))
        return box[0], box[1]

    def click(self, selector, count=1):
        self.click_at(*self.centre_of(selector), count=count)

    def keys(self, *names):
        for name in names:
            self.key(name)

    def screenshot(self, path):
        with open(path, "wb") as shot:
            shot.write(self.png())
        print("screenshot:", path)

    def run(self, script):
        """A script of statements, such as a library's, run in the page."""
        self.evaluate(script)


class Chromium:
    """One Chromium with its own profile; each Page is a tab in it."""

    def __init__(self):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
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
        return ChromiumPage(self, target["targetId"], width, height, mobile)


class ChromiumPage(Page):
    engine = "Chromium"

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

    def navigate(self, url):
        self.send("Page.bringToFront")
        self.send("Page.navigate", {"url": url})

    def navigate_again(self):
        self.send("Page.bringToFront")
        self.send("Page.reload", {"ignoreCache": False})

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True})
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def click_at(self, x, y, count=1, button="left"):
        for n in range(1, count + 1):
            for kind in ("mousePressed", "mouseReleased"):
                self.send("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y,
                                                      "button": button, "clickCount": n})

    def tap_at(self, x, y):
        self.send("Input.dispatchTouchEvent", {"type": "touchStart",
                                               "touchPoints": [{"x": x, "y": y}]})
        self.send("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def key(self, name, modifiers=0, repeat=False):
        code, dom_code, text, _ = KEYS[name]
        down = {"type": "keyDown" if text else "rawKeyDown", "key": name, "code": dom_code,
                "windowsVirtualKeyCode": code, "modifiers": modifiers, "autoRepeat": repeat}
        if text:
            down["text"] = text
        self.send("Input.dispatchKeyEvent", down)
        self.send("Input.dispatchKeyEvent", {"type": "keyUp", "key": name, "code": dom_code,
                                             "windowsVirtualKeyCode": code, "modifiers": modifiers})

    def type(self, text):
        self.send("Input.insertText", {"text": text})

    def png(self):
        return base64.b64decode(self.send("Page.captureScreenshot", {"format": "png"})["data"])

    def ax_nodes(self):
        return self.send("Accessibility.getFullAXTree")["nodes"]


class ActionsPage(Page):
    """A tab of an engine worked by WebDriver's actions (WebKit, Firefox), which
    gives perform(source, release); a pointer's actions leave nothing held, and
    only keys, which may hold a modifier, are let go of after theirs."""

    def click_at(self, x, y, count=1, button="left"):
        press = [{"type": kind, "button": 2 if button == "right" else 0}
                 for _ in range(count) for kind in ("pointerDown", "pointerUp")]
        self.perform({"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                      "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)}] + press},
                     release=False)

    def tap_at(self, x, y):
        self.perform({"type": "pointer", "id": "finger", "parameters": {"pointerType": "touch"},
                      "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)},
                                  {"type": "pointerDown", "button": 0},
                                  {"type": "pointerUp", "button": 0}]}, release=False)

    def key(self, name, modifiers=0, repeat=False):
        held = [key for flag, key in MODIFIER_KEYS if modifiers & flag]
        keys = held + [KEYS[name][3]]
        self.perform({"type": "key", "id": "keyboard", "actions": [
            {"type": "keyDown", "value": key} for key in keys] + [
            {"type": "keyUp", "value": key} for key in reversed(keys)]})

    def type(self, text):
        self.perform({"type": "key", "id": "keyboard", "actions": [
            {"type": kind, "value": c} for c in text for kind in ("keyDown", "keyUp")]})


# A script's value, or its failure, from a page that may not eval: the
# expression stands in the script itself.
ASYNC_SCRIPT = ("const done = arguments[arguments.length - 1];"
                " Promise.resolve().then(() => (%s)).then((value) => done({value}),"
                " (error) => done({error: String(error)}));")


class WebKit:
    """WebKitGTK's MiniBrowser, one window; each Page is that window, sized anew."""

    def __init__(self):
        from selenium import webdriver
        from selenium.webdriver.webkitgtk.options import Options
        self.home = tempfile.mkdtemp(prefix="trivelan-webkit-")
        options = Options()
        options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
        options.add_argument("--automation")
        os.environ.setdefault("XDG_CACHE_HOME", self.home)
        os.environ.setdefault("MESA_SHADER_CACHE_DISABLE", "true")
        self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver",
                                          options=options)
        self.driver.set_script_timeout(30)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.home, ignore_errors=True)

    def new_page(self, width, height, mobile=False):
        """A new window; the first stays, so that closing a page never ends the session."""
        self.driver.switch_to.new_window("window")
        return WebKitPage(self, self.driver.current_window_handle, width, height)


class WebKitPage(ActionsPage):
    engine = "WebKitGTK"
    narrowest = 447
    touch = False
    # Steps of the table this engine's driver cannot make, and why.
    steps = {"hold": "WebKitWebDriver makes no key repeat: a key down again is no repeat",
             "key Shift+Tab": "WebKitWebDriver gives a page Shift+Tab as an unidentified key, "
                              "not as Tab"}

    def __init__(self, browser, handle, width, height):
        self.browser, self.handle = browser, handle
        self.resize(width, height)

    @property
    def driver(self):
        """The session, at this page's window."""
        driver = self.browser.driver
        if driver.current_window_handle != self.handle:
            driver.switch_to.window(self.handle)
        return driver

    def close(self):
        self.driver.close()
        self.browser.driver.switch_to.window(self.browser.driver.window_handles[0])

    def run(self, script):
        self.driver.execute_script(script)

    def resize(self, width, height, mobile=False):
        # The window with its toolbar, so that the page has the size asked for.
        size = self.driver.get_window_size()
        inner = self.evaluate("[innerWidth, innerHeight]")
        self.driver.set_window_size(width + size["width"] - inner[0],
                                    height + size["height"] - inner[1])
        self.width, self.height = width, height

    # Not the driver's own, which waits for the page's load (that may wait for
    # a file the test holds back): the page's own wait_for says when it is
    # there. A file is the driver's to open: a page may not send to file://.
    def navigate(self, url):
        if url.startswith("file:"):
            self.driver.get(url)
        else:
            self.driver.execute_script("location.href = arguments[0]", url)

    def navigate_again(self):
        self.driver.refresh()

    def evaluate(self, expression):
        try:
            result = self.driver.execute_async_script(ASYNC_SCRIPT % expression)
        except Exception as error:  # the page between two documents
            raise RuntimeError("%s: %s" % (expression, error))
        if "error" in result:
            raise RuntimeError("%s: %s" % (expression, result["error"]))
        return result.get("value")

    def perform(self, source, release=True):
        self.driver.execute("actions", {"actions": [source]})
        if release:
            self.driver.execute("clearActionState", {})

    def tap_at(self, x, y):  # no touch: the mouse
        self.click_at(x, y)

    def png(self):
        return self.driver.get_screenshot_as_png()


class Firefox:
    """Firefox ESR with a profile of its own, over WebDriver BiDi; each Page is
    a tab in it."""

    PREFERENCES = {
        "browser.shell.checkDefaultBrowser": False,
        "datareporting.policy.dataSubmissionEnabled": False,
        "toolkit.telemetry.reportingpolicy.firstRun": False,
        "browser.startup.homepage_override.mstone": "ignore",
        "app.update.disabledForTesting": True,
        "remote.prefs.recommended": True,
        "dom.w3c_touch_events.enabled": 1,
    }

    def __init__(self):
        import websocket
        self.home = tempfile.mkdtemp(prefix="trivelan-firefox-")
        profile = os.path.join(self.home, "profile")
        os.mkdir(profile)
        with open(os.path.join(profile, "user.js"), "w") as prefs:
            for name, value in self.PREFERENCES.items():
                prefs.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        free = socket.socket()
        free.bind(("127.0.0.1", 0))
        port = free.getsockname()[1]
        free.close()
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", profile,
             "--remote-debugging-port", str(port), "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=dict(os.environ, HOME=self.home))
        deadline = time.time() + 30
        while True:
            try:
                # Its remote agent takes no connection that names an origin.
                self.socket = websocket.create_connection("ws://127.0.0.1:%d/session" % port,
                                                          timeout=60, suppress_origin=True)
                break
            except (OSError, websocket.WebSocketException):
                if time.time() > deadline:
                    raise
                time.sleep(0.1)
        self.sent = 0
        self.send("session.new", {"capabilities": {}})

    def send(self, method, params):
        """A BiDi command and its result; the events between go by."""
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.sent:
                if message.get("type") == "error":
                    raise RuntimeError("%s: %s" % (method, message.get("message")))
                return message["result"]

    def close(self):
        try:
            self.send("session.end", {})
        finally:
            self.process.terminate()
            self.process.wait()
            shutil.rmtree(self.home, ignore_errors=True)

    def new_page(self, width, height, mobile=False):
        context = self.send("browsingContext.create", {"type": "tab"})["context"]
        return FirefoxPage(self, context, width, height)


def remote_value(value):
    """A BiDi value as Python's."""
    kind = value["type"]
    if kind in ("undefined", "null"):
        return None
    if kind == "array":
        return [remote_value(item) for item in value["value"]]
    if kind == "object":
        return {key if isinstance(key, str) else remote_value(key): remote_value(item)
                for key, item in value["value"]}
    if kind == "number" and isinstance(value["value"], str):
        return float(value["value"])  # NaN, -0, Infinity
    return value.get("value")


class FirefoxPage(ActionsPage):
    engine = "Firefox"
    steps = {"hold": "WebDriver BiDi makes a key's repeat only after its first press, which "
                     "counts itself"}

    def __init__(self, browser, context, width, height):
        self.browser, self.context = browser, context
        self.resize(width, height)

    def send(self, method, params):
        return self.browser.send(method, dict(params, context=self.context))

    def close(self):
        self.send("browsingContext.close", {})

    # In front: a tab behind others runs no animation frames.
    def resize(self, width, height, mobile=False):
        self.send("browsingContext.activate", {})
        self.send("browsingContext.setViewport", {"viewport": {"width": width, "height": height},
                                                   "devicePixelRatio": 1})
        self.width, self.height = width, height

    def navigate(self, url):
        self.send("browsingContext.activate", {})
        self.send("browsingContext.navigate", {"url": url, "wait": "none"})

    def navigate_again(self):
        self.send("browsingContext.reload", {"wait": "none"})

    def evaluate(self, expression):
        result = self.browser.send("script.evaluate", {
            "expression": expression, "target": {"context": self.context}, "awaitPromise": True,
            "resultOwnership": "none"})
        if result["type"] == "exception":
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]["text"]))
        return remote_value(result["result"])

    def perform(self, source, release=True):
        self.send("input.performActions", {"actions": [source]})
        if release:
            self.send("input.releaseActions", {})

    def png(self):
        return base64.b64decode(self.send("browsingContext.captureScreenshot", {})["data"])
