"""The page for a screen reader and the keyboard alone: axe-core on every
screen and every kind of dialog of both editions, the browser's
accessibility tree (every control named, radio buttons grouped by their
frames, the resolution spoken with its unit, only the screen on top),
dialogs that keep the keyboard and give the focus back."""
import os
import unittest

from page_session import DATA, ROOT, Keys, PageTest

AXE = os.path.join(ROOT, "node_modules", "axe-core", "axe.min.js")

# The design's own colours, kept as designed: magenta on white (3.13:1) in
# the summary's special-discount tick box and the entry screen's warning.
DESIGN_COLOURS = {"color-contrast": ("#CHECK8", "#TEXT56")}

# The screen model's reading order of the two screens that are read in
# columns and rows (tests/ui/keyboard_order_test.cpp holds it too): the page
# lays their elements out in it, hidden ones included.
READING_ORDER = {
    "MAINFORM": "TEXT46 BUTTON5 TEXT41 BUTTON6 TEXT42 BUTTON9 TEXT45 BUTTON8 TEXT44 BUTTON7 TEXT43 "
                "COMBO1 BUTTON15 TEXT9 TEXT10 TEXT39 TEXT40 TEXT15 TEXT16 TEXT49 TEXT50 CHECK8 "
                "BUTTON4 BUTTON3 BUTTON2 TEXT1 TEXT2 TEXT3 TEXT4 TEXT5 TEXT6 TEXT7 TEXT8 TEXT11 TEXT12 "
                "TEXT51 EDIT4 TEXT53 TEXT54 TEXT52 EDIT5 BUTTON1 TEXT55 EDIT7",
    "FORM3": "TEXT17 EDIT1 TEXT56 TEXT18 EDIT2 TEXT19 EDIT3 GROUP1 RADIO1 RADIO2 GROUP2 RADIO3 "
             "RADIO4 RADIO5 TEXT20 TEXT21 BUTTON12 TEXT26 TEXT27 TEXT24 TEXT25 TEXT28 TEXT29 "
             "TEXT22 TEXT23 TEXT37 TEXT38 TEXT30 CHECK6 TEXT31 CHECK1 TEXT33 CHECK3 TEXT34 CHECK4 "
             "TEXT32 CHECK2 TEXT35 TEXT36 HSCROLL1 BUTTON13 CHECK7 BUTTON14",
}

# What axe leaves for review but is a fault all the same: a name on an
# element whose role takes none (a plain text named as an amount).
REVIEWED_AS_FAULTS = {"aria-prohibited-attr"}

NAMED_ROLES = {"button", "textbox", "checkbox", "radio", "combobox", "listbox", "scrollbar"}


@unittest.skipUnless(os.path.exists(AXE), "axe-core is not installed (npm ci)")
class Access(PageTest):
    def axe(self, where):
        """axe-core's violations on the page as it stands, and the reviews
        that are faults, but the design's colours; each as rule and element."""
        b = self.browser
        if not b.js("return !!window.axe;"):
            with open(AXE, encoding="utf-8") as f:
                b.js(f.read())
        result = b.driver.execute_async_script(
            "const [reviewed, done] = arguments;"
            "axe.run(document).then((r) => done([...r.violations,"
            " ...r.incomplete.filter((v) => reviewed.includes(v.id))].map((v) => ({id: v.id,"
            " targets: v.nodes.map((n) => n.target.join(' '))}))), (e) => done([{id: String(e), targets: []}]));",
            sorted(REVIEWED_AS_FAULTS))
        found = []
        for violation in result:
            for target in violation["targets"] or [""]:
                if target.startswith(DESIGN_COLOURS.get(violation["id"], ())):
                    self.excepted.add(f"{violation['id']} {target}")
                else:
                    found.append(f"{violation['id']} {target}")
        self.assertEqual(found, [], where)

    def tree(self):
        """The nodes a screen reader finds: role, name and properties."""
        nodes = self.browser.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        by_id = {n["nodeId"]: n for n in nodes}
        # In reading order: depth first from the root.
        ordered, todo = [], [n for n in nodes if "parentId" not in n][::-1]
        while todo:
            n = todo.pop()
            ordered.append(n)
            todo.extend(by_id[c] for c in reversed(n.get("childIds", [])) if c in by_id)
        out = []
        for n in ordered:
            if n.get("ignored"):
                continue
            props = {p["name"]: p["value"].get("value") for p in n.get("properties", [])}
            out.append((n.get("role", {}).get("value"), n.get("name", {}).get("value", ""), props,
                        n.get("value", {}).get("value"), n))
        return out

    def check_screen(self, where, absent=()):
        """axe, then: every control of the tree named, none of `absent` (names
        of controls on the screens that are not on top) readable, and the
        keyboard's reach only the screen on top and an open dialog."""
        b = self.browser
        self.axe(where)
        tree = self.tree()
        unnamed = [(role, props) for role, name, props, _, _ in tree if role in NAMED_ROLES and not name.strip()]
        self.assertEqual(unnamed, [], where)
        names = {name for _, name, _, _, _ in tree}
        self.assertEqual([a for a in absent if a in names], [], where)
        outside = b.js("""
            const top = document.getElementById(arguments[0]);
            const dialog = document.getElementById('dialog');
            return [...document.querySelectorAll('button, input, select, textarea, [tabindex]')]
              .filter((e) => !e.closest('[inert]') && e.checkVisibility({visibilityProperty: true}))
              .filter((e) => !(top && top.contains(e)) && !(dialog.open && dialog.contains(e)))
              .filter((e) => !e.closest('#about, #notice')).map((e) => e.id || e.outerHTML.slice(0, 60));""",
                       b.top_form())
        self.assertEqual(outside, [], where)
        return tree

    def laid_out(self, form):
        """The form's controls in the order of its elements."""
        return " ".join(self.browser.js(
            "return [...document.querySelectorAll(`#${arguments[0]} .client > .control`)]"
            ".map((e) => e.id).filter((id) => /^[A-Z]+[0-9]+$/.test(id));", form))

    def keyboard_stays_in_the_dialog(self, kind):
        """Tab and Shift+Tab go round the dialog; Esc answers it from
        anywhere; returns the focus's place after each."""
        b = self.browser
        for _ in range(5):
            b.keys(Keys.TAB)
            self.assertTrue(b.js("return document.getElementById('dialog').contains(document.activeElement);"),
                            f"Tab left the {kind} dialog")
        b.chord(Keys.SHIFT, Keys.TAB)
        self.assertTrue(b.js("return document.getElementById('dialog').contains(document.activeElement);"))
        # Esc answers even with the focus nowhere.
        b.js("document.activeElement.blur();")
        b.keys(Keys.ESCAPE)
        b.no_dialog()

    def walk(self, edition):
        b = self.browser
        self.excepted = set()
        # The shop's reminder at a period's end: a message box before any screen.
        b.open(edition, today="2016/05/01" if edition == "shop" else "2016/04/29",
               wait_for=None if edition == "shop" else "MAINFORM")
        if edition == "shop":
            b.dialog("msgbox")
            self.check_screen("the reminder at start")
            _, name, _, _, node = next(t for t in self.tree() if t[0] == "alertdialog")
            self.assertEqual(name, "特別割引のチェック")
            self.assertEqual(node.get("description", {}).get("value"), b.el("dialog-text").text)
            self.keyboard_stays_in_the_dialog("message box")
            b.wait(lambda: b.shown("MAINFORM"), "the summary screen")
        tree = self.check_screen(f"{edition}: the summary", ["総合画面に戻る", "基本金額の計算を実行", "データ転送　実行"])
        roles = {(role, name) for role, name, _, _, _ in tree}
        self.assertIn(("combobox", "割引券番号"), roles)
        if edition == "shop":
            for label in ("前受け金", "調整割引", "お客様の氏名"):
                self.assertIn(("textbox", label), roles)
        self.assertIn(("dialog", b.js("return document.title;")), roles)
        # Read as seen: a heading before its buttons, down the left column,
        # then down the right one, each caption before its amount and box.
        read = [name for _, name, _, _, _ in tree]
        seen = ["作業代小計", "コミックの申込資料作成", "割引券番号", "割引券の合計額",
                "ロード", "セーブ", "申込用データ出力", "作業代の合計", "総合計金額"]
        self.assertEqual([read.index(name) for name in seen], sorted(read.index(name) for name in seen))
        self.assertEqual(self.laid_out("MAINFORM"), READING_ORDER["MAINFORM"])

        b.click("BUTTON5")
        b.wait(lambda: b.top_form() == "FORM2", "the title list")
        tree = self.check_screen(f"{edition}: the title list", ["セーブ", "基本金額の計算を実行"])
        self.assertIn(("listbox", "タイトル一覧"), [(t[0], t[1]) for t in tree])
        b.row("LIST1", 0).click()
        b.wait(lambda: b.top_form() == "FORM3", "the entry screen")
        tree = self.check_screen(f"{edition}: the entry screen", ["セーブ", "総合画面に戻る"])
        self.assertEqual(self.laid_out("FORM3"), READING_ORDER["FORM3"])
        roles = {(role, name) for role, name, _, _, _ in tree}
        for expected in [("textbox", "タイトル"), ("radiogroup", "作業内容の指定"), ("radio", "解体のみ"),
                         ("radio", "解体・データ化再製本"), ("scrollbar", "取り込み解像度")]:
            self.assertIn(expected, roles, edition)
        # The resolution as the text beside the bar says it (Chromium's tree
        # over CDP leaves the value text out).
        self.assertEqual(b.el("HSCROLL1").get_attribute("aria-valuetext"), "156 dpi")
        self.assertTrue(b.text("TEXT36").startswith("156 dpi"))
        group = next(t for t in tree if t[0] == "radiogroup" and t[1] == "作業内容の指定")[4]
        radios = {t[4]["nodeId"] for t in tree if t[0] == "radio" and t[1] in ("解体のみ", "解体・データ化再製本")}
        self.assertTrue(radios <= self.descendants(group), "the radio buttons lie outside their group")
        b.type("EDIT1", "題名")
        b.click("BUTTON14")
        b.wait(lambda: b.top_form() == "FORM2", "the title list")

        # Import: the open dialog, then the import screen.
        b.click("BUTTON10")
        b.dialog("open")
        self.check_screen(f"{edition}: the open dialog")
        b.el("dialog-file").send_keys(os.path.join(DATA, "books_sjis.csv"))
        b.el("dialog-ok").click()
        b.wait(lambda: b.top_form() == "FORM4", "the import screen")
        self.check_screen(f"{edition}: the import screen", ["総合画面に戻る", "セーブ"])
        b.click("BUTTON16")
        b.wait(lambda: b.top_form() == "FORM2", "the title list")
        b.click("BUTTON11")
        b.wait(lambda: b.top_form() == "MAINFORM", "the summary screen")

        # The save dialog, left by the keyboard; the focus goes back.
        b.el("BUTTON3").send_keys(Keys.ENTER)
        b.dialog("save")
        self.check_screen(f"{edition}: the save dialog")
        self.keyboard_stays_in_the_dialog("save")
        self.assertEqual(b.focused(), "BUTTON3")

        # The papers: a message box, save dialogs, in the shop the input box
        # of the application number; then the statement over the summary.
        b.click("BUTTON2")
        b.dialog("msgbox")
        self.check_screen(f"{edition}: a message box")
        b.answer("ok")
        if edition == "shop":
            b.save_as(None)
            b.save_as("attorney")
            b.save_as("kanri.TXT")
            b.dialog("input")
            tree = self.check_screen("the input box")
            box = next(t for t in tree if t[0] == "textbox")
            self.assertTrue(box[1], "the input box is unnamed")
            box = b.el("dialog-input")
            box.send_keys(Keys.CONTROL, "a")
            box.send_keys("1604290003", Keys.ENTER)
            b.answer("ok")
        else:
            b.save_as("mail")
            b.answer("ok")
        b.wait(lambda: b.top_form() == "FORM5", "the statement")
        tree = self.check_screen(f"{edition}: the statement", ["セーブ", "申込用データ出力"])
        self.assertIn(("textbox", "料金明細"), [(t[0], t[1]) for t in tree])
        # axe found the design's colours, and nothing else.
        self.assertEqual(self.excepted, {"color-contrast #TEXT56", "color-contrast #CHECK8 > .caption"}
                         if edition == "shop" else {"color-contrast #TEXT56"})

    def descendants(self, node):
        """The node ids under `node` in the last tree read."""
        nodes = {n["nodeId"]: n for n in self.browser.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]}
        out, todo = set(), list(node.get("childIds", []))
        while todo:
            n = todo.pop()
            out.add(n)
            todo.extend(nodes.get(n, {}).get("childIds", []))
        return out

    def test_the_customers_edition_for_a_screen_reader_and_the_keyboard(self):
        self.walk("customer")

    def test_the_shops_edition_for_a_screen_reader_and_the_keyboard(self):
        self.walk("shop")

    def test_the_focus_ring_is_two_pixels_of_three_to_one_on_every_kind(self):
        b = self.browser
        b.open("customer")
        b.click("BUTTON5")
        b.row("LIST1", 0).click()
        b.wait(lambda: b.top_form() == "FORM3", "the entry screen")
        for name, target in [("CHECK1", "input"), ("RADIO5", "input"), ("EDIT1", None), ("BUTTON13", None),
                             ("HSCROLL1", None)]:
            b.js("const e = document.getElementById(arguments[0]);"
                 "(arguments[1] ? e.querySelector(arguments[1]) : e).focus();", name, target)
            ring = b.js("const s = getComputedStyle(document.getElementById(arguments[0]));"
                        "return [s.outlineStyle, s.outlineWidth, s.outlineColor];", name)
            self.assertEqual(ring, ["solid", "2px", "rgb(0, 102, 204)"], name)
        # The empty import list, too.
        b.keys(Keys.ESCAPE)
        b.click("BUTTON10")
        b.dialog("open")
        b.el("dialog-file").send_keys(os.path.join(DATA, "books_sjis.csv"))
        b.el("dialog-ok").click()
        b.wait(lambda: b.top_form() == "FORM4", "the import screen")
        b.js("document.getElementById('LIST3').focus();")
        self.assertEqual(b.js("const s = getComputedStyle(document.getElementById('LIST3'));"
                              "return [s.outlineStyle, s.outlineWidth];"), ["solid", "2px"])


del PageTest

if __name__ == "__main__":
    unittest.main()
