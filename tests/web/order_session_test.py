"""Whole orders through the page, with the keyboard and the mouse, in both
editions; the saved order file is byte for byte the native driver's file
of the same session, and loading it brings the order back."""
import os
import unittest

from selenium.webdriver.support.ui import Select

from page_session import DATA, Keys, PageTest, mail_attachment_script, native_run

# The customer's comics: one with options and a raised resolution entered
# with the keyboard alone, one dismantled only with the mouse, a coupon.
CUSTOMER_SCRIPT = """
click BUTTON5
select LIST1 0
type EDIT1 ワンピース　１巻
click CHECK1
click CHECK4
scroll HSCROLL1 160
click BUTTON14
select LIST1 1
type EDIT1 ナルト　１巻
click RADIO3
click BUTTON14
click BUTTON11
type COMBO1 1612310042
click BUTTON15
answer file order
click BUTTON3
print TEXT12
"""

# The shop's order: a comic with compensation, a dismantled photo book, the
# customer's name, an advance payment and an adjustment discount.
SHOP_SCRIPT = """
click BUTTON5
select LIST1 0
type EDIT1 ABC, de:f
click CHECK6
click CHECK3
click BUTTON14
click BUTTON11
click BUTTON9
select LIST1 0
type EDIT1 写真集〜夏
click RADIO3
click BUTTON14
click BUTTON11
type EDIT7 山田 太郎
type EDIT4 500
type EDIT5 200
answer file 店舗控え.SAV
click BUTTON3
print TEXT12
print TEXT54
"""


class OrderSessions(PageTest):
    def test_an_order_survives_a_reload_and_no_discards_it(self):
        b = self.browser
        b.open("shop")
        empty_total = b.text("TEXT12")
        b.add_title("BUTTON5", "ONE PIECE 1", "CHECK1")
        b.add_title("BUTTON5", "NARUTO 2", "RADIO3")
        b.type("EDIT7", "山田 太郎")
        b.type("EDIT4", "500")
        total, balance = b.text("TEXT12"), b.text("TEXT54")

        b.reload()
        seen = b.answer("yes")
        self.assertEqual(seen["caption"], "注文の控え")
        self.assertIn("（タイトル 2 件、割引券 0 枚）", seen["text"])
        b.no_dialog()
        b.wait(lambda: b.shown("MAINFORM"), "the summary")
        self.assertEqual((b.text("TEXT12"), b.text("TEXT54")), (total, balance))
        self.assertEqual(b.text("EDIT7"), "山田 太郎")
        b.click("BUTTON5")
        rows = b.rows("LIST1")
        self.assertIn("ONE PIECE 1", rows[0])
        self.assertIn("NARUTO 2", rows[1])

        # Restored is not saved: asked again; No starts afresh for good.
        b.reload()
        b.answer("no")
        b.wait(lambda: b.shown("MAINFORM"), "the summary")
        self.assertEqual(b.text("TEXT12"), empty_total)
        b.reload()
        self.assert_started_without_question(b)
        self.assertEqual(b.rows("LIST1"), ["タイトルを追加"])

    def assert_started_without_question(self, b):
        # The category button answers only when no dialog holds the page.
        b.wait(lambda: b.shown("MAINFORM"), "the summary")
        b.click("BUTTON5")
        b.wait(lambda: b.shown("FORM2"), "the title list")
        self.assertFalse(b.js("return document.getElementById('dialog').open;"))

    def test_a_saved_order_is_not_offered_after_a_reload(self):
        b = self.browser
        b.open("customer")
        b.add_title("BUTTON5", "SAVED")
        b.click("BUTTON3")
        b.save_as("order")
        b.downloaded("order.SAV")
        b.reload()
        self.assert_started_without_question(b)
        # A reload starts afresh: the order is in the file it was saved to.
        self.assertEqual(b.rows("LIST1"), ["タイトルを追加"])

    def test_customer_enters_comics_by_keyboard_and_mouse_and_saves_the_native_file(self):
        b = self.browser
        b.open("customer")
        self.assertEqual(b.focused(), "BUTTON5")
        # Keyboard alone: the comics, a new title, its options and resolution.
        b.keys(Keys.ENTER)
        b.wait(lambda: b.top_form() == "FORM2", "the title list")
        self.assertEqual(b.focused(), "LIST1")
        b.keys(Keys.SPACE)
        b.wait(lambda: b.top_form() == "FORM3", "the entry screen")
        self.assertEqual(b.focused(), "EDIT1")
        b.keys("ワンピース　１巻")
        # Tab from the title: the work's radio group, compensation is not in
        # this edition, then the options.
        b.keys(Keys.TAB, Keys.TAB)
        self.assertEqual(b.focused(), "CHECK1")
        b.keys(Keys.SPACE, Keys.TAB, Keys.TAB, Keys.SPACE)
        self.assertEqual(b.focused(), "CHECK4")
        self.assertTrue(b.checked("CHECK1") and b.checked("CHECK4"))
        b.keys(Keys.TAB, Keys.TAB)
        self.assertEqual(b.focused(), "HSCROLL1")
        b.keys(Keys.PAGE_UP, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_LEFT)
        self.assertEqual(b.el("HSCROLL1").get_attribute("aria-valuenow"), "167")
        b.keys(Keys.ARROW_LEFT * 7)
        self.assertTrue(b.text("TEXT36").startswith("160 dpi"), b.text("TEXT36"))
        b.keys(Keys.ESCAPE)
        b.wait(lambda: b.top_form() == "FORM2", "the title list again")
        # The mouse: the second title, dismantled only.
        b.row("LIST1", 1).click()
        b.wait(lambda: b.top_form() == "FORM3", "the entry screen again")
        b.type("EDIT1", "ナルト　１巻")
        b.click("RADIO3")
        b.click("BUTTON14")
        self.assertEqual(len(b.rows("LIST1")), 3)
        b.click("BUTTON11")
        b.wait(lambda: b.top_form() == "MAINFORM", "the summary screen")
        # The coupon: typed, registered by Enter as by its button.
        b.type("COMBO1", "1612310042")
        b.keys(Keys.ENTER)
        b.wait(lambda: "1612310042" in b.rows("COMBO1"), "the coupon in the list")
        b.click("BUTTON3")
        seen = b.save_as("order")
        self.assertEqual(seen["caption"], "申込みデータの保存")
        saved = b.downloaded("order.SAV")

        out, folder = native_run(CUSTOMER_SCRIPT, "customer")
        with open(os.path.join(folder, "order.SAV"), "rb") as f:
            self.assertEqual(saved, f.read())
        self.assertEqual(b.text("TEXT12"), out.splitlines()[-1])

    def test_shop_order_saved_and_loaded_in_a_fresh_page(self):
        b = self.browser
        b.open("shop")
        b.add_title("BUTTON5", "ABC, de:f", "CHECK6", "CHECK3")
        b.add_title("BUTTON9", "写真集〜夏", "RADIO3")
        b.type("EDIT7", "山田 太郎")
        b.type("EDIT4", "5a00")    # the letter is refused by the box
        self.assertEqual(b.text("EDIT4"), "500")
        b.type("EDIT5", "200000")  # a sixth digit is refused
        self.assertEqual(b.text("EDIT5"), "20000")
        b.type("EDIT5", "200")
        b.click("BUTTON3")
        b.save_as("店舗控え.SAV")
        saved = b.downloaded("店舗控え.SAV")
        total, balance = b.text("TEXT12"), b.text("TEXT54")

        out, folder = native_run(SHOP_SCRIPT, "shop")
        native_file = os.path.join(folder, "店舗控え.SAV")
        with open(native_file, "rb") as f:
            self.assertEqual(saved, f.read())
        self.assertEqual([total, balance], out.splitlines()[-2:])

        # A fresh page, the file chosen in the open dialog: the same order.
        b.open("shop")
        self.assertEqual(b.text("TEXT12"), "０円")
        b.click("BUTTON4")
        seen = b.open_file(native_file)
        self.assertEqual(seen["filter"], "(*.SAV)")
        b.no_dialog()
        self.assertEqual([b.text("TEXT12"), b.text("TEXT54"), b.text("EDIT7"), b.text("EDIT4")],
                         [total, balance, "山田 太郎", "500"])
        b.click("BUTTON9")
        # The WAVE DASH an input method commits is the system's ～.
        self.assertTrue(b.rows("LIST1")[0].endswith("写真集～夏"), b.rows("LIST1"))

    def test_the_open_dialog_offers_every_file_for_a_mailed_order(self):
        b = self.browser
        b.open("shop")
        b.click("BUTTON4")
        seen = b.dialog("open")
        self.assertEqual(seen["filters"], ["(*.SAV)", "すべてのファイル (*)"])
        self.assertEqual(b.el("dialog-file").get_attribute("accept"), ".SAV")
        Select(b.el("dialog-filter")).select_by_index(1)
        self.assertEqual(b.el("dialog-file").get_attribute("accept"), "")
        # The customer's mail attachment, as the native driver writes it.
        _, folder = native_run(mail_attachment_script("メール添付用"), "customer")
        b.el("dialog-file").send_keys(os.path.join(folder, "メール添付用.TXT"))
        b.el("dialog-ok").click()
        b.no_dialog()
        b.click("BUTTON5")
        self.assertIn("ワンピース　１巻", b.rows("LIST1")[0])

    def test_a_file_that_is_no_order_is_refused_by_name_and_the_order_stays(self):
        b = self.browser
        b.open("customer")
        b.add_title("BUTTON5", "残る題名")
        total = b.text("TEXT12")
        b.click("BUTTON4")
        b.open_file(os.path.join(DATA, "books_utf8.csv"))
        seen = b.answer("ok")
        self.assertIn("books_utf8.csv", seen["text"])
        self.assertEqual(b.text("TEXT12"), total)
        b.click("BUTTON5")
        self.assertTrue(b.rows("LIST1")[0].endswith("残る題名"))


if __name__ == "__main__":
    unittest.main()
