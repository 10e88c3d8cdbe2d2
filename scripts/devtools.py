"""Headless Chromium over the DevTools protocol, on the pipe it reads on its
descriptor 3 and writes on 4 (JSON messages, each ended by a NUL byte): the
page scripts' and the page benchmark's one way to a browser."""

import json
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

# How long one command may take, its answer included.
ANSWER_SECONDS = 30

# A control's middle by its id: an option's words, any other control's box.
MIDDLE = """((name) => {
  const element = document.getElementById(name);
  const words = document.createRange();
  words.selectNodeContents(element.type === 'radio' ? element.parentElement.lastChild : element);
  const box = (element.type === 'radio' ? words : element).getBoundingClientRect();
  return [box.left + box.width / 2, box.top + box.height / 2];
})"""


class Browser:
    """A headless browser with a profile of its own, and one page in it."""

    def __init__(self, width=640, height=480):
        self._profile = tempfile.mkdtemp(prefix="level-devtools-")
        self._name = os.environ.get("CHROMIUM") or "chromium"
        self._log = open(os.path.join(self._profile, "stderr.log"), "w+b")
        to_browser, self._from_us = os.pipe()
        self._to_us, from_browser = os.pipe()

        def descriptors():
            # Copies first: either end may itself be descriptor 3 or 4.
            reads, writes = os.dup(to_browser), os.dup(from_browser)
            os.dup2(reads, 3)
            os.dup2(writes, 4)

        try:
            self._process = subprocess.Popen(
                [self._name, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--hide-scrollbars", "--force-device-scale-factor=1",
                 f"--window-size={width},{height}", "--remote-debugging-pipe",
                 f"--user-data-dir={self._profile}/profile", "about:blank"],
                preexec_fn=descriptors, close_fds=False, stderr=self._log, start_new_session=True)
        except OSError as error:
            self._remove()
            raise RuntimeError(f"{self._name} cannot start: {error}") from None
        os.close(to_browser)
        os.close(from_browser)
        self._buffered = b""
        self._next = 0
        self.events = []  # what the browser told unasked, in order
        try:
            target = self.call("Target.createTarget", url="about:blank")["targetId"]
            self._session = self.call("Target.attachToTarget", targetId=target,
                                      flatten=True)["sessionId"]
        except RuntimeError:
            self.close()
            raise

    def call(self, method, session=None, **params):
        """A command and its result; an error raises."""
        self._next += 1
        message = {"id": self._next, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        deadline = time.monotonic() + ANSWER_SECONDS
        try:
            os.write(self._from_us, json.dumps(message).encode() + b"\0")
        except BrokenPipeError:
            self._fail("the pipe to it closed")
        while True:
            while b"\0" not in self._buffered:
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([self._to_us], [], [], left)[0]:
                    self._fail(f"no answer to {method} in {ANSWER_SECONDS} s")
                chunk = os.read(self._to_us, 65536)
                if not chunk:
                    self._fail("it closed its pipe")
                self._buffered += chunk
            text, self._buffered = self._buffered.split(b"\0", 1)
            answer = json.loads(text)
            if "method" in answer:
                self.events.append(answer)
            elif answer.get("id") == self._next:
                if "error" in answer:
                    self._fail(f"{method}: {answer['error']}")
                return answer["result"]

    def page(self, method, **params):
        return self.call(method, self._session, **params)

    def evaluate(self, expression):
        result = self.page("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True, userGesture=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"the page threw: {result['exceptionDetails']}")
        return result["result"].get("value")

    def open_page(self, url, phone=None):
        """The converter's page in a Russian page language, on a touch screen
        of phone=(width, height) CSS pixels where given, once it shows its
        window."""
        if phone:
            self.page("Emulation.setDeviceMetricsOverride", width=phone[0], height=phone[1],
                      deviceScaleFactor=1, mobile=True)
            self.page("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        self.page("Emulation.setUserAgentOverride", userAgent="Chrome Headless",
                  acceptLanguage="ru-RU")
        self.page("Emulation.setLocaleOverride", locale="ru-RU")
        self.page("Page.navigate", url="about:blank")
        self.page("Page.navigate", url=url)
        deadline = time.monotonic() + 20
        while not self.evaluate("document.body?.classList.contains('ready') === true"):
            if time.monotonic() > deadline:
                raise RuntimeError(f"{url} never showed its window")
            time.sleep(0.025)

    def click(self, name, button="left"):
        x, y = self.evaluate(f"{MIDDLE}({name!r})")
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.page("Input.dispatchMouseEvent", type=kind, x=x, y=y,
                      button="none" if kind == "mouseMoved" else button, clickCount=1)
        self.evaluate("new Promise((done) => setTimeout(done, 50))")

    def tap(self, name, held=0.0):
        """A finger on a control's middle, lifted after held seconds."""
        x, y = self.evaluate(f"{MIDDLE}({name!r})")
        self.page("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        time.sleep(held)
        self.page("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        self.evaluate("new Promise((done) => setTimeout(done, 50))")

    def _fail(self, what):
        self._log.seek(0)
        said = self._log.read().decode(errors="replace").strip()
        raise RuntimeError(f"{self._name}: {what}" + (f"; it said:\n{said}" if said else ""))

    def close(self):
        """Ends the browser and its whole process group, and removes its
        profile."""
        try:
            self.call("Browser.close")
            self._process.wait(timeout=5)
        except (RuntimeError, subprocess.TimeoutExpired):
            pass
        try:
            os.killpg(self._process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self._process.wait()
        self._remove()

    def _remove(self):
        self._log.close()
        shutil.rmtree(self._profile, ignore_errors=True)
