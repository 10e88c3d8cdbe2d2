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
import time
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

# A control's middle, or the middle of its words for an option.
MIDDLE = """((name) => {
  const element = document.getElementById(name);
  const range = document.createRange();
  range.selectNodeContents(element.type === 'radio' ? element.parentElement.lastChild : element);
  const box = element.type === 'radio' ? range.getBoundingClientRect() : element.getBoundingClientRect();
  return [box.left + box.width / 2, box.top + box.height / 2];
})"""


def open_page(browser, url):
    browser.page("Runtime.enable")
    browser.page("Log.enable")
    browser.page("Emulation.setLocaleOverride", locale="ru-RU")
    browser.page("Emulation.setUserAgentOverride", userAgent="Mozilla/5.0 Chrome Headless",
                 acceptLanguage="ru-RU")
    browser.page("Page.navigate", url="about:blank")
    browser.page("Page.navigate", url=url)
    deadline = time.monotonic() + 20
    while not browser.evaluate("document.body?.classList.contains('ready') === true"):
        if time.monotonic() > deadline:
            raise AssertionError(f"{url} never showed its window")
        time.sleep(0.025)


def middle(browser, name):
    return browser.evaluate(f"{MIDDLE}({name!r})")


def touch(browser, name, held=0.0):
    x, y = middle(browser, name)
    browser.page("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
    time.sleep(held)
    browser.page("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
    browser.evaluate("new Promise((done) => setTimeout(done, 50))")


def click(browser, name):
    x, y = middle(browser, name)
    for kind in ("mousePressed", "mouseReleased"):
        browser.page("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)


# The focused control, or the report whose button has it; never the body.
def focused(browser):
    return browser.evaluate("document.activeElement.closest('dialog')?.id ?? document.activeElement.id")


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
                browser = Browser(width, height)
                self.addCleanup(browser.close)
                screen = {"deviceScaleFactor": 1, "mobile": True}
                browser.page("Emulation.setDeviceMetricsOverride", width=width, height=height, **screen)
                browser.page("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
                open_page(browser, "file://" + PAGE)
                self.assert_fits(browser, width, share)
                options = [node["name"]["value"] for node in
                           browser.page("Accessibility.getFullAXTree")["nodes"]
                           if node.get("role", {}).get("value") == "radio"]
                self.assertEqual(options, ["Неперы", "Вольты", "Децибеллы"])
                touch(browser, "Option2")  # its word, "Вольты"
                self.assertTrue(browser.evaluate("document.getElementById('Option2').checked"))
                # As Safari, which sends no menu event for a touch: the page
                # times the press itself.
                browser.evaluate("document.addEventListener('contextmenu', "
                                 "(event) => event.stopImmediatePropagation(), true)")
                touch(browser, "Text3", held=0.8)
                self.assertTrue(browser.evaluate("document.querySelector('.menu') !== null"))
                self.assert_fits(browser, width, share)
                touch(browser, "caption")  # beside the menu: closes it
                self.assertEqual(focused(browser), "Text3")  # where the menu was opened
                touch(browser, "Command2")
                touch(browser, "Command1")  # an empty field: the report
                self.assertTrue(browser.evaluate("document.getElementById('report').open"))
                browser.page("Input.dispatchKeyEvent", type="rawKeyDown", key="Tab", code="Tab",
                             windowsVirtualKeyCode=9)
                self.assertEqual(focused(browser), "report")  # its button, still
                self.assert_fits(browser, width, share)
                browser.page("Emulation.setDeviceMetricsOverride", width=height, height=width, **screen)
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
        browser = Browser()
        self.addCleanup(browser.close)
        url = f"http://127.0.0.1:{server.server_address[1]}/"
        open_page(browser, url)
        self.assertEqual(browser.page("Page.getAppManifest")["errors"], [])
        self.assertEqual(browser.page("Page.getInstallabilityErrors")["installabilityErrors"], [])
        self.assertEqual(browser.evaluate(
            "navigator.serviceWorker.ready.then((kept) => kept.active.state)"), "activated")
        server.shutdown()
        server.server_close()
        browser.page("Network.enable")
        browser.page("Network.emulateNetworkConditions", offline=True, latency=0,
                     downloadThroughput=-1, uploadThroughput=-1)
        open_page(browser, url)
        click(browser, "Option1")
        browser.page("Input.insertText", text="10")
        click(browser, "Command1")
        self.assertEqual(browser.evaluate(
            "['Text2', 'Text3'].map((name) => document.getElementById(name).value)"),
            ["1,1513", "2,4508"])
        self.assertEqual(console(browser), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
