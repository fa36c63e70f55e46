"""The page's other engines for the same sessions: Firefox ESR over WebDriver
BiDi (puppeteer-core in Node, behind the calls of Selenium's driver that the
sessions use) and WebKitGTK's MiniBrowser through Selenium and
WebKitWebDriver (on an X server: run under xvfb-run)."""
import glob
import json
import os
import shutil
import subprocess
import tempfile
import warnings

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions

from page_session import ROOT, Browser

HERE = os.path.dirname(os.path.abspath(__file__))


class EngineError(AssertionError):
    pass


class FirefoxElement:
    """An element found by the sessions, looked up again at each call."""

    def __init__(self, driver, css, index=0, inside=()):
        self.driver = driver
        self.locator = {"css": css, "index": index, "inside": list(inside)}

    def _call(self, op, **args):
        return self.driver.call(op, locator=self.locator, **args)

    def click(self):
        self._call("click")

    def send_keys(self, *keys):
        self._call("sendKeys", text="".join(keys))

    @property
    def text(self):
        return self._call("text")

    @property
    def tag_name(self):
        return self._call("tag")

    def get_attribute(self, name):
        return self._call("attribute", name=name)

    def find_element(self, by, value):
        if by != By.CSS_SELECTOR:
            raise EngineError(f"firefox: find_element by {by} is not offered")
        loc = self.locator
        return FirefoxElement(self.driver, loc["css"], loc["index"], loc["inside"] + [value])


class FirefoxDriver:
    """The part of Selenium's WebDriver the sessions use, over the bridge."""

    def __init__(self, downloads):
        self.process = subprocess.Popen(["node", os.path.join(HERE, "firefox_bridge.mjs"), downloads],
                                        cwd=ROOT, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, encoding="utf-8")

    def call(self, op, **args):
        self.process.stdin.write(json.dumps(dict(op=op, **args)) + "\n")
        self.process.stdin.flush()
        line = self.process.stdout.readline()
        if not line:
            raise EngineError(f"firefox: the bridge ended (status {self.process.wait()})")
        answer = json.loads(line)
        if "error" in answer:
            raise EngineError(f"firefox: {op}: {answer['error']}")
        return answer["value"]

    def get(self, url):
        self.call("get", url=url)

    def refresh(self):
        self.call("refresh")

    def execute_script(self, body, *args):
        return self.call("script", body=body, args=list(args))

    def find_element(self, by, value):
        if by == By.ID:
            value = f"#{value}"
        elif by != By.CSS_SELECTOR:
            raise EngineError(f"firefox: find_element by {by} is not offered")
        if not self.call("count", css=value):
            raise EngineError(f"firefox: no element {value}")
        return FirefoxElement(self, value)

    def find_elements(self, by, value):
        if by != By.CSS_SELECTOR:
            raise EngineError(f"firefox: find_elements by {by} is not offered")
        return [FirefoxElement(self, value, i) for i in range(self.call("count", css=value))]

    def quit(self):
        try:
            self.call("quit")
        except EngineError:
            pass
        self.process.wait(timeout=30)
        self.process.stdin.close()
        self.process.stdout.close()


class OtherEngine(Browser):
    """What differs from Chromium for an engine without the DevTools
    protocol: the site's storage emptied from a page of the site, keys sent
    through the engine's own driver."""
    engine = None

    def forget_storage(self):
        # A plain file of the site, where no program runs that could write.
        self.driver.get(self.site.url + "scanfee.svg")
        self.js("localStorage.clear(); sessionStorage.clear();")

    def downloaded(self, name, timeout=10):
        try:
            return super().downloaded(name, timeout)
        except AssertionError as failure:
            raise EngineError(f"{self.engine}: {failure}; the folder holds {os.listdir(self.downloads)}") from None


class FirefoxBrowser(OtherEngine):
    engine = "firefox"

    def __init__(self, site, scale=1.0, env=None):
        self.site = site
        self.downloads = tempfile.mkdtemp(prefix="scanfee-downloads-")
        self.driver = FirefoxDriver(self.downloads)

    def keys(self, *keys):
        self.driver.call("keys", text="".join(keys))

    def resize(self, width, height):
        self.driver.call("viewport", width=width, height=height)

    def chord(self, modifier, key):
        self.keys(modifier, key)


def minibrowser():
    found = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")
    if not found:
        raise EngineError("webkit: no MiniBrowser of libwebkit2gtk-4.1 (package webkit2gtk-driver)")
    return found[0]


class WebKitBrowser(OtherEngine):
    engine = "webkit"

    def __init__(self, site, scale=1.0, env=None):
        self.site = site
        # WebKitGTK downloads into the home folder: a fresh one for the run.
        self.downloads = tempfile.mkdtemp(prefix="scanfee-downloads-")
        if not os.environ.get("DISPLAY"):
            raise EngineError("webkit: the MiniBrowser needs an X server (run the tests under xvfb-run -a)")
        options = WebKitOptions()
        options.binary_location = minibrowser()
        options.add_argument("--automation")
        # The driver and its browser take the environment at their start.
        saved = dict(os.environ)
        os.environ.update(HOME=self.downloads, **(env or {}))
        try:
            with warnings.catch_warnings():
                # Selenium 4.8's own WebKitGTK class uses what it deprecates.
                warnings.simplefilter("ignore", DeprecationWarning)
                # The MiniBrowser's GTK messages go where the driver's do.
                self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options,
                                                  service_log_path=os.devnull)
        finally:
            os.environ.clear()
            os.environ.update(saved)
        self.resize(1100, 900)

    def resize(self, width, height):
        self.driver.set_window_size(width, height)

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.downloads, ignore_errors=True)


ENGINES = {"firefox": FirefoxBrowser, "webkit": WebKitBrowser}
