"""The screens in the page: every control at its designed place and size,
the fixed-pitch faces of the title list and the statement, the keyboard of
the window program, the end of the run, and no request to any other host;
at 1x and at 1.5x."""
import io
import os
import tempfile
import unittest
import urllib.request

from fontTools.ttLib import TTFont
from page_session import DATA, Keys, PageTest

# Places and sizes from the screens' design (left, top, width, height).
DESIGNED = {
    "MAINFORM": {"BUTTON5": (24, 40, 216, 24), "BUTTON1": (480, 312, 128, 48), "TEXT12": (472, 240, 136, 24),
                 "BUTTON4": (448, 16, 80, 24), "TEXT9": (16, 256, 104, 16)},
    "FORM2": {"LIST1": (16, 104, 608, 310), "BUTTON11": (472, 8, 136, 32), "TEXT14": (336, 56, 152, 24)},
    "FORM3": {"EDIT1": (88, 16, 536, 24), "HSCROLL1": (120, 384, 264, 16), "GROUP2": (432, 48, 184, 88),
              "RADIO5": (448, 104, 160, 16), "CHECK1": (120, 272, 408, 16), "BUTTON14": (544, 392, 80, 40)},
    "FORM4": {"LIST2": (24, 64, 176, 282), "BUTTON19": (344, 192, 168, 24), "CHECK5": (352, 232, 160, 16)},
}
FORM_SIZES = {"MAINFORM": (646, 418), "FORM2": (646, 460), "FORM3": (646, 480), "FORM4": (544, 386)}


class Screens(PageTest):
    def rects(self, form):
        """Every shown control of the form: its place inside the form's
        client area and its size, in CSS pixels."""
        return self.browser.js("""
            const form = document.getElementById(arguments[0]);
            const client = form.querySelector('.client').getBoundingClientRect();
            const out = {client: [client.width, client.height]};
            for (const e of form.querySelectorAll('.client > .control')) {
              if (e.hidden) continue;
              const r = e.getBoundingClientRect();
              out[e.id] = [r.left - client.left, r.top - client.top, r.width, r.height];
            }
            return out;""", form)

    def check_layout(self, form):
        rects = self.rects(form)
        self.assertEqual(tuple(rects.pop("client")), FORM_SIZES[form])
        for name, designed in DESIGNED[form].items():
            with self.subTest(form=form, control=name):
                self.assertEqual(tuple(round(v) for v in rects[name]), designed)
        width, height = FORM_SIZES[form]
        for name, (x, y, w, h) in rects.items():
            with self.subTest(form=form, inside=name):
                self.assertTrue(x >= 0 and y >= 0 and x + w <= width + 0.5 and y + h <= height + 0.5,
                                f"{name} at {x},{y} {w}x{h}")

    def test_every_screen_as_designed_with_its_faces(self):
        b = self.browser
        b.open("shop")
        self.check_layout("MAINFORM")
        self.assertIn("ＭＳ Ｐゴシック", b.js("return getComputedStyle(document.getElementById('TEXT12')).fontFamily;"))
        self.assertEqual(b.js("return getComputedStyle(document.getElementById('TEXT12')).fontSize;"), "22px")
        self.assertEqual(b.js("return getComputedStyle(document.getElementById('TEXT12')).backgroundColor;"),
                         "rgb(255, 255, 0)")
        b.click("BUTTON5")
        self.check_layout("FORM2")
        self.assertTrue(b.fixed_pitch("LIST1"))
        b.row("LIST1", 0).click()
        self.check_layout("FORM3")
        b.keys("題名", Keys.ESCAPE)
        b.click("BUTTON10")
        b.open_file(os.path.join(DATA, "books_sjis.csv"))
        b.wait(lambda: b.top_form() == "FORM4", "the import screen")
        self.check_layout("FORM4")
        self.assertEqual(b.js("return document.getElementById('LIST2').getAttribute('aria-multiselectable');"),
                         "true")
        b.click("BUTTON16")
        b.click("BUTTON11")
        b.click("BUTTON2")
        b.answer("cancel")
        b.answer("ok")
        b.wait(lambda: b.top_form() == "FORM5", "the statement screen")
        self.assertTrue(b.fixed_pitch("EDIT6"))
        self.assertEqual(tuple(round(v) for v in self.rects("FORM5")["EDIT6"]), (16, 40, 760, 504))
        # Nothing came from anywhere but the page's own site.
        urls = b.requested_urls()
        self.assertTrue(urls)
        self.assertEqual([u for u in urls if not u.startswith((self.site.url, "data:", "blob:"))], [])

    def test_the_editions_show_their_own_fields(self):
        b = self.browser
        for edition, shown, hidden in [("customer", ["BUTTON15"], ["EDIT4", "EDIT7", "CHECK8", "TEXT54"]),
                                       ("shop", ["EDIT4", "EDIT7", "CHECK8", "TEXT54"], ["BUTTON15"])]:
            b.open(edition)
            self.assertTrue(b.js("return document.title;").startswith(
                "ミクリ計算総合編集画面" if edition == "shop" else "ミクリ計算総合画面"))
            for name in shown:
                self.assertTrue(b.shown(name), f"{name} in the {edition} edition")
            for name in hidden:
                self.assertFalse(b.shown(name), f"{name} in the {edition} edition")

    def walk(self, presses, back=False):
        b = self.browser
        seen = []
        for _ in range(presses):
            if back:
                b.chord(Keys.SHIFT, Keys.TAB)
            else:
                b.keys(Keys.TAB)
            seen.append(b.focused())
        return seen

    def test_tab_walks_each_screen_in_its_order_and_round(self):
        b = self.browser
        b.open("customer")
        self.assertEqual(b.focused(), "BUTTON5")
        # Down the left column, then down the right one.
        self.assertEqual(self.walk(8), ["BUTTON9", "COMBO1", "BUTTON15", "BUTTON4", "BUTTON3", "BUTTON2",
                                        "BUTTON1", "BUTTON5"])
        self.assertEqual(self.walk(2, back=True), ["BUTTON1", "BUTTON2"])
        # Esc never ends the run on the summary screen.
        b.keys(Keys.ESCAPE)
        self.assertEqual(b.top_form(), "MAINFORM")
        b.click("BUTTON5")
        self.assertEqual(self.walk(4), ["BUTTON10", "BUTTON11", "BUTTON20", "LIST1"])
        # Back on the summary screen, the focus is on the button that led away.
        b.keys(Keys.ESCAPE)
        self.assertEqual(self.walk(1), ["BUTTON9"])
        b.keys(Keys.ENTER)
        self.assertEqual(b.top_form(), "FORM2")
        b.keys(Keys.ESCAPE)
        self.assertEqual(b.top_form(), "MAINFORM")
        self.assertEqual(b.focused(), "BUTTON9")

    def test_arrow_keys_walk_a_radio_group_and_move_the_resolution(self):
        b = self.browser
        b.open("shop")
        b.click("BUTTON5")
        b.keys(Keys.SPACE)  # the caret row, "タイトルを追加"
        b.wait(lambda: b.top_form() == "FORM3", "the entry screen")
        b.keys(Keys.TAB)
        self.assertEqual(b.focused(), "RADIO5")  # the checked one is the group's stop
        b.keys(Keys.ARROW_DOWN)  # the hidden "解体とデータ化" is passed over
        self.assertEqual(b.focused(), "RADIO3")
        self.assertTrue(b.checked("RADIO3") and not b.checked("RADIO5"))
        b.keys(Keys.ARROW_UP)
        self.assertEqual(b.focused(), "RADIO5")
        self.assertTrue(b.checked("RADIO5"))
        b.click("CHECK2")
        b.el("HSCROLL1").click()
        start = int(b.el("HSCROLL1").get_attribute("aria-valuenow"))
        b.keys(Keys.ARROW_RIGHT, Keys.ARROW_UP, Keys.PAGE_DOWN)
        self.assertEqual(int(b.el("HSCROLL1").get_attribute("aria-valuenow")), start - 8)
        b.keys(Keys.HOME)
        self.assertEqual(b.el("HSCROLL1").get_attribute("aria-valuenow"), "50")
        self.assertTrue(b.text("TEXT36").startswith("50 dpi"))

    def test_coupons_are_chosen_from_the_dropped_list_or_by_the_arrow_keys(self):
        b = self.browser
        b.open("customer")
        for coupon in ["1612310042", "1612310033"]:
            b.type("COMBO1", coupon)
            b.click("BUTTON15")
        self.assertEqual(b.rows("COMBO1"), ["1612310042", "1612310033"])
        b.el("COMBO1").find_element("css selector", ".combo-drop").click()
        b.row("COMBO1", 0).click()
        self.assertEqual(b.text("COMBO1"), "1612310042")
        self.assertTrue(b.js("return document.querySelector('#COMBO1 [role=listbox]').hidden;"))
        b.keys(Keys.ARROW_DOWN)
        self.assertEqual(b.text("COMBO1"), "1612310033")
        # The mouse on the resolution bar's arrows steps it by one.
        b.add_title("BUTTON5", "題名")
        b.click("BUTTON5")
        b.row("LIST1", 0).click()
        before = int(b.el("HSCROLL1").get_attribute("aria-valuenow"))
        b.el("HSCROLL1").find_element("css selector", ".scroll-more").click()
        self.assertEqual(int(b.el("HSCROLL1").get_attribute("aria-valuenow")), before + 1)

    def test_the_shops_reminder_at_start_comes_before_the_summary(self):
        b = self.browser
        b.open("shop", today="2016/05/01", wait_for=None)
        seen = b.answer("ok")
        self.assertEqual(seen["caption"], "特別割引のチェック")
        b.wait(lambda: b.shown("MAINFORM"), "the summary screen")
        self.assertEqual(b.focused(), "BUTTON5")

    def test_the_list_caret_moves_with_the_arrows_and_space_opens_its_row(self):
        b = self.browser
        b.open("customer")
        b.click("BUTTON5")
        for title in ["一", "二"]:
            b.keys(Keys.END, Keys.ENTER)
            b.wait(lambda: b.top_form() == "FORM3", "the entry screen")
            b.keys(title, Keys.ESCAPE)
            b.wait(lambda: b.top_form() == "FORM2", "the title list")
        self.assertEqual(len(b.rows("LIST1")), 3)
        b.keys(Keys.HOME, Keys.ARROW_DOWN, Keys.SPACE)
        b.wait(lambda: b.top_form() == "FORM3", "the second title")
        self.assertEqual(b.text("EDIT1"), "二")

    def test_characters_a_box_cannot_take_are_left_out_and_named_beside_it(self):
        b = self.browser
        b.open("shop")
        b.type("EDIT7", "山田é")
        self.assertEqual(b.text("EDIT7"), "山田")
        b.wait(lambda: b.shown("EDIT7-notice"), "the notice")
        self.assertEqual(b.el("EDIT7-notice").text, "「é」は使えない文字です")
        b.paste("EDIT7", "山田é太郎𠮷\t")
        self.assertEqual(b.text("EDIT7"), "山田太郎")
        self.assertEqual(b.el("EDIT7-notice").text, "「é」「𠮷」「タブ」は使えない文字です")
        # A paste beyond the coupon box's ten bytes is cut, with a word.
        b.paste("COMBO1", "161231004299")
        self.assertEqual(b.text("COMBO1"), "1612310042")
        self.assertEqual(b.el("COMBO1-notice").text, "この欄には半角10文字（全角5文字）までしか入りません")
        # Full-width digits count as digits in a digits-only box.
        b.type("EDIT4", "１２３")
        self.assertEqual(b.text("EDIT4"), "123")
        # A key at the start of a full box changes nothing the box held.
        b.type("EDIT5", "12345")
        b.el("EDIT5").send_keys(Keys.HOME, "9")
        self.assertEqual(b.text("EDIT5"), "12345")
        self.assertEqual(b.el("EDIT5-notice").text, "この欄には5桁までしか入りません")

    def test_keys_that_an_input_method_composes_with_stay_in_the_box(self):
        b = self.browser
        b.open("customer")
        b.click("BUTTON5")
        b.keys(Keys.SPACE)  # the caret row, "タイトルを追加"
        self.assertEqual(b.top_form(), "FORM3")
        # Esc drops a conversion, Enter takes it: neither leaves the screen.
        for key in ("Escape", "Enter"):
            b.js("document.activeElement.dispatchEvent(new KeyboardEvent('keydown',"
                 " {key: arguments[0], isComposing: true, bubbles: true, cancelable: true}));", key)
            self.assertEqual(b.top_form(), "FORM3", key)
        b.keys(Keys.ESCAPE)
        self.assertEqual(b.top_form(), "FORM2")

    def test_ctrl_z_on_the_title_list_brings_back_what_was_cleared(self):
        b = self.browser
        b.open("customer")
        b.add_title("BUTTON5", "一巻")
        b.add_title("BUTTON5", "二巻")
        b.click("BUTTON5")
        rows = b.rows("LIST1")
        b.click("BUTTON20")
        self.assertEqual(b.rows("LIST1"), ["タイトルを追加"])
        # Right after the click, the focus still on the button.
        b.chord(Keys.CONTROL, "z")
        self.assertEqual(b.rows("LIST1"), rows)

    def test_the_end_button_ends_the_run_and_the_page_offers_a_new_one(self):
        b = self.browser
        b.open("customer")
        b.click("BUTTON1")
        b.wait(lambda: b.shown("notice"), "the notice of the end")
        self.assertIn("終了しました", b.el("notice").text)
        self.assertIsNone(b.top_form())
        b.el("notice").find_element("css selector", "button").click()
        b.wait(lambda: b.shown("MAINFORM"), "a new run")

    def test_a_wrong_address_is_named(self):
        b = self.browser
        b.open("shop", today="2016/13/01", wait_for=None)
        b.wait(lambda: b.shown("notice") and "today" in b.el("notice").text, "the notice")
        self.assertIn("2016/13/01", b.el("notice").text)
        self.assertIsNone(b.top_form())


class ScreensAtOneAndAHalf(Screens):
    scale = 1.5

    def test_the_page_is_drawn_at_the_scale(self):
        b = self.browser
        b.open("customer")
        self.assertEqual(b.js("return window.devicePixelRatio;"), 1.5)
        png = b.driver.get_screenshot_as_png()
        # The PNG's width stands at bytes 16 to 19 of its header.
        self.assertEqual(int.from_bytes(png[16:20], "big"), round(b.js("return window.innerWidth;") * 1.5))

    def test_a_window_too_small_for_the_screen_scrolls_to_the_focus(self):
        # What a 1366x768 laptop at 150 % leaves the page.
        b = self.browser
        b.driver.set_window_size(912, 427)
        try:
            b.open("customer")
            b.click("BUTTON5")
            b.keys(Keys.SPACE)  # the caret row, "タイトルを追加"
            self.assertEqual(b.top_form(), "FORM3")
            for _ in range(20):
                b.keys(Keys.TAB)
                if b.focused() == "BUTTON14":
                    break
            self.assertEqual(b.focused(), "BUTTON14")
            inside = b.js("const r = document.activeElement.getBoundingClientRect();"
                          "return r.top >= -1 && r.bottom <= window.innerHeight + 1;")
            self.assertTrue(inside, "the focused button lies outside the window")
        finally:
            b.driver.set_window_size(1100, 900)


# A machine without Japanese fonts: the browser's font configuration knows
# only DejaVu, so the page serves its fonts cut from the IPA fonts.
NO_JAPANESE_FONTS = tempfile.mkdtemp(prefix="scanfee-fonts-")
with open(os.path.join(NO_JAPANESE_FONTS, "fonts.conf"), "w") as conf:
    conf.write('<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
               '<dir>/usr/share/fonts/truetype/dejavu</dir>'
               f'<cachedir>{NO_JAPANESE_FONTS}/cache</cachedir></fontconfig>')


class WithoutJapaneseFonts(PageTest):
    browser_env = {"FONTCONFIG_FILE": os.path.join(NO_JAPANESE_FONTS, "fonts.conf")}

    def test_the_served_font_slices_line_up_the_title_list_and_carry_their_licence(self):
        b = self.browser
        b.open("customer")
        b.add_title("BUTTON5", "ワンピース　１巻")
        b.click("BUTTON5")
        b.wait(lambda: b.js("return document.fonts.status === 'loaded';"), "the fonts")
        self.assertTrue(b.fixed_pitch("LIST1"))
        # The addresses carry the files' hashes (?v=...).
        served = sorted({u[len(self.site.url):].split("?")[0] for u in b.requested_urls() if "/fonts/" in u})
        # Only the slices of the characters shown.
        self.assertIn("fonts/faces.css", served)
        self.assertTrue(any(u.startswith("fonts/mincho-") for u in served), served)
        self.assertFalse(any(u.endswith(".ttf") for u in served), served)
        self.assertLess(len(served), 20, served)
        for url in served:
            self.assertNotIn("ipa", url.lower())
        # A changed IPA font carries another name and the licence's terms.
        with urllib.request.urlopen(self.site.url + served[-1]) as served_font:
            font = TTFont(io.BytesIO(served_font.read()))
        names = " ".join(str(r) for r in font["name"].names if r.nameID in (1, 3, 4, 6, 16))
        self.assertNotIn("IPA", names)
        self.assertIn("Scanfee", names)
        with urllib.request.urlopen(self.site.url + "fonts/IPA_Font_License_Agreement_v1.0.txt") as licence:
            self.assertIn("IPA Font License Agreement v1.0", licence.read().decode("utf-8-sig"))
        with urllib.request.urlopen(self.site.url + "fonts/README.txt") as readme:
            self.assertIn("元のフォントに置き換えるには", readme.read().decode("utf-8-sig"))


# The base class's tests run once at each scale, not again by themselves.
del PageTest

if __name__ == "__main__":
    unittest.main()
