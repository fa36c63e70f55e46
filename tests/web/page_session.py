"""Drives the web edition in headless Chromium as a user would: a static
server on a free port of this machine, Selenium with Debian's chromium and
chromium-driver, the program's controls found by their names."""
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SITE = os.environ.get("SCANFEE_SITE", os.path.join(ROOT, "build-web", "site"))
NATIVE_DRIVER = os.environ.get("SCANFEE_NATIVE_DRIVER", os.path.join(ROOT, "build", "scanfee-run"))
DATA = os.path.join(ROOT, "tests", "e2e", "data")
TODAY = "2016/04/29"

# Headless as root on a fresh machine: no sandbox, nothing fetched in the
# background, nothing asked.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-default-apps", "--disable-extensions", "--disable-sync",
                  "--no-first-run", "--no-default-browser-check", "--metrics-recording-only",
                  "--window-size=1100,900"]


# Chromium's, Firefox's and WebKit's names for a download under way.
PARTIAL_DOWNLOADS = (".crdownload", ".part", ".download")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def end_headers(self):
        # A cold cache for every navigation, as the budgets ask.
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


class Site:
    """The built site on 127.0.0.1, on a port the system chose."""

    def __init__(self, folder=SITE):
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    engine = "chromium"

    def __init__(self, site, scale=1.0, env=None):
        self.site = site
        self.downloads = tempfile.mkdtemp(prefix="scanfee-downloads-")
        options = Options()
        options.binary_location = os.environ.get("SCANFEE_CHROMIUM", "/usr/bin/chromium")
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        if scale != 1.0:
            options.add_argument(f"--force-device-scale-factor={scale}")
        options.add_experimental_option("prefs", {
            "download.default_directory": self.downloads,
            "download.prompt_for_download": False,
            "profile.default_content_setting_values.automatic_downloads": 1,
        })
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        service = Service(os.environ.get("SCANFEE_CHROMEDRIVER", "/usr/bin/chromedriver"),
                          env=dict(os.environ, **(env or {})))
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": self.downloads})

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.downloads, ignore_errors=True)

    # --- the page ---------------------------------------------------------
    def open(self, edition="customer", today=TODAY, wait_for="MAINFORM", keep_storage=False):
        """A fresh page; without `keep_storage` the site's storage is
        emptied first, so no recovery copy of an earlier test is offered."""
        if not keep_storage:
            self.forget_storage()
        query = f"?edition={edition}" + (f"&today={today}" if today else "")
        self.driver.get(self.site.url + query)
        if wait_for:
            self.wait(lambda: self.shown(wait_for), f"{wait_for} shown")

    def forget_storage(self):
        self.driver.execute_cdp_cmd("Storage.clearDataForOrigin", {
            "origin": self.site.url.rstrip("/"), "storageTypes": "local_storage,session_storage"})

    def reload(self):
        """The page loaded again as the user's reload button does: the
        storage stays."""
        self.driver.refresh()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, what, timeout=10):
        try:
            return WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(lambda _: condition())
        except TimeoutException:
            raise AssertionError(f"timed out waiting for {what}") from None

    def el(self, name):
        return self.driver.find_element(By.ID, name)

    def shown(self, name):
        return self.js("const e = document.getElementById(arguments[0]);"
                       "return !!e && e.offsetParent !== null && !e.closest('[hidden]');", name)

    def top_form(self):
        return self.js("const f = [...document.querySelectorAll('.form:not([hidden])')]"
                       ".sort((a, b) => (+b.style.zIndex) - (+a.style.zIndex))[0]; return f ? f.id : null;")

    def text(self, name):
        """What the control shows: a box's value, a label's or caption's text."""
        return self.js("const e = document.getElementById(arguments[0]);"
                       "if (e.matches('input, textarea')) return e.value;"
                       "const i = e.querySelector('input:not([type=checkbox]):not([type=radio])');"
                       "if (i) return i.value;"
                       "const c = e.querySelector('.caption, legend'); return (c || e).textContent;", name)

    def rows(self, name):
        return self.js("return [...document.getElementById(arguments[0]).querySelectorAll('[role=option]')]"
                       ".map(r => r.textContent);", name)

    def row(self, name, index):
        return self.driver.find_elements(By.CSS_SELECTOR, f"#{name} [role=option]")[index]

    def checked(self, name):
        return self.js("return document.getElementById(arguments[0]).querySelector('input').checked;", name)

    def fixed_pitch(self, name):
        """Whether the control's face sets "あ" as wide as "AA" and "i" as
        "W", and has "あ" at all."""
        return self.js("""
            const e = document.getElementById(arguments[0]);
            const ctx = document.createElement('canvas').getContext('2d');
            ctx.font = getComputedStyle(e).fontSize + ' ' + getComputedStyle(e).fontFamily;
            const w = (t) => ctx.measureText(t).width;
            // A face of the family that holds "あ" has loaded: the machine's
            // own or a served slice, not a fallback.
            const family = getComputedStyle(e).fontFamily.split(',')[0].replace(/"/g, '').trim();
            const holds = (range, c) => range.split(',').some((r) => {
              const [from, to] = r.trim().slice(2).split('-').map((h) => parseInt(h, 16));
              return c >= from && c <= (to === undefined ? from : to);
            });
            return Math.abs(w('あ') - 2 * w('A')) < 0.01 && Math.abs(w('i') - w('W')) < 0.01
                   && [...document.fonts].some((f) => f.family.replace(/"/g, '') === family && f.status === 'loaded'
                                                      && holds(f.unicodeRange, 0x3042));""", name)

    def focused(self):
        """The name of the control (or page button) that has the focus."""
        return self.js("const a = document.activeElement; if (!a) return null;"
                       "const c = a.closest('.control'); return c ? c.id : a.id;")

    # --- the user ---------------------------------------------------------
    def click(self, name):
        self.el(name).click()

    def type(self, name, text):
        box = self.el(name)
        if box.tag_name != "input":
            box = box.find_element(By.CSS_SELECTOR, "input")
        box.click()
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(Keys.DELETE)
        if text:
            box.send_keys(text)

    def paste(self, name, text):
        """`text` put into the box at once, as a paste puts it."""
        self.js("const e = document.getElementById(arguments[0]);"
                "const box = e.matches('input') ? e : e.querySelector('input'); box.focus();"
                "box.value = arguments[1]; box.dispatchEvent(new Event('input', {bubbles: true}));",
                name, text)

    def add_title(self, category, title, *clicks):
        """With the mouse: the category's list, a new title typed, the
        controls clicked, back to the summary screen."""
        self.click(category)
        rows = self.rows("LIST1")
        self.row("LIST1", len(rows) - 1).click()
        self.type("EDIT1", title)
        for name in clicks:
            self.click(name)
        self.click("BUTTON14")
        self.click("BUTTON11")

    def keys(self, *keys):
        chain = ActionChains(self.driver)
        for key in keys:
            chain.send_keys(key)
        chain.perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    # --- dialogs ----------------------------------------------------------
    def dialog(self, kind, timeout=10):
        self.wait(lambda: self.js("const d = document.getElementById('dialog');"
                                  "return d.open && d.dataset.kind === arguments[0];", kind),
                  f"a {kind} dialog", timeout)
        return {
            "caption": self.el("dialog-caption").text,
            "text": self.js("return document.getElementById('dialog-text').textContent;"),
            "filter": self.js("const f = document.getElementById('dialog-filter');"
                              "return f.selectedIndex < 0 ? '' : f.options[f.selectedIndex].text;"),
            "filters": self.js("return [...document.getElementById('dialog-filter').options].map(o => o.text);"),
            "input": self.el("dialog-input").get_attribute("value"),
        }

    def no_dialog(self):
        self.wait(lambda: not self.js("return document.getElementById('dialog').open;"), "no dialog")

    def answer(self, button, kind="msgbox"):
        seen = self.dialog(kind)
        self.el(f"dialog-{button}").click()
        return seen

    def save_as(self, name):
        """The next save dialog answered with `name`; None cancels it."""
        seen = self.dialog("save")
        if name is None:
            self.el("dialog-cancel").click()
            return seen
        box = self.el("dialog-input")
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(name)
        self.el("dialog-ok").click()
        return seen

    def open_file(self, path):
        seen = self.dialog("open")
        self.el("dialog-file").send_keys(path)
        self.el("dialog-ok").click()
        return seen

    def downloaded(self, name, timeout=10):
        path = os.path.join(self.downloads, name)
        # Unfinished, a download stands beside its name under another one
        # (Firefox puts an empty file under the name first): no file the
        # program saves is empty.
        self.wait(lambda: os.path.exists(path) and os.path.getsize(path) > 0
                  and not any(os.path.exists(path + partial) for partial in PARTIAL_DOWNLOADS),
                  f"the download {name}", timeout)
        with open(path, "rb") as f:
            return f.read()

    def requested_urls(self):
        urls = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message.get("method") == "Network.requestWillBeSent":
                urls.append(message["params"]["request"]["url"])
        return urls

    def console_errors(self):
        return [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]


DIALOG_LINES = ("msgbox|", "save|", "open|", "input|")


def mail_attachment_script(name):
    """The customer's one comic sent as the mail attachment `name`.TXT."""
    return f"""
click BUTTON5
select LIST1 0
type EDIT1 ワンピース　１巻
click BUTTON14
click BUTTON11
answer ok
answer file {name}
answer ok
click BUTTON2
"""


def native_run(script, edition, today=TODAY, files=()):
    """Plays `script` through the native scanfee-run in a fresh folder;
    returns what it printed (without the lines of its dialogs) and the
    folder."""
    folder = tempfile.mkdtemp(prefix="scanfee-native-")
    for f in files:
        shutil.copy(f, folder)
    done = subprocess.run([NATIVE_DRIVER, "--edition", edition, "--today", today],
                          input=script.encode(), cwd=folder, capture_output=True, timeout=60)
    if done.returncode != 0:
        raise AssertionError(f"the native driver failed: {done.stderr.decode()}")
    printed = [line for line in done.stdout.decode().splitlines() if not line.startswith(DIALOG_LINES)]
    return "\n".join(printed) + "\n", folder


class PageTest(unittest.TestCase):
    """One site and one browser for the tests of a class."""
    scale = 1.0
    browser_env = None
    browser_class = Browser  # Chromium; tests/web/engines.py holds the others

    @classmethod
    def setUpClass(cls):
        cls.site = Site()
        cls.browser = cls.browser_class(cls.site, cls.scale, cls.browser_env)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.site.close()

    def setUp(self):
        for name in os.listdir(self.browser.downloads):
            # WebKit's downloads folder is its home, with the browser's own folders.
            if os.path.isfile(os.path.join(self.browser.downloads, name)):
                os.remove(os.path.join(self.browser.downloads, name))
