"""The statement and the fee breakdown printed from the page put every
word where `scanfee --print-pdf` of the same paper puts it: at the same x
within 0.5 pt, on the same page, read back from both PDFs with pdftotext
-bbox; in Chromium and in Firefox. On screen, the statement, the fee
breakdown and the title list keep every character in its cells."""
import base64
import html
import os
import re
import shutil
import subprocess
import tempfile
import unittest

from engines import FirefoxBrowser
from page_session import NATIVE_DRIVER, ROOT, Keys, PageTest

TITLES = ["進撃の巨人　１巻", "ABC 12", "名探偵コナン　第２巻"]
NATIVE = os.path.join(os.path.dirname(NATIVE_DRIVER), "scanfee")
FIREFOX = os.environ.get("SCANFEE_FIREFOX", "/usr/bin/firefox-esr")
PUPPETEER = os.path.join(ROOT, "node_modules", "puppeteer-core")
WORD = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>')

# The worst distance, in px, of a character from the left edge of its cells
# in the element's lines: "あ" two cells, "A" one, a cell half the font size.
MISPLACED = """
const e = document.getElementById(arguments[0]);
const style = getComputedStyle(e);
const cell = parseFloat(style.fontSize) / 2;
const lines = e.matches('textarea') ? e.value.split('\\n')
                                    : [...e.querySelectorAll('[role=option]')].map((r) => r.textContent);
const probe = document.createElement('pre');
probe.style.cssText = 'position: absolute; left: 0; top: 0; margin: 0; white-space: pre; font-kerning: none;';
probe.style.fontFamily = style.fontFamily;
probe.style.fontSize = style.fontSize;
document.body.append(probe);
let worst = 0;
for (const line of lines) {
  probe.textContent = line;
  const text = probe.firstChild;
  if (!text) continue;
  const range = document.createRange();
  let column = 0, offset = 0, left = null;
  for (const c of line) {
    range.setStart(text, offset);
    range.setEnd(text, offset + c.length);
    const x = range.getBoundingClientRect().left;
    if (left === null) left = x;
    worst = Math.max(worst, Math.abs(x - left - column * cell));
    const code = c.codePointAt(0);
    column += code < 0x80 || (code >= 0xff61 && code <= 0xff9f) ? 1 : 2;
    offset += c.length;
  }
}
probe.remove();
return worst;
"""


def words(pdf, folder, name):
    """Every page's lines, top to bottom, each its words as (text, x), as
    pdftotext reads them; a word that touches the one before it (pdftotext
    ends a word where the font changes) is part of it."""
    path = os.path.join(folder, name)
    with open(path + ".pdf", "wb") as f:
        f.write(pdf)
    subprocess.run(["pdftotext", "-bbox", path + ".pdf", path + ".html"], check=True)
    with open(path + ".html", encoding="utf-8") as f:
        pages = f.read().split("<page ")[1:]
    result = []
    for page in pages:
        found = sorted(((float(x), float(y), float(end), html.unescape(t)) for x, y, end, t in WORD.findall(page)),
                       key=lambda w: (round(w[1]), w[0]))
        lines = []
        for x, y, end, text in found:
            if not lines or abs(lines[-1]["y"] - y) > 1.5:
                lines.append({"y": y, "words": []})
            line = lines[-1]["words"]
            if line and x - line[-1][2] < 0.2:
                line[-1] = (line[-1][0] + text, line[-1][1], end)
            else:
                line.append((text, x, end))
        result.append([[(text, x) for text, x, _ in line["words"]] for line in lines])
    return result


def native_pdf(text, folder, name):
    """`text` as the system writes a paper, printed by `scanfee --print-pdf`."""
    paper = os.path.join(folder, name + ".TXT")
    with open(paper, "wb") as f:
        f.write(text.replace("\n", "\r\n").encode("cp932"))
    subprocess.run([NATIVE, "--print-pdf", paper, paper + ".pdf"], check=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), timeout=60)
    with open(paper + ".pdf", "rb") as f:
        return f.read()


class PrintAlignment(PageTest):
    maxDiff = None
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.folder = tempfile.mkdtemp(prefix="scanfee-print-")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder, ignore_errors=True)
        super().tearDownClass()

    def assert_lined_up(self, pdf, text, what):
        name = what.replace(" ", "-")
        printed = words(pdf, self.folder, name)
        native = words(native_pdf(text, self.folder, name + "-native"), self.folder, name + "-native")
        self.assertEqual(len(printed), len(native), f"{what}: the number of pages")
        for p, (page, expected) in enumerate(zip(printed, native)):
            self.assertEqual([[w for w, _ in line] for line in page], [[w for w, _ in line] for line in expected],
                             f"{what}, page {p + 1}: the words of its lines")
            # The last line is the page number, centred at the foot.
            for n, (line, expected_line) in enumerate(zip(page, expected)):
                for (word, x), (_, native_x) in zip(line, expected_line):
                    self.assertAlmostEqual(x, native_x, delta=0.5 if n + 1 < len(page) else 1.0,
                                           msg=f"{what}, page {p + 1}: {word} at {x:.2f} pt, natively {native_x:.2f}")

    def print_papers(self, b, pdf, engine):
        """A shop order entered, then its statement and fee breakdown, each
        printed with Ctrl+P and held against the window program's print;
        `pdf` is the engine's print of the page to PDF bytes."""
        b.open("shop")
        for title in TITLES:
            b.add_title("BUTTON5", title)
        b.click("BUTTON5")
        self.assertGreater(len(b.rows("LIST1")), len(TITLES))
        self.assertLessEqual(b.js(MISPLACED, "LIST1"), 1.0, f"{engine}: the title list's columns")
        b.click("BUTTON11")
        b.click("BUTTON2")
        b.answer("cancel")
        b.answer("ok")
        b.wait(lambda: b.top_form() == "FORM5", "the statement screen")
        for paper in ("statement", "breakdown"):
            text = b.text("EDIT6")
            self.assertEqual("\\" in text, paper == "statement")
            self.assertLessEqual(b.js(MISPLACED, "EDIT6"), 1.0, f"{engine}: the {paper}'s columns on screen")
            # The page's own print, with the browser's dialog left out.
            b.js("window.print = () => {};")
            b.chord(Keys.CONTROL, "p")
            self.assert_lined_up(pdf(paper), text, f"{engine} {paper}")
            if paper == "statement":
                b.click("BUTTON21")
                b.wait(lambda: b.text("EDIT6") != text, "the fee breakdown")

    def test_chromium_prints_and_shows_the_columns_as_the_window_program(self):
        b = self.browser
        self.print_papers(b, lambda _: base64.b64decode(
            b.driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"]), "Chromium")

    @unittest.skipUnless(os.path.exists(FIREFOX) and os.path.isdir(PUPPETEER),
                         "Firefox ESR and puppeteer-core (npm ci) are needed")
    def test_firefox_prints_and_shows_the_columns_as_the_window_program(self):
        b = FirefoxBrowser(self.site)

        def pdf(paper):
            path = os.path.join(self.folder, f"firefox-{paper}.pdf")
            b.driver.call("pdf", path=path)
            with open(path, "rb") as f:
                return f.read()
        try:
            self.print_papers(b, pdf, "Firefox")
        finally:
            b.quit()


if __name__ == "__main__":
    unittest.main()
