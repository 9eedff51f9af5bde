#!/usr/bin/python3
"""web_bench.py SITE_DIR: how long the page takes, in headless Chromium, from the click on 描画
to the finished picture on the canvas, for each benchmarked order at device pixel ratios 1 and
2: the median of several clicks, in milliseconds. The click's handler draws the whole picture
and puts it on the canvas before it returns, so the time is that of the click, taken in the
page; the browser shows the canvas at its next frame."""

import functools
import http.server
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

ORDERS = ["5", "9", "13", "13.5"]
RATIOS = [1, 2]
CLICKS = 9
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"]
# One click on 描画 with an order in Text1, timed in the page.
CLICK = """Text1.value = arguments[0];
    const start = performance.now();
    Command1.click();
    return performance.now() - start;"""


def main():
    quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,),
                 {"log_message": lambda *_: None})
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(quiet, directory=sys.argv[1]))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    with tempfile.TemporaryDirectory() as profile:
        options = webdriver.ChromeOptions()
        for flag in FLAGS + [f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            print("order  " + "  ".join(f"ratio {ratio}" for ratio in RATIOS))
            medians = {}
            for ratio in RATIOS:
                driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": 1024, "height": 768, "deviceScaleFactor": ratio, "mobile": False})
                driver.get(f"http://127.0.0.1:{server.server_port}/")
                WebDriverWait(driver, 30).until(lambda d: d.execute_script(
                    "return window.Picture1?.width === Math.round(433 * devicePixelRatio)"))
                for order in ORDERS:
                    times = [driver.execute_script(CLICK, order) for _ in range(CLICKS)]
                    medians[order, ratio] = statistics.median(times)
            for order in ORDERS:
                print(f"{order:5}  " + "  ".join(f"{medians[order, ratio]:4.1f} ms"
                                                 for ratio in RATIOS))
        finally:
            driver.quit()
            server.shutdown()


if __name__ == "__main__":
    main()
