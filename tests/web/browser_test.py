#!/usr/bin/python3
"""browser_test.py SITE_DIR TRACE_TOOL AXE_JS: the page in headless Chromium, served from
127.0.0.1 and driven by mouse and keyboard, proving the wiring of what the C++ suites check: its
identity and install data, the controls' places and tab order, the drawings against the desktop
raster, the error report, auto-run and its stop, the area's menu, copy and save, axe-core, other
densities and a phone's screen, then the page again with the server gone; no console error and
no failed request throughout. Every wait is for a condition, bounded."""

import base64
import functools
import http.server
import subprocess
import sys
import tempfile
import threading
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE, TRACE, AXE = sys.argv[1:4]
WAIT_SECONDS = 30
# Without the background-networking flags Chromium keeps calling out of this closed network.
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--window-size=1024,768"]
SHIFT = 8  # in the modifiers of the DevTools protocol's key events
OVERFLOW_REPORT = "実行時エラー '6':\n\nオーバーフローしました。"

# The canvas's size in pixels, once the program has made it for the screen's density.
CANVAS = """const canvas = document.getElementById('Picture1');
    return canvas?.width === Math.round(433 * devicePixelRatio) && [canvas.width, canvas.height];"""

# The pixels of the canvas against a PNG given as a Blob: an empty text when they are the same,
# else what differs. The browser decodes the PNG, with no colour conversion.
DIFFERENCE = """
const difference = async (blob) => {
    const canvas = document.getElementById('Picture1');
    const bitmap = await createImageBitmap(blob, {colorSpaceConversion: 'none',
                                                  premultiplyAlpha: 'none'});
    const [width, height] = [canvas.width, canvas.height];
    if (bitmap.width !== width || bitmap.height !== height) {
        return `${bitmap.width} x ${bitmap.height} against ${width} x ${height}`;
    }
    const decoded = new OffscreenCanvas(width, height).getContext('2d');
    decoded.drawImage(bitmap, 0, 0);
    const expected = decoded.getImageData(0, 0, width, height).data;
    const shown = canvas.getContext('2d').getImageData(0, 0, width, height).data;
    let differing = 0;
    for (let i = 0; i < shown.length; i += 4) {
        differing += expected.slice(i, i + 4).some((value, k) => value !== shown[i + k]);
    }
    return differing ? `${differing} pixels differ` : '';
};
const done = arguments[arguments.length - 1];
const fromBase64 = (text) => new Blob([Uint8Array.from(atob(text), (c) => c.charCodeAt(0))]);
"""


def fail(message):
    print(f"FAILED: {message}")
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


class Page:
    """Chromium on the site, with what the cases share: waits, scripts, keys and the canvas."""

    def __init__(self, work):
        self.downloads = work / "downloads"
        handler = functools.partial(QuietHandler, directory=SITE)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        options = webdriver.ChromeOptions()
        for flag in FLAGS + [f"--user-data-dir={work / 'profile'}"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_script_timeout(WAIT_SECONDS)
        self.cdp("Browser.setDownloadBehavior",
                 behavior="allow", downloadPath=str(self.downloads))
        self.cdp("Browser.grantPermissions", origin=self.url.rstrip("/"),
                 permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def wait(self, condition, what):
        try:
            WebDriverWait(self.driver, WAIT_SECONDS).until(lambda _: condition())
        except TimeoutException:
            fail(f"waited in vain for {what}")

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def js_async(self, body, *arguments):
        """Runs an async body with `difference`, `fromBase64` and `done` in scope."""
        try:
            return self.driver.execute_async_script(
                DIFFERENCE + f"(async () => {{ {body} }})().then(done, (e) => done(`${{e}}`));",
                *arguments)
        except TimeoutException:
            fail(f"waited in vain for {body.splitlines()[0]}")

    def load(self):
        """Opens the page and waits for the program to have made its canvas."""
        self.driver.get(self.url)
        self.wait(lambda: self.js(CANVAS), "the program to load")

    def element(self, id):
        return self.driver.find_element("id", id)

    def keys(self, *keys, modifier=None):
        actions = ActionChains(self.driver)
        if modifier:
            actions.key_down(modifier)
        actions.send_keys(*keys)
        if modifier:
            actions.key_up(modifier)
        actions.perform()

    def focused(self):
        return self.js("return document.activeElement")

    def draw(self, order):
        field = self.element("Text1")
        field.click()
        self.keys("a", modifier=Keys.CONTROL)
        self.keys(order)
        self.element("Command1").click()

    def differs_from(self, png):
        return self.js_async("return difference(fromBase64(arguments[0]));",
                             base64.b64encode(png).decode())

    def open_menu(self, key="F10", key_code=121, modifiers=SHIFT):
        """Shift+F10, or another key, on the drawing area, as the system's own key events:
        Chromium makes the context menu event from those, not from WebDriver's."""
        self.js("document.getElementById('Picture1').focus()")
        for kind in ["rawKeyDown", "keyUp"]:
            self.cdp("Input.dispatchKeyEvent", type=kind, key=key, code=key,
                     windowsVirtualKeyCode=key_code, modifiers=modifiers)
        self.wait(lambda: self.focused().get_attribute("role") == "menuitem",
                  f"the menu from {key} on its first item")

    def metrics(self, width, height, ratio, mobile=False):
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=ratio, mobile=mobile)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


@functools.cache
def trace_png(work, order):
    path = work / f"trace-{order}.png"
    subprocess.run([TRACE, "--summary", "--png", path, order], check=True,
                   stdout=subprocess.DEVNULL)
    return path.read_bytes()


def identity(page):
    check(page.js("return document.documentElement.lang") == "ja", "the page is not in Japanese")
    check(page.driver.title == "Vorrelin曲線", f"the title is {page.driver.title}")
    heading = page.js("return document.querySelector('h1').textContent")
    check(heading == "Vorrelin曲線", f"the heading is {heading}")
    # The favicon, then each of the manifest's icons, at the size it is given.
    icons = page.js_async("""const size = async (address) => {
            const image = new Image();
            image.src = new URL(address, location).href;
            await image.decode();
            return `${image.naturalWidth}x${image.naturalHeight}`;
        };
        const manifest = await (await fetch(document.querySelector('link[rel=manifest]').href))
            .json();
        return [await size(document.querySelector('link[rel=icon]').href),
                ...await Promise.all(manifest.icons.map(async (icon) =>
                    `${icon.sizes}: ${await size(icon.src)}`))];""")
    check(icons == ["192x192", "192x192: 192x192", "512x512: 512x512"], f"the icons: {icons}")
    check(page.focused().get_attribute("id") == "Picture1", "the drawing area has no focus")
    for id, text in [("Text1", "5"), ("Text2", "500")]:
        check(page.element(id).get_attribute("value") == text, f"{id} does not start as {text}")


def installable(page):
    """Chromium's own reading of the manifest and of what it takes to install the page."""
    page.js_async("await navigator.serviceWorker.ready;")
    manifest = page.cdp("Page.getAppManifest")
    check(not manifest["errors"], f"the manifest: {manifest['errors']}")
    problems = page.cdp("Page.getInstallabilityErrors")["installabilityErrors"]
    check(not problems, f"not installable: {problems}")


# Each control's frame in CSS pixels from the client area's corner: the window's twips / 15.
PLACES = [("Picture1", 8, 8, 437, 437), ("Command1", 456, 24, 41, 25),
          ("Text1", 456, 72, 41, 18), ("Label1", 456, 56, 65, 25),
          ("Command2", 456, 104, 65, 25), ("Command3", 456, 208, 65, 25),
          ("Text2", 456, 152, 49, 18), ("Label2", 456, 136, 89, 17)]


def layout(page):
    frame = lambda id: page.js("""const box = document.getElementById(arguments[0])
                                      .getBoundingClientRect();
                                  return [box.x, box.y, box.width, box.height];""", id)
    form = frame("Form1")
    check([round(v) for v in form[2:]] == [559, 482], f"the client area is {form[2:]}")
    for id, *place in PLACES:
        box = frame(id)
        found = [round(box[0] - form[0]), round(box[1] - form[1]), round(box[2]), round(box[3])]
        check(found == place, f"{id} is at {found}, not {place}")
    tabbed = []
    for _ in range(5):
        page.keys(Keys.TAB)
        tabbed.append(page.focused().get_attribute("id"))
    check(tabbed == ["Command1", "Text1", "Command2", "Command3", "Text2"],
          f"Tab visits {tabbed}")


def error_reports(page):
    """The report of an order out of range, closed by either key; the program goes on."""
    for key in [Keys.RETURN, Keys.ESCAPE]:
        page.draw("1e9")
        dialog = page.driver.find_element("css selector", "dialog[role=alertdialog]")
        check(dialog.get_attribute("open") is not None, "1e9 is not reported")
        check(dialog.accessible_name == "VorrelinCurve", f"the report's title: {dialog.accessible_name}")
        text = page.js("return arguments[0].innerText", dialog)
        check(OVERFLOW_REPORT in text, f"the report says {text!r}")
        check(page.focused().text == "OK", "OK has no focus")
        page.keys(key)
        page.wait(lambda: dialog.get_attribute("open") is None, f"{key!r} to close the report")


def drawings(page, work):
    """The orders 10 and up fall on one point: the trace tool would take minutes to draw them
    segment by segment, and the engine's suites check them."""
    for order in ["5", "9"]:
        page.draw(order)
        difference = page.differs_from(trace_png(work, order))
        check(not difference, f"order {order} against the desktop's raster: {difference}")


def auto_run(page):
    """The orders auto-run writes into Text1, each recorded as written, and the one drawing more
    after Stop."""
    page.js("""const field = document.getElementById('Text1');
        const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
        window.written = [];
        Object.defineProperty(field, 'value', {get() { return value.get.call(this); },
            set(text) { window.written.push(text); value.set.call(this, text); }});""")
    interval = page.element("Text2")
    interval.clear()
    interval.send_keys("50")
    page.element("Command2").click()
    page.wait(lambda: len(page.js("return window.written")) >= 3, "three auto-run drawings")
    written = page.js("return window.written")
    check(written[:3] == ["1", "2", "3"], f"auto-run wrote {written}")
    stopped_at = page.js("document.getElementById('Command3').click(); return written.length")
    page.wait(lambda: len(page.js("return window.written")) > stopped_at, "the drawing after Stop")
    # Twenty periods more, in which a timer left running would write again.
    written = page.js_async("await new Promise((r) => setTimeout(r, 1000)); return written;")
    check(len(written) == stopped_at + 1, f"after Stop auto-run wrote {written[stopped_at:]}")


def keeping(page, work):
    """Copy and save, from the keyboard and the menu, give the canvas's pixels."""
    clipboard_png = """const items = await navigator.clipboard.read();
        const item = items.find((i) => i.types.includes('image/png'));
        return item ? difference(await item.getType('image/png')) : 'no image/png';"""
    page.draw("5")
    for how in ["Ctrl+C", "Shift+F10", "the menu key"]:
        page.js_async("await navigator.clipboard.writeText('');")
        if how == "Ctrl+C":
            page.js("document.getElementById('Picture1').focus()")
            page.keys("c", modifier=Keys.CONTROL)
        else:
            page.open_menu(*[] if how == "Shift+F10" else ["ContextMenu", 93, 0])
            check(page.focused().text == "画像をコピー", f"the menu starts on {page.focused().text}")
            page.keys(Keys.RETURN)
        page.wait(lambda: page.js_async(clipboard_png) != "no image/png", f"{how} to copy")
        difference = page.js_async(clipboard_png)
        check(not difference, f"{how} copied another picture: {difference}")

    for how, order in [("the menu", "3"), ("Ctrl+S", "5")]:
        page.draw(order)
        if how == "Ctrl+S":
            page.keys("s", modifier=Keys.CONTROL)
        else:
            page.open_menu()
            page.keys(Keys.DOWN)
            check(page.focused().text == "画像を保存", f"Down goes to {page.focused().text}")
            page.keys(Keys.RETURN)
        saved = page.downloads / f"Vorrelin曲線 次数{order}.png"
        page.wait(saved.exists, f"{how} to save {saved.name}")
        difference = page.differs_from(saved.read_bytes())
        check(not difference, f"{how} saved another picture: {difference}")


def accessibility(page):
    """axe-core, best practices included, on the page, with its menu open and with a report."""
    page.js(Path(AXE).read_text(encoding="utf-8"))
    rules = {"type": "tag", "values": ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa",
                                       "best-practice"]}
    for state, open_it in [("the page", lambda: None), ("the menu", page.open_menu),
                           ("the report", lambda: page.draw("1e9"))]:
        open_it()
        found = page.js_async("return (await axe.run(document, {runOnly: arguments[0]}))"
                              ".violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`);",
                              rules)
        check(not found, f"axe-core on {state}: {found}")
        page.keys(Keys.ESCAPE)


def densities(page):
    """At twice the density the canvas holds twice the pixels; on a phone's screen the window is
    scaled down to fit, and the raster keeps the screen's density."""
    for width, height, ratio, mobile, canvas in [(1024, 768, 2, False, 866),
                                                 (360, 640, 3, True, 1299)]:
        page.metrics(width, height, ratio, mobile)
        page.load()
        check(page.js(CANVAS) == [canvas, canvas], f"at {ratio} the canvas is {page.js(CANVAS)}")
        fit = page.js("""const form = document.getElementById('Form1').getBoundingClientRect();
            return [innerWidth, innerHeight, form.right <= innerWidth && form.bottom <= innerHeight];""")
        check(fit == [width, height, True], f"on a screen {width} x {height} the window: {fit}")
    page.cdp("Emulation.clearDeviceMetricsOverride")


def offline(page, work):
    page.server.shutdown()
    page.server.server_close()
    page.load()
    page.draw("5")
    difference = page.differs_from(trace_png(work, "5"))
    check(not difference, f"offline, order 5: {difference}")


def main():
    with tempfile.TemporaryDirectory() as folder:
        work = Path(folder)
        page = Page(work)
        try:
            page.load()
            for case in [identity, installable, layout, error_reports,
                         lambda p: drawings(p, work), auto_run, lambda p: keeping(p, work),
                         accessibility, densities, lambda p: offline(p, work)]:
                case(page)
            errors = [entry["message"] for entry in page.driver.get_log("browser")
                      if entry["level"] == "SEVERE"]
            check(not errors, f"the console shows errors: {errors}")
        finally:
            page.driver.quit()
    print("browser: the page's wiring, installed and offline")


if __name__ == "__main__":
    main()
