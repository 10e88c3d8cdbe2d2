#!/usr/bin/env python3
"""First contentful paint of the page in headless Chromium, beside a page that
shows one label, the browser's floor: each loaded afresh from file:// in one
browser, interleaved, the medians printed. Usage: page_first_paint.py PAGE [RUNS]"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "scripts"))
from devtools import Browser  # noqa: E402

page = os.path.abspath(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
floor = os.path.abspath(os.path.join(os.path.dirname(__file__), "minimal_page.html"))
browser = Browser()


def first_paint(path):
    browser.page("Page.navigate", url="about:blank")
    browser.page("Page.navigate", url="file://" + path)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        paint = browser.evaluate(
            "performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? null")
        if paint is not None:
            return paint
        time.sleep(0.01)
    sys.exit(f"{path} never painted")


times = {floor: [], page: []}
for _ in range(runs):
    for path in times:
        times[path].append(first_paint(path))
browser.close()
floor_ms, page_ms = (statistics.median(times[path]) for path in (floor, page))
print(f"{'minimal page':<22} {floor_ms:12.1f}")
print(f"{'the page':<22} {page_ms:12.1f}")
print(f"first-paint ratio, page to floor: {page_ms / floor_ms:.2f}")
print(f"(first contentful paint in ms, medians of {runs} interleaved pairs)")
