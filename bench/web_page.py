#!/usr/bin/python3
"""How the web page starts and reacts, in headless Chromium, opened from file://.

usage: bench/web_page.py [PAGE.html] [--pairs N] [--inputs N]

- the file's size;
- time from navigation start to the first frame with text, against two floors: the same page
  with its scripts removed (what its content costs to show) and a plain page, a
  485 x 477 element with the same title and one "Times New Roman" label; interleaved runs,
  medians and their ratios;
- a click, a key and a tap on a value selector, five variables, all rows 1, until the box is
  rewritten: from the moment the page first sees the trusted event (a listener on the window,
  capturing) to the end of its handling (a listener on the document, after the face's); and on
  to the rewritten address, which follows in a task of its own; a swipe's scroll, which the
  touch's own handler sets for the next frame; medians.
Each figure is printed with its budget (BUDGETS below).
"""
import argparse
import html
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from browser_test import Page, open_browser  # noqa: E402  the test's browser and input

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
# The budgets: the file's size in KB; the first frame against the page without its scripts, and
# the goal for it; an input to the rewritten box, in ms.
BUDGETS = {"size": 120, "first frame": 1.10, "first frame goal": 1.05, "input": 1}
TIMING = """
const [start, end] = arguments;
window.benchTimes = [];
window.benchAddress = [];
const replace = history.replaceState.bind(history);
history.replaceState = (...change) => {
  replace(...change);
  window.benchAddress.push(performance.now() - window.benchInput);
};
addEventListener(start, () => { window.benchStart = performance.now(); }, true);
document.addEventListener(end, (event) => {
  // A press on a scroll bar's arrow only scrolls; the press on the item is the input.
  if (event.type !== 'mousedown' || event.target.closest('[role=option]')) {
    window.benchTimes.push(performance.now() - window.benchStart);
    window.benchInput = window.benchStart;
  }
});"""


def first_text_ms(driver, url):
    driver.get(url)
    return driver.execute_async_script(
        "const done = arguments[0], look = () => { const e = performance.getEntriesByName("
        "'first-contentful-paint'); e.length ? done(e[0].startTime) : setTimeout(look, 5); };"
        "look();")


def floors(folder, page_file):
    """The page without its scripts, and the plain page."""
    with open(page_file, encoding="utf-8") as source:
        page = source.read()
    title = html.unescape(re.search(r"<title>(.*?)</title>", page).group(1))
    without = subprocess.run(["node", os.path.join(ROOT, "web", "page_parts.js"), "without-scripts",
                              page_file], capture_output=True, text=True, check=True).stdout
    pages = {"no scripts": without,
             "plain": '<!DOCTYPE html><html lang="bg"><head><meta charset="utf-8">'
                      f"<title>{html.escape(title)}</title></head><body style=\"margin:0\">"
                      '<div style="width:485px;height:477px;background:rgb(192,192,255);'
                      'font:12pt \'Times New Roman\',serif">Брой</div></body></html>'}
    for name, text in pages.items():
        path = os.path.join(folder, name.replace(" ", "-") + ".html")
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)
        pages[name] = "file://" + path
    return pages


def input_times(page, inputs, how):
    """Milliseconds for each input on row 31's selector, five variables, all rows 1."""
    page.open()
    page.type_into("List2", "5")
    for row in range(32):
        page.type_into(page.selector(row), "1")
    last = page.selector(31)
    left, top, width, height = page.controls[last]
    x, y = left + (width - 14) // 2, top + height // 2
    events = {"click": ("mousedown", "mousedown"), "key": ("keydown", "keydown"),
              "tap": ("mousedown", "mousedown"), "swipe": ("touchmove", "touchmove")}[how]
    page.driver.execute_script(TIMING, *events)
    for step in range(inputs):
        if how == "key":
            page.press(page.keys.ARROW_UP if step % 2 == 0 else page.keys.ARROW_DOWN)
        elif how == "swipe":
            page.swipe(x, y, height * 3 // 2 * (1 if step % 2 == 0 else -1))
        else:
            # Scroll to the other item with the scroll bar's arrow, then choose it.
            page.click_in(last, dx=-8, dy=4 if step % 2 == 0 else -5)
            (page.tap if how == "tap" else page.click)(x, y)
    times, address = page.driver.execute_script("return [window.benchTimes, window.benchAddress];")
    assert len(times) >= inputs, f"{how}: inputs got lost"
    # An address the setting up changed may follow after the timing started: it is no input's.
    return times, [ms for ms in address if ms is not None]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page", nargs="?", default=os.path.join(ROOT, "build/web/normal-forms.html"))
    parser.add_argument("--pairs", type=int, default=15)
    parser.add_argument("--inputs", type=int, default=101)
    args = parser.parse_args()
    page_file = os.path.abspath(args.page)
    size = os.path.getsize(page_file)
    print(f"file: {size} bytes ({size / 1024:.1f} KB, budget {BUDGETS['size']} KB)")

    with tempfile.TemporaryDirectory() as folder:
        driver = open_browser(folder)
        try:
            urls = {"page": "file://" + page_file, **floors(folder, page_file)}
            first_text_ms(driver, urls["page"])  # warm-up, not counted
            runs = {name: [] for name in urls}
            for turn in range(args.pairs):
                for name in list(urls)[::1 if turn % 2 == 0 else -1]:
                    runs[name].append(first_text_ms(driver, urls[name]))
            # The browser gives paint times in steps of a few milliseconds: the means of many
            # runs resolve finer than their medians.
            for kind, average in (("medians", statistics.median), ("means", statistics.mean)):
                of = {name: average(times) for name, times in runs.items()}
                print(f"first frame with text, {kind} over {args.pairs} runs: " + ", ".join(
                    f"{name} {ms:.1f} ms" for name, ms in of.items()) +
                    f"; page / page without scripts {of['page'] / of['no scripts']:.3f} (budget"
                    f" {BUDGETS['first frame']}, goal {BUDGETS['first frame goal']}), page / plain"
                    f" page {of['page'] / of['plain']:.3f}")

            window = json.loads(os.popen(
                f"{os.path.join(ROOT, 'build/ci/tests/web/web-sessions')} describe").read())
            page = Page(driver, urls["page"], window)
            for how in ("click", "key", "tap", "swipe"):
                if how == "tap":
                    page.emulate(390, 844, True)
                times, address = input_times(page, args.inputs, how)
                print(f"{how} on a value selector, 5 variables, all rows 1: median "
                      f"{statistics.median(times):.3f} ms over {len(times)} (max {max(times):.3f} ms;"
                      f" budget {BUDGETS['input']} ms)" + (f"; to the rewritten address {statistics.median(address):.3f}"
                                         " ms" if address else ""))
        finally:
            driver.quit()


if __name__ == "__main__":
    main()
