"""The papers through the page: the output flow's save dialogs and input
box, each paper downloaded byte for byte as the native driver writes it,
the statement screen, the fee breakdown, its files and its printing; the
customer's mail attachment; the import of a UTF-8 book list."""
import os
import unittest

from page_session import DATA, Keys, PageTest, mail_attachment_script, native_run

SHOP_PAPERS_SCRIPT = """
click BUTTON5
select LIST1 0
type EDIT1 ABC
click CHECK4
click BUTTON14
click BUTTON11
click BUTTON9
select LIST1 0
type EDIT1 写真集の題名がとても長いタイトル
click RADIO3
click BUTTON14
click BUTTON11
type EDIT7 山田太郎
answer ok
answer cancel
answer file attorney
answer file kanri.TXT
answer text 1604290003
answer ok
click BUTTON2
print EDIT6
answer file statement
click BUTTON22
click BUTTON21
print EDIT6
answer file 見積書.TXT
click BUTTON22
answer no
answer file receipt
click BUTTON23
"""


def native_file(folder, name):
    with open(os.path.join(folder, name), "rb") as f:
        return f.read()


def lines(text):
    return text.replace("\r\n", "\n").rstrip("\n").split("\n")


class PaperSessions(PageTest):
    def enter_shop_order(self):
        b = self.browser
        b.open("shop")
        b.add_title("BUTTON5", "ABC", "CHECK4")
        b.add_title("BUTTON9", "写真集の題名がとても長いタイトル", "RADIO3")
        b.type("EDIT7", "山田太郎")

    def test_shop_papers_statement_breakdown_and_receipt_as_the_native_driver_writes_them(self):
        b = self.browser
        self.enter_shop_order()
        b.click("BUTTON2")
        notice = b.answer("ok")
        self.assertIn("依頼事項書", notice["text"])
        # Cancelling one paper skips only that paper.
        seen = b.save_as(None)
        self.assertEqual((seen["caption"], seen["input"], seen["filter"]),
                         ("契約書に添付するデータの出力", "依頼事項書.TXT", "テキスト形式(*.TXT)"))
        b.save_as("attorney")
        b.save_as("kanri.TXT")
        number = b.dialog("input")
        self.assertEqual((number["caption"], number["input"]), ("申込み番号の登録", "16042901"))
        box = b.el("dialog-input")
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys("1604290003")
        # OK by the Enter key, the input box's default button.
        box.send_keys(Keys.ENTER)
        b.answer("ok")
        b.wait(lambda: b.top_form() == "FORM5", "the statement screen")
        self.assertEqual(b.focused(), "EDIT6")
        statement = b.text("EDIT6")
        b.click("BUTTON22")
        b.save_as("statement")
        b.click("BUTTON21")
        breakdown = b.text("EDIT6")
        self.assertNotEqual(statement, breakdown)
        b.click("BUTTON22")
        b.save_as("見積書.TXT")
        b.click("BUTTON23")
        b.answer("no")
        b.save_as("receipt")

        out, folder = native_run(SHOP_PAPERS_SCRIPT, "shop")
        for name in ["attorney.TXT", "kanri.TXT", "statement.TXT", "見積書.TXT", "receipt.TXT"]:
            with self.subTest(paper=name):
                self.assertEqual(b.downloaded(name), native_file(folder, name))
        self.assertFalse(os.path.exists(os.path.join(b.downloads, "依頼事項書.TXT")))
        # The driver prints the screen's text as it holds it, line ends and all.
        self.assertEqual(out, statement + "\n" + breakdown + "\n")

    def test_the_statement_prints_alone_in_mincho_with_the_yen_sign(self):
        b = self.browser
        self.enter_shop_order()
        b.click("BUTTON2")
        b.answer("cancel")
        b.answer("ok")  # the work-fee statement's notice
        b.wait(lambda: b.top_form() == "FORM5", "the statement screen")
        b.js("window.printed = 0; window.print = () => { window.printed += 1; };")
        b.chord(Keys.CONTROL, "p")
        self.assertEqual(b.js("return window.printed;"), 1)
        printed = b.js("return document.getElementById('print-statement').textContent;")
        self.assertIn("¥1400", printed)
        self.assertNotIn("\\", printed)
        self.assertEqual(printed, b.text("EDIT6").replace("\\", "¥"))
        # The page's print button does the same.
        b.click("FORM5-print")
        self.assertEqual(b.js("return window.printed;"), 2)
        b.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        try:
            self.assertFalse(b.shown("FORM5"))
            self.assertTrue(b.js("return getComputedStyle(document.getElementById('print-statement'))"
                                 ".display === 'block';"))
            self.assertIn("明朝", b.js("return getComputedStyle(document.getElementById('print-statement'))"
                                      ".fontFamily;"))
        finally:
            b.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
        # Esc leaves the statement screen as its frame does.
        b.keys(Keys.ESCAPE)
        b.wait(lambda: b.text("EDIT6") != printed.replace("¥", "\\"), "the fee breakdown")

    def test_the_input_box_names_what_it_cannot_keep_and_shows_what_it_keeps(self):
        b = self.browser
        self.enter_shop_order()
        b.click("BUTTON2")
        b.answer("ok")
        b.save_as(None)
        b.save_as("attorney")
        b.save_as("kanri.TXT")
        b.dialog("input")
        box = b.el("dialog-input")
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys("1604é29")
        box.send_keys(Keys.ENTER)
        b.wait(lambda: b.el("dialog-error").text != "", "the notice")
        again = b.dialog("input")
        self.assertEqual(again["input"], "160429")
        self.assertEqual(b.el("dialog-error").text, "「é」は使えない文字です")
        b.el("dialog-cancel").click()

    def test_customer_mail_attachment_as_the_native_driver_writes_it(self):
        b = self.browser
        b.open("customer")
        b.add_title("BUTTON5", "ワンピース　１巻")
        b.click("BUTTON2")
        b.answer("ok")
        seen = b.save_as("mail")
        b.answer("ok")
        _, folder = native_run(mail_attachment_script("mail"), "customer")
        self.assertEqual(b.downloaded("mail.TXT"), native_file(folder, "mail.TXT"))
        self.assertEqual(seen["input"], "メール添付用.TXT")

    def test_a_utf8_book_list_imported_as_the_native_driver_imports_it(self):
        b = self.browser
        b.open("customer")
        b.click("BUTTON9")
        b.click("BUTTON10")
        seen = b.open_file(os.path.join(DATA, "books_utf8.csv"))
        self.assertEqual(seen["filter"], "ﾃｷｽﾄ形式(*.TXT,*.CSV)")
        b.wait(lambda: b.top_form() == "FORM4", "the import screen")
        self.assertEqual(b.focused(), "LIST2")
        b.row("LIST2", 0).click()
        b.row("LIST2", 1).click()
        self.assertEqual(b.js("return [...document.querySelectorAll('#LIST2 [aria-selected=true]')].length;"), 2)
        b.click("BUTTON17")
        b.click("BUTTON19")
        b.wait(lambda: b.top_form() == "FORM2", "the title list")
        out, _ = native_run("click BUTTON9\nanswer file books_utf8.csv\nclick BUTTON10\nselect LIST2 0\n"
                            "select LIST2 1\nclick BUTTON17\nclick BUTTON19\nitems LIST1\n", "customer",
                            files=[os.path.join(DATA, "books_utf8.csv")])
        self.assertEqual(b.rows("LIST1"), lines(out))

    def test_a_file_beyond_the_readers_bound_is_refused_in_the_open_dialog(self):
        b = self.browser
        b.open("customer")
        b.click("BUTTON9")
        b.click("BUTTON10")
        big = os.path.join(b.downloads, "huge.csv")
        with open(big, "wb") as f:
            f.truncate(64 * 1024 * 1024 + 1)
        b.dialog("open")
        b.el("dialog-file").send_keys(big)
        b.click("dialog-ok")
        b.wait(lambda: "huge.csv" in b.el("dialog-error").text, "the refusal")
        self.assertIn("大きすぎる", b.el("dialog-error").text)
        b.click("dialog-cancel")
        b.no_dialog()
        self.assertEqual(b.top_form(), "FORM2")


if __name__ == "__main__":
    unittest.main()
