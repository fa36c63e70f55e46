"""The site as tools/run-web.sh serves it: compressed, cached by hash,
installable in either edition; after one visit both editions work whole with
the server stopped, and a new version of the site takes over at the next
visit without losing the order on screen, saying so."""
import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest
import urllib.request

import brotli

from page_session import ROOT, SITE, Browser, PageTest

sys.path.insert(0, os.path.join(ROOT, "tools"))
import serve_site  # noqa: E402

UPDATED = "このページは新しい版に更新されました。次に開くときから新しい版で動きます。"


class ServedSite:
    """A copy of the built site, served by the project's server on a port
    that stays the same when the server stops and starts again."""

    def __init__(self):
        self.folder = os.path.join(tempfile.mkdtemp(prefix="scanfee-served-"), "site")
        shutil.copytree(SITE, self.folder)
        self.port = None
        self.start()
        self.url = f"http://127.0.0.1:{self.port}/"

    def start(self):
        self.server = serve_site.server(self.folder, self.port or 0)
        self.port = self.server.server_address[1]
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()

    close = stop

    def get(self, path, **headers):
        try:
            with urllib.request.urlopen(urllib.request.Request(self.url + path, headers=headers)) as r:
                return r.status, dict(r.headers), r.read()
        except urllib.error.HTTPError as e:
            return e.code, dict(e.headers), b""


class Offline(PageTest):
    @classmethod
    def setUpClass(cls):
        cls.site = ServedSite()
        cls.browser = Browser(cls.site)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        shutil.rmtree(os.path.dirname(cls.site.folder), ignore_errors=True)

    def test_served_compressed_and_cached_by_hash(self):
        s = self.site
        status, headers, page = s.get("?edition=shop", **{"Accept-Encoding": "gzip, deflate, br"})
        self.assertEqual((status, headers["Content-Encoding"], headers["Cache-Control"]), (200, "br", "no-cache"))
        page = brotli.decompress(page).decode()
        self.assertIn('<meta name="description"', page)
        wasm = page.split('href="scanfee-page.wasm?v=')[1].split('"')[0]
        status, headers, body = s.get(f"scanfee-page.wasm?v={wasm}", **{"Accept-Encoding": "gzip"})
        self.assertEqual((headers["Content-Type"], headers["Content-Encoding"]), ("application/wasm", "gzip"))
        self.assertIn("max-age=31536000", headers["Cache-Control"])
        with open(os.path.join(s.folder, "scanfee-page.wasm"), "rb") as f:
            raw = f.read()
        self.assertEqual(gzip.decompress(body), raw)
        self.assertLess(len(body), len(raw) * 0.7)
        self.assertEqual(s.get(f"scanfee-page.wasm?v={wasm}", **{"Accept-Encoding": "gzip",
                                                                "If-None-Match": headers["ETag"]})[0], 304)
        # Every text file and the program lie compressed beside themselves.
        for name in ["index.html", "page.js", "page.css", "service-worker.js", "scanfee-page.js",
                     "scanfee-page.wasm", "shop.webmanifest"]:
            for ext in (".br", ".gz"):
                self.assertTrue(os.path.exists(os.path.join(s.folder, name + ext)), name + ext)
        self.assertEqual(s.get("../" + os.path.basename(__file__))[0], 404)

    def installable(self, edition, name):
        b = self.browser
        b.open(edition)
        b.wait(lambda: b.js("return !!navigator.serviceWorker.controller;"), "the worker in control", 30)
        manifest = b.driver.execute_cdp_cmd("Page.getAppManifest", {})
        self.assertIn(f"/{edition}.webmanifest", manifest["url"])
        self.assertIn(f'"name": "{name}"', manifest["data"])
        # Installed, the page opens in the edition it was installed from.
        start = "./?edition=shop" if edition == "shop" else "./"
        self.assertIn(f'"start_url": "{start}"', manifest["data"])
        self.assertEqual(b.driver.execute_cdp_cmd("Page.getAppManifest", {}).get("errors", []), [])
        errors = b.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
        self.assertEqual(errors, [])

    def test_both_editions_install_work_offline_and_take_a_new_version(self):
        b = self.browser
        s = self.site
        self.installable("customer", "スキャン料金計算（お客様用）")
        self.installable("shop", "スキャン料金計算（店舗用）")
        s.stop()
        try:
            # The customer's order, its coupon and the mail attachment.
            b.open("customer")
            b.add_title("BUTTON5", "ワンピース　１巻", "CHECK1")
            b.type("COMBO1", "1612310042")
            b.click("BUTTON15")
            b.click("BUTTON2")
            b.answer("ok")
            b.save_as("mail")
            b.answer("ok")
            mail = b.downloaded("mail.TXT")
            self.assertIn("ワンピース　１巻".encode("cp932"), mail)
            # The shop: an order saved, loaded in a fresh page, its papers
            # up to the statement, and a reload that brings it back.
            b.open("shop")
            b.add_title("BUTTON5", "ABC", "CHECK4")
            b.type("EDIT7", "山田太郎")
            total = b.text("TEXT12")
            b.click("BUTTON3")
            b.save_as("offline.SAV")
            saved = os.path.join(b.downloads, "offline.SAV")
            b.downloaded("offline.SAV")
            b.open("shop")
            b.click("BUTTON4")
            b.open_file(saved)
            b.no_dialog()
            self.assertEqual((b.text("TEXT12"), b.text("EDIT7")), (total, "山田太郎"))
            b.type("EDIT4", "500")  # changed since the load: kept in the recovery copy
            b.click("BUTTON2")
            b.answer("ok")
            for _ in range(3):
                b.save_as(None)
            b.answer("ok")
            b.wait(lambda: b.top_form() == "FORM5", "the statement screen")
            self.assertIn("ABC", b.text("EDIT6"))
            b.click("BUTTON22")
            b.save_as("statement")
            b.downloaded("statement.TXT")
            b.reload()
            b.answer("yes")
            b.wait(lambda: b.shown("MAINFORM") and b.text("EDIT4") == "500", "the order back")
        finally:
            self.publish_new_version()
            s.start()
        # The next visit: the old version opens, the new one takes over.
        b.reload()
        b.answer("yes")
        b.wait(lambda: b.js("return !!document.getElementById('updated');"), "the notice of the update", 30)
        self.assertEqual(b.js("return document.getElementById('updated').firstChild.textContent;"), UPDATED)
        self.assertEqual((b.text("TEXT12"), b.text("EDIT4")), (total, "500"))
        self.assertIsNone(b.js("return document.querySelector('meta[name=scanfee-test]');"))
        b.js("document.querySelector('#updated button').click();")
        b.answer("yes")
        b.wait(lambda: b.shown("MAINFORM") and b.text("EDIT4") == "500", "the order in the new version")
        self.assertEqual(b.text("TEXT12"), total)
        self.assertTrue(b.js("return !!document.querySelector('meta[name=scanfee-test]');"))
        self.assertEqual(b.text("EDIT7"), "山田太郎")

    def publish_new_version(self):
        folder = self.site.folder
        index = os.path.join(folder, "index.html")
        with open(index, encoding="utf-8") as f:
            text = f.read()
        with open(index, "w", encoding="utf-8") as f:
            f.write(text.replace("</head>", '<meta name="scanfee-test" content="2">\n</head>'))
        for ext in (".br", ".gz"):
            os.remove(index + ext)
        subprocess.run(["/usr/bin/python3", os.path.join(ROOT, "src", "web", "prepare-site.py"), folder,
                        os.path.join(ROOT, "src", "web", "service-worker.js")], check=True)


if __name__ == "__main__":
    unittest.main()
