#!/usr/bin/env python3
"""The page on touch screens, and served as a site, in headless Chromium with
the user's own touches and clicks: nothing outside the screen, a phone's width
filled, a long press opening a field's menu, nothing in the console; served,
the page installs and opens and computes with the network gone.
Usage: phone_and_site_test.py PAGE SITE"""

import functools
import http.server
import os
import sys
import threading
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from devtools import Browser  # noqa: E402

PAGE, SITE = (os.path.abspath(path) for path in sys.argv[1:3])

# What would show beyond the sides of a screen this wide, whether the page
# scrolls sideways, and the share of the width the window fills.
FIT = """((width) => {
  const shown = [...document.querySelectorAll('#window *, .menu, dialog[open]')]
    .filter((element) => element.getBoundingClientRect().width > 0);
  return {outside: shown.filter((element) => {
            const box = element.getBoundingClientRect();
            return box.left < 0 || box.right > width;
          }).map((element) => element.id || element.className),
          sideways: document.documentElement.scrollWidth > width,
          share: document.getElementById('window').getBoundingClientRect().width / width};
})"""


# The focused control, or the report whose button has it; never the body.
def focused(browser):
    return browser.evaluate("document.activeElement.closest('dialog')?.id ?? document.activeElement.id")


def listening(browser):
    browser.page("Runtime.enable")
    browser.page("Log.enable")
    return browser


# All the page wrote to its console.
def console(browser):
    said = ("Runtime.consoleAPICalled", "Runtime.exceptionThrown", "Log.entryAdded")
    return [event["params"] for event in browser.events if event["method"] in said]


class OnATouchScreen(unittest.TestCase):
    # Width and height in CSS pixels, and the least share of the width the
    # window fills (a phone's; a tablet's shows the window at its size).
    SCREENS = [(360, 640, 0.9), (412, 915, 0.9), (768, 1024, 0.0)]

    def test_fits_the_screen_and_takes_touch(self):
        for width, height, share in self.SCREENS:
            with self.subTest(width=width):
                browser = listening(Browser(width, height))
                self.addCleanup(browser.close)
                browser.open_page("file://" + PAGE, (width, height))
                self.assert_fits(browser, width, share)
                options = [node["name"]["value"] for node in
                           browser.page("Accessibility.getFullAXTree")["nodes"]
                           if node.get("role", {}).get("value") == "radio"]
                self.assertEqual(options, ["Неперы", "Вольты", "Децибеллы"])
                browser.tap("Option2")  # its word, "Вольты"
                self.assertTrue(browser.evaluate("document.getElementById('Option2').checked"))
                # As Safari, which sends no menu event for a touch: the page
                # times the press itself.
                browser.evaluate("document.addEventListener('contextmenu', "
                                 "(event) => event.stopImmediatePropagation(), true)")
                browser.tap("Text3", held=0.8)
                self.assertTrue(browser.evaluate("document.querySelector('.menu') !== null"))
                self.assert_fits(browser, width, share)
                browser.tap("caption")  # beside the menu: closes it
                self.assertEqual(focused(browser), "Text3")  # where the menu was opened
                browser.tap("Command2")
                browser.tap("Command1")  # an empty field: the report
                self.assertTrue(browser.evaluate("document.getElementById('report').open"))
                browser.page("Input.dispatchKeyEvent", type="rawKeyDown", key="Tab", code="Tab",
                             windowsVirtualKeyCode=9)
                self.assertEqual(focused(browser), "report")  # its button, still
                self.assert_fits(browser, width, share)
                browser.page("Emulation.setDeviceMetricsOverride", width=height, height=width,
                             deviceScaleFactor=1, mobile=True)
                self.assert_fits(browser, height, 0.0)
                self.assertEqual(console(browser), [])

    def assert_fits(self, browser, width, share):
        fit = browser.evaluate(f"{FIT}({width})")
        self.assertEqual(fit["outside"], [])
        self.assertFalse(fit["sideways"])
        self.assertGreaterEqual(fit["share"], share)


class Served(unittest.TestCase):
    def test_installs_and_opens_and_computes_offline(self):
        # A host that lets nothing be kept but by the page's own worker.
        class Host(http.server.SimpleHTTPRequestHandler):
            def end_headers(self):
                self.send_header("Cache-Control", "no-store")
                super().end_headers()

            def log_message(self, *args):
                pass

        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Host, directory=SITE))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        browser = listening(Browser())
        self.addCleanup(browser.close)
        url = f"http://127.0.0.1:{server.server_address[1]}/"
        browser.open_page(url)
        self.assertEqual(browser.page("Page.getAppManifest")["errors"], [])
        self.assertEqual(browser.page("Page.getInstallabilityErrors")["installabilityErrors"], [])
        self.assertEqual(browser.evaluate(
            "navigator.serviceWorker.ready.then((kept) => kept.active.state)"), "activated")
        server.shutdown()
        server.server_close()
        browser.page("Network.enable")
        browser.page("Network.emulateNetworkConditions", offline=True, latency=0,
                     downloadThroughput=-1, uploadThroughput=-1)
        browser.open_page(url)
        browser.click("Option1")
        browser.page("Input.insertText", text="10")
        browser.click("Command1")
        self.assertEqual(browser.evaluate(
            "['Text2', 'Text3'].map((name) => document.getElementById(name).value)"),
            ["1,1513", "2,4508"])
        self.assertEqual(console(browser), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
