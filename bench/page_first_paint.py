#!/usr/bin/env python3
"""The page's cold start in headless Chromium, as a user meets it: a fresh
browser with a profile of its own for every load, from navigation to the
first frame that shows the window's controls, beside the first contentful
paint of a page that shows one label, the browser's floor; interleaved, the
medians printed. Usage: page_first_paint.py PAGE [RUNS]"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "scripts"))
from devtools import Browser  # noqa: E402

page = os.path.abspath(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
floor = os.path.abspath(os.path.join(os.path.dirname(__file__), "minimal_page.html"))

# The frame after the one in which the page marks itself ready is the first
# that shows its controls; the time is from navigation.
SHOWN = """new MutationObserver((changes, observer) => {
  if (!document.body.classList.contains('ready')) return;
  observer.disconnect();
  requestAnimationFrame(() => { window.levelShownAt = performance.now(); });
}).observe(document, {attributes: true, subtree: true, attributeFilter: ['class']});"""
PAINTED = {
    page: "window.levelShownAt ?? null",
    floor: "performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? null",
}


def cold_start(path):
    browser = Browser()
    try:
        browser.page("Page.enable")
        browser.page("Page.addScriptToEvaluateOnNewDocument", source=SHOWN)
        browser.page("Page.navigate", url="file://" + path)
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            shown = browser.evaluate(PAINTED[path])
            if shown is not None:
                return shown
            time.sleep(0.01)
        sys.exit(f"{path} never painted")
    finally:
        browser.close()


times = {floor: [], page: []}
for _ in range(runs):
    for path in times:
        times[path].append(cold_start(path))
floor_ms, page_ms = (statistics.median(times[path]) for path in (floor, page))
print(f"{'minimal page':<22} {floor_ms:12.1f}")
print(f"{'the page':<22} {page_ms:12.1f}")
print(f"cold-start ratio, page to floor: {page_ms / floor_ms:.2f}")
print(f"(ms from navigation, a fresh browser each load: the page's first frame with its "
      f"controls, the floor's first contentful paint; medians of {runs} interleaved pairs)")
