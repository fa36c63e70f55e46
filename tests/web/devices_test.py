"""The page on a phone, a tablet and a laptop: every shown control of every
screen and dialog lies inside the page at x >= 0 (on the phone without
sideways panning), a finger's tap of 44 px reaches every button, box, row
and arrow on the touch screens, the forms show as designed where they fit,
and a whole order, a coupon typed with the input method on among it, is
entered by touch on the phone."""
import os
import unittest

from order_session_test import CUSTOMER_SCRIPT
from page_session import DATA, PageTest, native_run

PHONE = {"width": 360, "height": 740, "deviceScaleFactor": 3, "mobile": True}
TABLET = {"width": 820, "height": 1180, "deviceScaleFactor": 2, "mobile": True}
LAPTOP = {"width": 1366, "height": 768, "deviceScaleFactor": 1, "mobile": False}
FORM_SIZES = {"MAINFORM": (646, 418), "FORM2": (646, 460), "FORM3": (646, 480), "FORM4": (544, 386),
              "FORM5": (800, 600)}

# What is wrong with the top screen and the open dialog: a control left of
# the page or beyond its scrollable area (or, with `no_pan`, beyond the
# window), and with `coarse` a tap target under 44 px or a text box whose
# text is under 16 px. A target's tap area is probed at its middle (where
# it must be the control drawn on top) and at the corners of a 44 px square
# around it (where the control must be among what a tap there reaches).
PROBLEMS = """
const [coarse, noPan] = arguments;
const problems = [];
const root = document.documentElement;
const dialog = document.getElementById('dialog');
const form = [...document.querySelectorAll('.form:not([hidden])')]
  .sort((a, b) => (+b.style.zIndex) - (+a.style.zIndex))[0];
const scope = dialog.open ? dialog : form;
const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
const name = (e) => e.id || (e.closest('[id]') || {}).id + ' ' + e.className;
const controls = [...scope.querySelectorAll(dialog.open
  ? 'button, input, select' : '.client > .control, .titlebar .close')].filter(shown);
for (const e of controls) {
  const r = e.getBoundingClientRect();
  const left = r.left + scrollX, right = r.right + scrollX;
  if (left < -0.5) problems.push(`${name(e)} at x ${left}`);
  if (right > root.scrollWidth + 0.5) problems.push(`${name(e)} beyond the page: ${right}`);
  if (noPan && right > root.clientWidth + 0.5) problems.push(`${name(e)} beyond the window: ${right}`);
}
if (noPan && root.scrollWidth > root.clientWidth) problems.push(`the page pans sideways: ${root.scrollWidth}`);
if (!coarse) return problems;
const targets = [];
for (const e of controls) {
  if (e.matches('.control-list')) targets.push(...[...e.querySelectorAll('[role=option]')].slice(0, 3));
  else if (e.matches('.control-combo')) targets.push(e.querySelector('.combo-drop'));
  else if (e.matches('.control-hscroll')) targets.push(e.querySelector('.scroll-less'), e.querySelector('.scroll-more'));
  else if (e.matches('button, .control-check, .control-radio, input[type=file]')) targets.push(e);
}
for (const e of targets) {
  e.scrollIntoView({ block: 'center', inline: 'center' });
  const r = e.getBoundingClientRect();
  const x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  const top = document.elementFromPoint(x, y);
  if (!top || !e.contains(top)) problems.push(`${name(e)}: a tap on it reaches ${top && name(top)}`);
  for (const [dx, dy] of [[-21, -21], [21, -21], [-21, 21], [21, 21]])
    if (!document.elementsFromPoint(x + dx, y + dy).includes(e))
      problems.push(`${name(e)} (${r.width}x${r.height}): no tap at ${dx},${dy}`);
}
for (const e of scope.querySelectorAll('input:not([type=checkbox]):not([type=radio]):not([type=file]), textarea, select'))
  if (shown(e) && parseFloat(getComputedStyle(e).fontSize) < 16)
    problems.push(`${name(e)}: text of ${getComputedStyle(e).fontSize}`);
scrollTo(0, 0);
return problems;
"""

# The touch session's order as the native driver plays it: the keyboard
# session's without its second option; {pos} is where the finger left the
# resolution.
TOUCH_SCRIPT = CUSTOMER_SCRIPT.replace("click CHECK4\n", "").replace("scroll HSCROLL1 160", "scroll HSCROLL1 {pos}")


class Devices(PageTest):
    def use(self, device, touch):
        d = self.browser.driver
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", device)
        d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})
        self.addCleanup(d.execute_cdp_cmd, "Emulation.setTouchEmulationEnabled", {"enabled": False})
        self.addCleanup(d.execute_cdp_cmd, "Emulation.clearDeviceMetricsOverride", {})

    def check(self, what, coarse, no_pan):
        b = self.browser
        b.wait(lambda: b.js("return document.fonts.status === 'loaded';"), "the fonts")
        self.assertEqual(b.js(PROBLEMS, coarse, no_pan), [], what)

    def narrow(self, form):
        return self.browser.js("return document.getElementById(arguments[0]).classList.contains('narrow');", form)

    def every_screen_and_dialog(self, coarse, no_pan, designed):
        """The shop's screens and dialogs, each checked where it shows."""
        b = self.browser
        b.open("shop")
        self.assertEqual(b.js("return matchMedia('(pointer: coarse)').matches;"), coarse)

        def screen(form):
            b.wait(lambda: b.top_form() == form, form)
            self.check(form, coarse, no_pan)
            self.assertEqual(self.narrow(form), not designed, form)
            if designed:
                size = b.js("const r = document.querySelector(`#${arguments[0]} .client`)"
                            ".getBoundingClientRect(); return [r.width, r.height];", form)
                self.assertEqual(tuple(size), FORM_SIZES[form])

        def dialog(kind):
            b.dialog(kind)
            self.check(kind, coarse, no_pan)

        screen("MAINFORM")
        b.click("BUTTON5")
        screen("FORM2")
        b.row("LIST1", 0).click()
        screen("FORM3")
        b.type("EDIT1", "題名")
        b.click("BUTTON14")
        b.click("BUTTON10")
        dialog("open")
        b.open_file(os.path.join(DATA, "books_sjis.csv"))
        screen("FORM4")
        b.click("BUTTON16")
        b.click("BUTTON11")
        b.click("BUTTON3")
        dialog("save")
        b.save_as(None)
        b.click("BUTTON2")
        dialog("msgbox")
        b.answer("ok")
        b.save_as(None)
        b.save_as("attorney")
        b.save_as("kanri.TXT")
        dialog("input")
        b.el("dialog-cancel").click()
        b.answer("ok")  # the work-fee statement's notice
        screen("FORM5")

    def test_a_phone_shows_every_screen_and_dialog_within_its_width_and_for_fingers(self):
        self.use(PHONE, True)
        self.every_screen_and_dialog(coarse=True, no_pan=True, designed=False)

    def test_a_tablet_shows_the_forms_as_designed_and_for_fingers(self):
        self.use(TABLET, True)
        self.every_screen_and_dialog(coarse=True, no_pan=True, designed=True)

    def test_a_laptop_shows_the_forms_as_designed(self):
        self.use(LAPTOP, False)
        self.every_screen_and_dialog(coarse=False, no_pan=True, designed=True)

    # --- the finger -------------------------------------------------------
    def tap(self, element):
        b = self.browser
        b.js("arguments[0].scrollIntoView({block: 'center'});", element)
        x, y = b.js("const r = arguments[0].getBoundingClientRect();"
                    "return [(r.left + r.right) / 2, (r.top + r.bottom) / 2];", element)
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            b.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def tap_on(self, name):
        self.tap(self.browser.el(name))

    def enter(self, text):
        """What a soft keyboard's input method commits into the focused box."""
        self.browser.driver.execute_cdp_cmd("Input.insertText", {"text": text})

    def test_a_whole_order_with_a_coupon_entered_by_touch_on_a_phone(self):
        b = self.browser
        self.use(PHONE, True)
        b.open("customer")
        self.tap_on("BUTTON5")
        b.wait(lambda: b.top_form() == "FORM2", "the title list")
        self.tap(b.row("LIST1", 0))
        b.wait(lambda: b.top_form() == "FORM3", "the entry screen")
        self.tap_on("EDIT1")
        self.enter("ワンピース　１巻")
        self.tap(b.el("CHECK1"))
        before = int(b.el("HSCROLL1").get_attribute("aria-valuenow"))
        self.tap(b.el("HSCROLL1").find_element("css selector", ".scroll-more"))
        pos = int(b.el("HSCROLL1").get_attribute("aria-valuenow"))
        self.assertEqual(pos, before + 1)
        self.assertTrue(b.checked("CHECK1"))
        self.tap_on("BUTTON14")
        b.wait(lambda: b.top_form() == "FORM2", "the title list again")
        self.tap(b.row("LIST1", 1))
        b.wait(lambda: b.top_form() == "FORM3", "the entry screen again")
        self.tap_on("EDIT1")
        self.enter("ナルト　１巻")
        self.tap(b.el("RADIO3"))
        self.assertTrue(b.checked("RADIO3"))
        self.tap_on("BUTTON14")
        b.wait(lambda: len(b.rows("LIST1")) == 3, "two titles")
        self.tap_on("BUTTON11")
        b.wait(lambda: b.top_form() == "MAINFORM", "the summary screen")
        # The coupon as an input method left on commits it: full-width.
        self.tap(b.el("COMBO1").find_element("css selector", "input"))
        self.enter("１６１２３１００４２")
        self.assertEqual(b.text("COMBO1"), "1612310042")
        self.tap_on("BUTTON15")
        b.wait(lambda: "1612310042" in b.rows("COMBO1"), "the coupon in the list")
        self.tap_on("BUTTON3")
        b.dialog("save")
        self.tap_on("dialog-input")
        b.js("document.getElementById('dialog-input').select();")
        self.enter("order")
        self.tap_on("dialog-ok")
        saved = b.downloaded("order.SAV")

        out, folder = native_run(TOUCH_SCRIPT.format(pos=pos), "customer")
        with open(os.path.join(folder, "order.SAV"), "rb") as f:
            self.assertEqual(saved, f.read())
        self.assertEqual(b.text("TEXT12"), out.splitlines()[-1])


del PageTest

if __name__ == "__main__":
    unittest.main()
