#!/usr/bin/python3
"""Takes docs/web-screenshot.png of the built page in headless Chromium, in the state of the
desktop screenshot (four variables, ДНФ, rows 1, 6 and 9 set to 1) set through real clicks and
keys, and docs/desktop-and-web.png: the desktop screenshot and the page's side by side.

usage: docs/make-web-screenshot.py [PAGE.html]   (default build/web/normal-forms.html; needs the
ci build's web-sessions for the controls' places, Debian's chromium, chromium-driver,
python3-selenium and ImageMagick)
"""
import json
import os
import subprocess
import sys
import tempfile

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
sys.path.insert(0, os.path.join(ROOT, "tests", "web"))
from browser_test import Page, open_browser  # noqa: E402  the test's browser and input

page_file = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                            os.path.join(ROOT, "build/web/normal-forms.html"))
window = json.loads(subprocess.run([os.path.join(ROOT, "build/ci/tests/web/web-sessions"),
                                    "describe"], capture_output=True, check=True).stdout)
with tempfile.TemporaryDirectory() as folder:
    driver = open_browser(folder)
    try:
        page = Page(driver, "file://" + page_file, window)
        page.open()
        page.type_into("List2", "4")
        for row in (1, 6, 9):
            page.type_into(page.selector(row), "1")
        shot = os.path.join(ROOT, "docs", "web-screenshot.png")
        driver.find_element("id", "window").screenshot(shot)
    finally:
        driver.quit()
subprocess.run(["convert", os.path.join(ROOT, "docs", "screenshot.png"), "-size", "16x477",
                "xc:white", shot, "+append", os.path.join(ROOT, "docs", "desktop-and-web.png")],
               check=True)
print("wrote docs/web-screenshot.png and docs/desktop-and-web.png")
