#!/usr/bin/python3
"""browser_test.py SITE_DIR TRACE_TOOL AXE_JS: the page in headless Chromium, served from
127.0.0.1, proving the wiring of what the C++ suites check, then the page with the server gone;
with no console error and no failed request. Every wait is for a condition, bounded."""

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

# The canvas's size in pixels, once the program has made it for the screen's density.
CANVAS = """const canvas = document.getElementById('Picture1');
    return canvas?.width === Math.round(433 * devicePixelRatio) && [canvas.width, canvas.height];"""

# What an async script has in scope: `difference`, which compares the canvas's pixels with a PNG
# given as a Blob, decoded by the browser with no colour conversion, and `fromBase64`.
PRELUDE = """const done = arguments[arguments.length - 1];
const fromBase64 = (text) => new Blob([Uint8Array.from(atob(text), (c) => c.charCodeAt(0))]);
const difference = async (blob) => {
    const canvas = document.getElementById('Picture1');
    const [width, height] = [canvas.width, canvas.height];
    const bitmap = await createImageBitmap(blob, {colorSpaceConversion: 'none'});
    if (bitmap.width !== width || bitmap.height !== height) {
        return `${bitmap.width} x ${bitmap.height} against ${width} x ${height}`;
    }
    const decoded = new OffscreenCanvas(width, height).getContext('2d');
    decoded.drawImage(bitmap, 0, 0);
    const expected = new Uint32Array(decoded.getImageData(0, 0, width, height).data.buffer);
    const shown = new Uint32Array(
        canvas.getContext('2d').getImageData(0, 0, width, height).data.buffer);
    const differing = shown.filter((pixel, i) => pixel !== expected[i]).length;
    return differing ? `${differing} pixels differ` : '';
};
"""


def fail(message):
    print(f"FAILED: {message}")
    sys.exit(1)


def expect(found, expected, what):
    if found != expected:
        fail(f"{what}: {found!r}, not {expected!r}")


class Page:
    """Chromium on the site, with what the cases share: waits, scripts, keys and pictures."""

    def __init__(self, work):
        self.work = work
        quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,),
                     {"log_message": lambda *_: None})
        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(quiet, directory=SITE))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        options = webdriver.ChromeOptions()
        for flag in FLAGS + [f"--user-data-dir={work / 'profile'}"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_script_timeout(WAIT_SECONDS)
        self.cdp("Browser.setDownloadBehavior", behavior="allow", downloadPath=str(work))
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
        try:
            return self.driver.execute_async_script(
                PRELUDE + f"(async () => {{ {body} }})().then(done, (e) => done(`${{e}}`));",
                *arguments)
        except TimeoutException:
            fail(f"waited in vain for {body.splitlines()[0]}")

    def load(self):
        self.driver.get(self.url)
        self.wait(lambda: self.js(CANVAS), "the program to load")

    def element(self, id):
        return self.driver.find_element("id", id)

    def focused(self):
        return self.js("return document.activeElement")

    def keys(self, key, modifier=None):
        actions = ActionChains(self.driver)
        (actions.key_down(modifier).send_keys(key).key_up(modifier) if modifier
         else actions.send_keys(key)).perform()

    def draw(self, order, field="Text1", button="Command1"):
        """Types into a field and presses a button: by default an order, and 描画."""
        self.element(field).clear()
        self.element(field).send_keys(order)
        self.element(button).click()

    def shows(self, png, what):
        found = self.js_async("return difference(fromBase64(arguments[0]));",
                              base64.b64encode(png).decode())
        expect(found, "", f"{what} against the canvas")

    @functools.cache
    def trace(self, order):
        path = self.work / f"trace-{order}.png"
        subprocess.run([TRACE, "--summary", "--png", path, order], check=True,
                       stdout=subprocess.DEVNULL)
        return path.read_bytes()

    def open_menu(self, key="F10", key_code=121, modifiers=SHIFT):
        """Shift+F10 or another key as DevTools key events, which alone make a context menu."""
        self.js("document.getElementById('Picture1').focus()")
        for kind in ["rawKeyDown", "keyUp"]:
            self.cdp("Input.dispatchKeyEvent", type=kind, key=key, code=key,
                     windowsVirtualKeyCode=key_code, modifiers=modifiers)
        self.wait(lambda: self.focused().get_attribute("role") == "menuitem",
                  f"the menu from {key} on its first item")


def identity(page):
    """The page's first state, its icons, and Chromium's reading of its manifest."""
    found = page.js("""return [document.documentElement.lang, document.title,
        document.querySelector('h1').textContent, document.activeElement.id, Text1.value,
        Text2.value];""")
    expect(found, ["ja", "Vorrelin曲線", "Vorrelin曲線", "Picture1", "5", "500"], "the page")
    icons = page.js_async("""const size = async (address) => {
            const image = await createImageBitmap(await (await fetch(address)).blob());
            return `${image.width}x${image.height}`;
        };
        const manifest = await (await fetch(document.querySelector('[rel=manifest]').href)).json();
        return [await size(document.querySelector('[rel=icon]').href), ...await Promise.all(
            manifest.icons.map(async (icon) => `${icon.sizes}: ${await size(icon.src)}`))];""")
    expect(icons, ["192x192", "192x192: 192x192", "512x512: 512x512"], "the favicon and icons")
    page.js_async("await navigator.serviceWorker.ready;")
    expect(page.cdp("Page.getAppManifest")["errors"], [], "the manifest's errors")
    expect(page.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [],
           "what keeps the page from being installed")


# Each control's frame in CSS pixels from the client area's corner: the window's twips / 15.
PLACES = {"Form1": [0, 0, 559, 482], "Picture1": [8, 8, 437, 437],
          "Command1": [456, 24, 41, 25], "Text1": [456, 72, 41, 18], "Label1": [456, 56, 65, 25],
          "Command2": [456, 104, 65, 25], "Command3": [456, 208, 65, 25],
          "Text2": [456, 152, 49, 18], "Label2": [456, 136, 89, 17]}


def layout(page):
    found = page.js("""const corner = Form1.getBoundingClientRect();
        return Object.fromEntries(arguments[0].map((id) => {
            const box = document.getElementById(id).getBoundingClientRect();
            return [id, [box.x - corner.x, box.y - corner.y, box.width, box.height]
                        .map(Math.round)];
        }));""", list(PLACES))
    expect(found, PLACES, "the places")
    tabbed = [page.keys(Keys.TAB) or page.focused().get_attribute("id") for _ in range(5)]
    expect(tabbed, ["Command1", "Text1", "Command2", "Command3", "Text2"], "Tab's order")


def error_reports(page):
    """The report of an order out of range, closed by either key; the program goes on."""
    for key in [Keys.RETURN, Keys.ESCAPE]:
        page.draw("1e9")
        dialog = page.driver.find_element("css selector", "dialog[role=alertdialog][open]")
        text = page.element(dialog.get_attribute("aria-describedby")).text
        expect([dialog.accessible_name, text, page.focused().text],
               ["VorrelinCurve", "実行時エラー '6':\n\nオーバーフローしました。", "OK"],
               "the report")
        page.keys(key)
        page.wait(lambda: dialog.get_attribute("open") is None, f"{key!r} to close the report")


def drawings(page):
    # The orders from 10 up would take the trace tool minutes; the engine's suites check them.
    for order in ["5", "9"]:
        page.draw(order)
        page.shows(page.trace(order), f"the desktop's order {order}")


def auto_run(page):
    """The orders auto-run writes into Text1, and the one drawing more after Stop."""
    page.js("""const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
        window.written = [];
        Object.defineProperty(Text1, 'value', {get() { return value.get.call(this); },
            set(text) { written.push(text); value.set.call(this, text); }});""")
    page.draw("50", "Text2", "Command2")
    page.wait(lambda: len(page.js("return written")) >= 3, "three auto-run drawings")
    expect(page.js("return written")[:3], ["1", "2", "3"], "auto-run's orders")
    stopped_at = page.js("Command3.click(); return written.length")
    page.wait(lambda: len(page.js("return written")) > stopped_at, "the drawing after Stop")
    # Twenty periods more, in which a timer left running would write again.
    written = page.js_async("await new Promise((r) => setTimeout(r, 1000)); return written;")
    expect(len(written), stopped_at + 1, "the drawings after Stop")


def keeping(page):
    """Copy and save, from the keyboard and the menu, give the canvas's pixels."""
    page.draw("5")
    for how in ["Ctrl+C", "Shift+F10", "the menu key"]:
        page.js_async("await navigator.clipboard.writeText('');")
        if how == "Ctrl+C":
            page.js("Picture1.focus()")
            page.keys("c", Keys.CONTROL)
        else:
            page.open_menu(*[] if how == "Shift+F10" else ["ContextMenu", 93, 0])
            expect(page.focused().text, "画像をコピー", "the menu's first item")
            page.keys(Keys.RETURN)
        png = """const items = await navigator.clipboard.read();
            const item = items.find((i) => i.types.includes('image/png'));
            return item && btoa(String.fromCharCode(
                ...new Uint8Array(await (await item.getType('image/png')).arrayBuffer())));"""
        page.wait(lambda: page.js_async(png), f"{how} to copy")
        page.shows(base64.b64decode(page.js_async(png)), f"the picture {how} copied")
    for how, order in [("the menu", "3"), ("Ctrl+S", "5")]:
        page.draw(order)
        if how == "Ctrl+S":
            page.keys("s", Keys.CONTROL)
        else:
            page.open_menu()
            page.keys(Keys.DOWN)
            expect(page.focused().text, "画像を保存", "the menu's item after Down")
            page.keys(Keys.RETURN)
        saved = page.work / f"Vorrelin曲線 次数{order}.png"
        page.wait(saved.exists, f"{how} to save {saved.name}")
        page.shows(saved.read_bytes(), f"the picture {how} saved")


def accessibility(page):
    """axe-core, best practices included, on the page, with its menu open and with a report."""
    page.js(Path(AXE).read_text(encoding="utf-8"))
    rules = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]
    for state, open_it in [("the page", lambda: None), ("the menu", page.open_menu),
                           ("the report", lambda: page.draw("1e9"))]:
        open_it()
        found = page.js_async("""const found = await axe.run(document,
                {runOnly: {type: 'tag', values: arguments[0]}});
            return found.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`);""",
                              rules)
        expect(found, [], f"axe-core's violations on {state}")
        page.keys(Keys.ESCAPE)


def densities(page):
    """At twice the density the canvas holds twice the pixels; on a phone's screen the window is
    scaled down to fit, and the raster keeps the screen's density."""
    for width, height, ratio, mobile, side in [(1024, 768, 2, False, 866),
                                               (360, 640, 3, True, 1299)]:
        page.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=ratio, mobile=mobile)
        page.load()
        expect(page.js(CANVAS), [side, side], f"the canvas at ratio {ratio}")
        found = page.js("""const form = Form1.getBoundingClientRect();
            return [innerWidth, innerHeight, form.right <= innerWidth && form.bottom <= innerHeight];""")
        expect(found, [width, height, True], "the screen and whether the window fits it")
    page.cdp("Emulation.clearDeviceMetricsOverride")


def offline(page):
    """With the server gone and the HTTP cache emptied, only the service worker has the site."""
    page.server.shutdown()
    page.server.server_close()
    page.cdp("Network.clearBrowserCache")
    page.load()
    page.draw("5")
    page.shows(page.trace("5"), "offline, the desktop's order 5")


def main():
    with tempfile.TemporaryDirectory() as folder:
        page = Page(Path(folder))
        try:
            page.load()
            for case in [identity, layout, error_reports, drawings, auto_run, keeping,
                         accessibility, densities, offline]:
                case(page)
            errors = [entry["message"] for entry in page.driver.get_log("browser")
                      if entry["level"] == "SEVERE"]
            expect(errors, [], "the console's errors")
        finally:
            page.driver.quit()
    print("browser: the page's wiring, installed and offline")


if __name__ == "__main__":
    main()
