#!/usr/bin/python3
"""The extension in a real Chromium, with the real host and the real engine.

Started inside a private session bus (dbus-run-session) with the built `vireloom`, the
extension's folder and chromedriver. Everything lives in a temporary home: an X server with a
window manager, a site on 127.0.0.1 that serves its page and its clip only to a logged-in
user, Chromium with the extension loaded unpacked and the host registered by
`vireloom --register-browsers`. The user logs in; Alt+Shift+D sends the page, the toolbar
button says Vireloom took it with the login, and the engine downloads the clip with it. The same
link sent again without the login, and typed into Vireloom's window, fails as a login
failure. Afterwards no file outside the browser's profile holds the login cookie's value.

With BROWSER_PICTURES=folder, pictures of the screen are written there: the context menu
with its quality submenu, the options page, the button after a taken and a refused link.
"""
import http.server
import json
import os
import secrets
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time
import urllib.error
import urllib.parse
import urllib.request

APP, EXTENSION = sys.argv[1], sys.argv[2]
EXTENSION_ID = "fdgalamgdgiegcbnmdbopphkkopldjbi"
HOST_NAME = "io.github.vireloom.vireloom"
PICTURES = os.environ.get("BROWSER_PICTURES", "")
# How long the engine gets for a download of a two-second clip from this machine.
DOWNLOAD_SECONDS = 120

LOGIN_FAILURES = (
    "The site asked for login/verification",
    "The site denied access to this address (403). It may need a login",
)


def fail(message):
    raise AssertionError(message)


def wait_for(what, condition, seconds=30, interval=0.2):
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            fail(f"timed out waiting for {what}")
        time.sleep(interval)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Site:
    """The members-only site: /login sets the session cookie, /watch and the clip answer only
    with it. It counts the clip's requests that came with the login from outside the browser."""

    def __init__(self, clip):
        self.session = secrets.token_hex(24)
        self.clip = clip
        self.engine_fetches = 0
        self.clip_fetches = []
        self.refused = []
        site = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def log_message(self, *args):
                pass

            def logged_in(self):
                cookies = {}
                for part in self.headers.get("Cookie", "").split(";"):
                    name, _, value = part.strip().partition("=")
                    cookies[name] = value
                return cookies.get("members") == site.session

            def answer(self, status, body, kind="text/html; charset=utf-8", headers=()):
                self.send_response(status)
                self.send_header("Content-Type", kind)
                self.send_header("Content-Length", str(len(body)))
                for name, value in headers:
                    self.send_header(name, value)
                self.end_headers()
                if self.command != "HEAD":
                    self.wfile.write(body)

            def do_HEAD(self):
                self.do_GET()

            def do_GET(self):
                path = urllib.parse.urlsplit(self.path).path
                if path == "/login":
                    return self.answer(200, LOGIN_PAGE)
                if path == "/elsewhere":
                    return self.answer(200, b"<!doctype html><title>Elsewhere</title><p>Nothing here.")
                if not self.logged_in():
                    site.refused.append(path)
                    return self.answer(403, b"<!doctype html><title>Sign in</title><p>Sign in to watch.")
                if path == "/watch":
                    return self.answer(200, WATCH_PAGE)
                if path == "/media/members-clip.mp4":
                    # The engine passes for a browser by its user agent and its navigation
                    # headers, but never says what the fetch is for, as the page's player does.
                    site.clip_fetches.append(self.headers.get("Sec-Fetch-Dest", "-"))
                    if "Sec-Fetch-Dest" not in self.headers:
                        site.engine_fetches += 1
                    with open(site.clip, "rb") as f:
                        return self.answer(200, f.read(), "video/mp4")
                return self.answer(404, b"not here")

            def do_POST(self):
                length = int(self.headers.get("Content-Length", "0"))
                form = urllib.parse.parse_qs(self.rfile.read(length).decode())
                if form.get("user") != ["member"]:
                    return self.answer(403, b"wrong user")
                self.answer(303, b"", headers=[
                    ("Location", "/watch"),
                    ("Set-Cookie", f"members={site.session}; Path=/; HttpOnly; SameSite=Lax"),
                    ("Set-Cookie", "theme=dark; Path=/")])

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.base = f"http://127.0.0.1:{self.server.server_address[1]}"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


LOGIN_PAGE = b"""<!doctype html><html><head><title>Members: sign in</title></head><body>
<form method="post" action="/login"><input id="user" name="user"><button id="enter">Sign in</button></form>
</body></html>"""
WATCH_PAGE = b"""<!doctype html><html><head><title>Members' clip</title></head><body style="font: 20px sans-serif">
<h1>Members' clip</h1>
<p><a id="clip" href="/media/members-clip.mp4">The clip itself</a></p>
<video id="player" src="/media/members-clip.mp4" width="320" height="180" controls></video>
</body></html>"""


class WebDriver:
    """Just enough of the W3C WebDriver protocol to steer chromedriver."""

    def __init__(self, port):
        self.base = f"http://127.0.0.1:{port}"
        self.session = None

    def call(self, method, path, body=None):
        url = self.base + (f"/session/{self.session}" if self.session else "") + path
        data = json.dumps(body if body is not None else {}).encode() if method == "POST" else None
        request = urllib.request.Request(url, data=data, method=method, headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=60) as response:
                return json.load(response).get("value")
        except urllib.error.HTTPError as error:
            fail(f"WebDriver {method} {path}: {error.read().decode(errors='replace')[:600]}")

    def start(self, args):
        capabilities = {"capabilities": {"alwaysMatch": {"browserName": "chrome", "goog:chromeOptions": {
            "binary": "/usr/bin/chromium", "args": args,
            # The browser as a user has it: extensions on, no automation banner over the page.
            "excludeSwitches": ["enable-automation", "disable-extensions", "disable-default-apps"]}}}}
        self.session = self.call("POST", "/session", capabilities)["sessionId"]

    def go(self, url):
        self.call("POST", "/url", {"url": url})

    def run(self, script, *args):
        return self.call("POST", "/execute/sync", {"script": script, "args": list(args)})

    def element(self, css):
        found = self.call("POST", "/element", {"using": "css selector", "value": css})
        return next(iter(found.values()))

    def click(self, css):
        self.call("POST", f"/element/{self.element(css)}/click")

    def type(self, css, text):
        self.call("POST", f"/element/{self.element(css)}/value", {"text": text})

    def window(self):
        return self.call("GET", "/window")

    def switch(self, handle):
        self.call("POST", "/window", {"handle": handle})

    def new_window(self):
        handle = self.call("POST", "/window/new", {"type": "window"})["handle"]
        self.switch(handle)
        return handle

    def quit(self):
        if self.session:
            try:
                self.call("DELETE", "")
            finally:
                self.session = None


class Desktop:
    """An X server of the test's own with openbox, and what the test does on it."""

    def __init__(self, work):
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                                      "-noreset"], pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        if not number:
            fail("the X server did not start")
        self.display = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.display)
        self.openbox = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        wait_for("the window manager", lambda: "_NET_ACTIVE_WINDOW" in self.output(["xprop", "-root", "_NET_SUPPORTED"]))
        self.work = work

    def output(self, command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True).stdout

    def xdotool(self, *args):
        return self.output(["xdotool", *args]).split()

    def activate(self, title):
        windows = wait_for(f"a window named {title!r}", lambda: self.xdotool("search", "--onlyvisible", "--name", title))
        subprocess.run(["xdotool", "windowactivate", "--sync", windows[0]], env=self.env, check=True)
        wait_for(f"{title!r} to be active", lambda: self.xdotool("getactivewindow") == [windows[0]])
        return windows[0]

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], env=self.env, check=True)

    def picture(self, name):
        if not PICTURES:
            return
        os.makedirs(PICTURES, exist_ok=True)
        subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-f", "x11grab", "-video_size", "1280x800", "-i", self.display,
                        "-frames:v", "1", os.path.join(PICTURES, name)], env=self.env, check=True)

    def stop(self):
        for process in (self.openbox, self.xvfb):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def make_clip(path):
    subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=320x180:rate=25:duration=2",
                    "-f", "lavfi", "-i", "sine=frequency=440:duration=2", "-c:v", "libx264", "-pix_fmt", "yuv420p",
                    "-c:a", "aac", "-shortest", "-movflags", "+faststart", path], check=True)


def files_holding(roots, needle, skip=()):
    """Every regular file below `roots` (outside `skip`) whose bytes contain `needle`."""
    found = []
    for root in roots:
        for folder, dirs, names in os.walk(root):
            dirs[:] = [d for d in dirs if os.path.join(folder, d) not in skip]
            for name in names:
                path = os.path.join(folder, name)
                try:
                    # Sockets, pipes and links are no files that keep anything; nothing the
                    # test made is anywhere near this size.
                    if os.path.islink(path) or not os.path.isfile(path) or os.path.getsize(path) > 1 << 28:
                        continue
                    with open(path, "rb") as f:
                        if needle in f.read():
                            found.append(path)
                except OSError:
                    pass
    return found


class Run:
    def __init__(self, work):
        self.work = work
        self.home = os.path.join(work, "home")
        self.out = os.path.join(self.home, "Videos")
        self.config = os.path.join(self.home, ".config")
        self.data = os.path.join(self.home, ".local/share")
        self.runtime = os.path.join(self.home, "runtime")
        self.tmp = os.path.join(self.home, "tmp")
        for folder in (self.out, os.path.join(self.config, "Vireloom"), self.data, self.runtime, self.tmp):
            os.makedirs(folder, exist_ok=True)
        os.chmod(self.runtime, 0o700)
        with open(os.path.join(self.config, "Vireloom/Vireloom.conf"), "w") as f:
            f.write(f"[General]\nfolder={self.out}\nsoundOnDone=false\ncheckEngineUpdates=false\nwatchClipboard=false\n")
        self.profile = os.path.join(self.config, "chromium")
        self.processes = []

    def environment(self, desktop):
        env = dict(desktop.env, HOME=self.home, XDG_CONFIG_HOME=self.config, XDG_DATA_HOME=self.data,
                   XDG_CACHE_HOME=os.path.join(self.home, ".cache"), XDG_RUNTIME_DIR=self.runtime, TMPDIR=self.tmp,
                   LANGUAGE="en_US", LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb", QT_QUICK_BACKEND="software",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.pop("XDG_CURRENT_DESKTOP", None)
        return env

    def history(self):
        try:
            with open(os.path.join(self.data, "Vireloom/history.json")) as f:
                return json.load(f)
        except (OSError, ValueError):
            return []

    def app_pid(self):
        try:
            with open(os.path.join(self.runtime, "vireloom/instance.sock.lock")) as f:
                return int(f.readline())
        except (OSError, ValueError):
            return None


class Browser:
    """Chromium under chromedriver with the extension loaded, its button pinned to the toolbar,
    and a window of the extension's own (its options page) to read the button's state from."""

    def __init__(self, run, desktop, env, site):
        self.desktop = desktop
        self.site = site
        # Pinned, as a user would pin it, so that its badge shows on the toolbar.
        os.makedirs(os.path.join(run.profile, "Default"), exist_ok=True)
        with open(os.path.join(run.profile, "Default/Preferences"), "w") as f:
            json.dump({"extensions": {"pinned_extensions": [EXTENSION_ID]}}, f)
        port = free_port()
        self.chromedriver = subprocess.Popen(["chromedriver", f"--port={port}"], env=env, stdout=subprocess.DEVNULL,
                                             stderr=subprocess.DEVNULL, start_new_session=True)
        self.driver = WebDriver(port)
        wait_for("chromedriver", lambda: _answers(port))
        args = [f"--user-data-dir={run.profile}", f"--load-extension={EXTENSION}", "--no-first-run",
                "--window-size=1200,760", "--window-position=0,0", "--password-store=basic", "--disable-gpu"]
        if os.geteuid() == 0:
            args.append("--no-sandbox")
        self.driver.start(args)
        self.site_window = self.driver.window()
        self.options_window = None

    def open_options(self):
        self.options_window = self.driver.new_window()
        self.driver.go(f"chrome-extension://{EXTENSION_ID}/options.html")
        self.driver.switch(self.site_window)

    def button(self):
        """The button's badge and title on the site window's tab: the one active tab that is
        not the extension's own page."""
        self.driver.switch(self.options_window)
        try:
            return self.driver.run("""
                const tabs = (await chrome.tabs.query({active: true})).filter((tab) => !(tab.url ?? "").startsWith(location.origin));
                if (tabs.length !== 1) return null;
                return {badge: await chrome.action.getBadgeText({tabId: tabs[0].id}),
                        title: await chrome.action.getTitle({tabId: tabs[0].id})};
            """)
        finally:
            self.driver.switch(self.site_window)

    def with_options(self, script):
        self.driver.switch(self.options_window)
        try:
            return self.driver.run(script)
        finally:
            self.driver.switch(self.site_window)

    def press_shortcut(self, title):
        """Alt+Shift+D on the window showing `title`; waits until the button says something new."""
        before = self.button()
        self.desktop.activate(title)
        self.desktop.keys("alt+shift+d")
        return wait_for("the button to say what became of the link", lambda: _changed(self.button(), before))

    def context_menu(self, css):
        """Right-clicks the element `css` of the site's page, as the mouse would."""
        d = self.driver
        sx, sy, ow, oh, iw, ih, left, top, width, height = d.run("""
            const r = document.querySelector(arguments[0]).getBoundingClientRect();
            return [screenX, screenY, outerWidth, outerHeight, innerWidth, innerHeight, r.left, r.top, r.width, r.height];
        """, css)
        x, y = int(sx + (ow - iw) / 2 + left + width / 2), int(sy + (oh - ih) + top + height / 2)
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "3"], env=self.desktop.env, check=True)

    def quit(self):
        try:
            self.driver.quit()
        except AssertionError:
            pass
        os.killpg(self.chromedriver.pid, signal.SIGTERM)
        self.chromedriver.wait()


def _changed(state, before):
    return state if state and state.get("badge") and state != before else None


def accessible_app():
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Vireloom" and app.childCount > 0:
            return app
    return None


def cards(node, depth=0):
    """The names of the download cards (list items) below `node`."""
    import pyatspi
    names = []
    if node is None or depth > 60:
        return names
    try:
        if node.getRole() == pyatspi.ROLE_LIST_ITEM:
            names.append(node.name or "")
        for i in range(node.childCount):
            names += cards(node.getChildAtIndex(i), depth + 1)
    except Exception:
        pass
    return names


def login_failures_shown():
    """How many cards of Vireloom's window show a login failure."""
    return sum(1 for name in cards(accessible_app()) if any(failure in name for failure in LOGIN_FAILURES))


def wait_for_login_failures(what, count):
    try:
        wait_for(what, lambda: login_failures_shown() >= count, DOWNLOAD_SECONDS, 1)
    except AssertionError as error:
        fail(f"{error}; the cards read {cards(accessible_app())}")


def check(condition, message):
    if not condition:
        fail(message)


def scenario(run, desktop, env, site, browser):
    d = browser.driver
    register = subprocess.run([APP, "--register-browsers"], env=env, capture_output=True, text=True, timeout=60)
    check(register.returncode == 0, f"--register-browsers failed: {register.stdout}{register.stderr}")
    with open(os.path.join(run.profile, "NativeMessagingHosts", HOST_NAME + ".json")) as f:
        manifest = json.load(f)
    check(f"chrome-extension://{EXTENSION_ID}/" in manifest.get("allowed_origins", []),
          f"the host manifest does not admit the extension: {manifest}")

    # The login: the site's form, then its members' page.
    d.go(site.base + "/login")
    d.type("#user", "member")
    d.click("#enter")
    wait_for("the members' page", lambda: d.run("return document.title") == "Members' clip")
    browser.open_options()
    status = wait_for("the options page to hear from the host", lambda: browser.with_options(
        "return document.getElementById('host').className === 'status ready' && document.getElementById('host').textContent"))
    print(f"options page: {status}", flush=True)

    # The login option off: the shortcut sends the page alone, the host starts Vireloom in
    # the tray, and the download fails as one that asks for a login; so does the same link
    # typed into Vireloom's window.
    desktop.activate("Vireloom - Chromium")
    desktop.picture("options.png")
    browser.with_options("document.getElementById('login').click()")
    wait_for("the login option to be off", lambda: browser.with_options(
        "return (await chrome.storage.local.get('handOverLogin')).handOverLogin === false"))
    state = browser.press_shortcut("Members' clip")
    check(state["badge"] == "✓" and "login" not in state["title"], f"without the login the button says {state}")
    # A second launch brings up the window of the one the host started in the tray.
    subprocess.run([APP], env=env, timeout=60, check=True)
    wait_for_login_failures("the login failure in Vireloom's window", 1)
    typed_into_window(desktop, site.base + "/watch")
    wait_for_login_failures("the typed link's login failure", 2)
    desktop.picture("login-failure.png")
    check(site.engine_fetches == 0 and not run.history(), "the clip was served without the login")
    print("without the login, the page fails as one that needs a login", flush=True)

    # The option on again: the page sent again takes the browser's login along, and the
    # engine downloads the clip with it.
    browser.with_options("document.getElementById('login').click()")
    wait_for("the login option to be on", lambda: browser.with_options(
        "return (await chrome.storage.local.get('handOverLogin')).handOverLogin === true"))
    state = browser.press_shortcut("Members' clip")
    check(state["badge"] == "✓" and "with your login" in state["title"], f"the button says {state}")
    desktop.activate("Members' clip")
    desktop.picture("badge-taken.png")
    entry = wait_for("the download in the history", run.history, DOWNLOAD_SECONDS, 0.5)[0]
    file = entry.get("file", "")
    check(file.startswith(run.out) and os.path.getsize(file) > 0, f"the history entry names no file in the download folder: {entry}")
    check(site.engine_fetches > 0, f"the engine never fetched the clip with the login: {site.clip_fetches}")
    print(f"the shortcut downloaded {os.path.basename(file)} with the browser's login", flush=True)

    # The context menu on the link: its submenu of qualities, then audio only as MP3.
    browser.context_menu("#clip")
    # The menu takes the keyboard once it shows; the last entries are ours, then "Inspect".
    time.sleep(1)
    desktop.keys("Up", "Up", "Right")
    time.sleep(1)
    desktop.picture("context-menu.png")
    desktop.keys(*["Down"] * 6, "Return")
    entry = wait_for("the MP3 in the history", lambda: len(run.history()) > 1 and run.history()[0], DOWNLOAD_SECONDS, 0.5)
    check(entry.get("file", "").endswith(".mp3") and entry.get("quality") == "MP3", f"the menu's MP3 is {entry}")
    state = browser.button()
    check("with your login" in state["title"], f"after the menu the button says {state}")
    print(f"the context menu downloaded {os.path.basename(entry['file'])}", flush=True)

    # A tab that is no web page: the button refuses and says why.
    browser.driver.switch(browser.site_window)
    browser.driver.go("data:text/html,<title>Not on the web</title><p>A page of no site.")
    state = browser.press_shortcut("Not on the web")
    check(state["badge"] == "!" and "not a web address" in state["title"], f"on a data: page the button says {state}")
    hover_button(desktop)
    desktop.picture("badge-refused.png")


def typed_into_window(desktop, link):
    """Types `link` into Vireloom's link field, as a user does, and presses Download."""
    import pyatspi
    desktop.activate("^Vireloom$")
    app = wait_for("Vireloom on the accessibility bus", accessible_app)
    entry = wait_for("the link field", lambda: find_accessible(app, "Paste a video link", {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}))
    entry.queryComponent().grabFocus()
    wait_for("the link field to take the keyboard", lambda: entry.getState().contains(pyatspi.STATE_FOCUSED))
    subprocess.run(["xdotool", "type", "--delay", "20", link], env=desktop.env, check=True)
    wait_for("the typed link in the field", lambda: entry.queryText().getText(0, -1) == link)
    button = wait_for("the Download button", lambda: find_accessible(app, "Download", {pyatspi.ROLE_PUSH_BUTTON}, exact=True))
    button.queryAction().doAction(0)


def find_accessible(node, name, roles, exact=False, depth=0):
    if node is None or depth > 60:
        return None
    try:
        label = node.name or ""
        if node.getRole() in roles and (label == name if exact else label.startswith(name)):
            if node.getState().contains(__import__("pyatspi").STATE_SHOWING):
                return node
        for i in range(node.childCount):
            found = find_accessible(node.getChildAtIndex(i), name, roles, exact, depth + 1)
            if found:
                return found
    except Exception:
        return None
    return None


def hover_button(desktop):
    """Rests the pointer on the extension's toolbar button until its tooltip shows."""
    if not PICTURES:
        return
    window = desktop.xdotool("getactivewindow")[0]
    geometry = dict(line.split("=") for line in desktop.output(["xdotool", "getwindowgeometry", "--shell", window]).split())
    # Pinned buttons sit left of the extensions menu, the profile button and the main menu.
    # Its left edge, so that the pointer hides neither the badge nor the tooltip.
    x = int(geometry["X"]) + int(geometry["WIDTH"]) - 164
    y = int(geometry["Y"]) + 62
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], env=desktop.env, check=True)
    time.sleep(2)


def no_cookie_left(run, site, tmp_before):
    """Nothing outside the browser's profile holds the login cookie's value."""
    value = site.session.encode()
    roots = [run.home] + [os.path.join("/tmp", name) for name in set(os.listdir("/tmp")) - tmp_before]
    skip = {run.profile, os.path.join(run.home, ".cache/chromium")}
    # The search itself must find what is there.
    canary = os.path.join(run.home, "canary")
    with open(canary, "wb") as f:
        f.write(b"x" + value + b"x")
    check(files_holding(roots, value, skip) == [canary], "the search for the cookie misses a file that holds it")
    os.remove(canary)
    found = files_holding(roots, value, skip)
    check(not found, f"the login cookie was left in {found}")


def quit_app(run):
    """Ends the Vireloom the host started, and waits until it is gone."""
    pid = run.app_pid()
    if not pid:
        return
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        try:
            os.kill(pid, 0)
        except ProcessLookupError:
            return
        time.sleep(0.2)
    os.kill(pid, signal.SIGKILL)


def main():
    work = tempfile.mkdtemp(prefix="vireloom-browser-")
    tmp_before = set(os.listdir("/tmp"))
    run = Run(work)
    desktop = site = browser = atspi = None
    try:
        desktop = Desktop(work)
        env = run.environment(desktop)
        atspi = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env, start_new_session=True)
        clip = os.path.join(work, "members-clip.mp4")
        make_clip(clip)
        site = Site(clip)
        browser = Browser(run, desktop, env, site)
        scenario(run, desktop, env, site, browser)
        browser.quit()
        browser = None
        quit_app(run)
        no_cookie_left(run, site, tmp_before)
        print("no file outside the browser's profile holds the login cookie", flush=True)
        print("PASS", flush=True)
    finally:
        if browser:
            browser.quit()
        quit_app(run)
        if atspi:
            os.killpg(atspi.pid, signal.SIGTERM)
            atspi.wait()
        if site:
            site.stop()
        if desktop:
            desktop.stop()
        shutil.rmtree(work, ignore_errors=True)


def _answers(port):
    try:
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/status", timeout=2) as response:
            return json.load(response).get("value", {}).get("ready")
    except OSError:
        return False


if __name__ == "__main__":
    main()
