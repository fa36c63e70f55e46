"""The whole sessions once more in Firefox ESR and in WebKitGTK: an order by
keyboard and by mouse with a coupon, saved as the native driver's bytes; a
reload that brings the order back; the shop's load in a fresh page and its
papers up to the statement; every screen and dialog in a phone's width. A
failure names the engine in its test's name."""
import unittest

import devices_test as devices
import order_session_test as orders
import papers_session_test as papers
from engines import ENGINES

SESSIONS = [
    (orders.OrderSessions, ["test_customer_enters_comics_by_keyboard_and_mouse_and_saves_the_native_file",
                            "test_an_order_survives_a_reload_and_no_discards_it",
                            "test_shop_order_saved_and_loaded_in_a_fresh_page"]),
    (papers.PaperSessions, ["test_shop_papers_statement_breakdown_and_receipt_as_the_native_driver_writes_them"]),
]


class PhoneWidth(devices.Devices):
    """The narrow layout in the engine's own window, asked for a phone's
    size: Firefox takes it, WebKit's MiniBrowser stops at about 450 px. These
    drivers have no touch screen to offer."""

    def use(self, device, touch):
        self.browser.resize(device["width"], device["height"])
        self.addCleanup(self.browser.resize, 1100, 900)

    def test_every_screen_and_dialog_within_a_phones_width(self):
        self.use(devices.PHONE, False)
        self.every_screen_and_dialog(coarse=False, no_pan=True, designed=False)


SESSIONS.append((PhoneWidth, ["test_every_screen_and_dialog_within_a_phones_width"]))


def load_tests(loader, standard_tests, pattern):
    suite = unittest.TestSuite()
    for engine, browser_class in ENGINES.items():
        # One browser per engine for all its sessions.
        cls = type(f"{engine}", tuple(c for c, _ in SESSIONS), {"browser_class": browser_class})
        cls.__qualname__ = f"in {engine}"
        suite.addTests(cls(name) for _, names in SESSIONS for name in names)
    return suite


if __name__ == "__main__":
    unittest.main()
