#!/usr/bin/python3
"""The page in headless Chromium, opened from file:// in an otherwise empty folder with the
network blocked, driven only by trusted mouse and key input at the window's pixel positions.

usage: browser_test.py PAGE.html WEB-SESSIONS
This file holds the browser: it checks the window's places, focus and Tab order itself, then
serves web-sessions (see browser_face.h), which replays the sessions and compares what the page
shows with the user model. Prints "SKIPPED: ..." and exits 0 when no usable Chromium,
ChromeDriver or Selenium is there.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

CHROMIUM, CHROMEDRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"

# What the page shows, as one line for web-sessions (see seen_window.h), read from the document
# as a user would see it; the controls' names come from the window's description.
READ_STATE = r"""
const [names] = arguments;
const byId = (id) => document.getElementById(id);
const selected = (id) => [...byId(id).querySelectorAll('[role=option]')]
    .findIndex((item) => item.getAttribute('aria-selected') === 'true');
const shown = (id) => byId(id).getClientRects().length > 0 ? 1 : 0;
const escaped = (text) => text.replace(/[\\\n\r\t]/g,
    (c) => ({'\\': '\\\\', '\n': '\\n', '\r': '\\r', '\t': '\\t'})[c]);
return [String(selected(names.count)),
        names.options.map((id) => byId(id).getAttribute('aria-checked') === 'true' ? 1 : 0).join(''),
        names.rows.map(([, , list]) => ['-', '0', '1'][selected(list) + 1] ?? '?').join(''),
        names.rows.map((row) => row.map(shown).reduce((a, b) => a + b)).join(''),
        ...names.rows.map(([box]) => byId(box).value),
        escaped(byId(names.box).value)].join('\t');"""

KEYS = {"Down": "ARROW_DOWN", "Up": "ARROW_UP", "Left": "ARROW_LEFT", "Right": "ARROW_RIGHT",
        "Enter": "ENTER", "Space": "SPACE"}


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(0)


def open_browser(folder):
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
    except ImportError:
        skip("the browser test needs python3-selenium")
    for tool in (CHROMIUM, CHROMEDRIVER):
        if not os.access(tool, os.X_OK):
            skip(f"the browser test needs {tool} (Debian's chromium and chromium-driver)")
    if "snap" in os.path.realpath(CHROMIUM) or subprocess.run(
            [CHROMIUM, "--version"], capture_output=True).returncode != 0:
        skip(f"{CHROMIUM} is not a usable Chromium (a snap wrapper cannot run here)")
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--window-size=800,700", "--user-data-dir=" + folder + "/profile",
                 # Nothing may leave the file: no name resolves and no proxy answers.
                 "--host-resolver-rules=MAP * ~NOTFOUND", "--proxy-server=127.0.0.1:9"):
        options.add_argument(flag)
    options.binary_location = CHROMIUM
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


class Page:
    def __init__(self, driver, url, window):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        self.driver, self.url, self.window, self.keys = driver, url, window, Keys
        self.controls = window["controls"]
        self.names = {"count": "List2", "options": ["Option1_0", "Option1_1"],
                      "rows": window["rows"], "box": "Text1_0"}
        self.chain = lambda: ActionChains(driver, duration=0)

    def open(self):
        self.driver.get(self.url)
        # The window is drawn before the WebAssembly is ready; it says when it takes input.
        self.driver.execute_async_script(
            "const done = arguments[0], look = () => document.getElementById('window')"
            ".hasAttribute('data-ready') ? done() : setTimeout(look, 5); look();")
        self.origin = self.driver.execute_script(
            "const r = document.getElementById('window').getBoundingClientRect();"
            "return [r.left, r.top];")

    def seen(self):
        return self.driver.execute_script(READ_STATE, self.names)

    def focus(self):
        return self.driver.execute_script("return document.activeElement.id;")

    def click(self, x, y, ctrl=False):
        """A trusted left click at the window's pixel (x, y)."""
        chain = self.chain()
        chain.w3c_actions.pointer_action.move_to_location(int(self.origin[0] + x),
                                                          int(self.origin[1] + y))
        if ctrl:
            chain.key_down(self.keys.CONTROL)
        # The chain's own click keeps the key held: a bare pointer click would let go first.
        chain.click()
        if ctrl:
            chain.key_up(self.keys.CONTROL)
        chain.perform()

    def click_in(self, name, dx=None, dy=None, ctrl=False):
        left, top, width, height = self.controls[name]
        self.click(left + (width // 2 if dx is None else dx % width),
                   top + (height // 2 if dy is None else dy % height), ctrl)

    def item(self, name, ctrl=False):
        """The item a list shows, left of its 14 px scroll bar."""
        self.click_in(name, dx=(self.controls[name][2] - 14) // 2, ctrl=ctrl)

    def press(self, *keys):
        self.chain().send_keys(*keys).perform()

    def type_into(self, name, text):
        """Clicks the item a list shows, then types an item's text."""
        self.item(name)
        self.press(text)

    def selector(self, row):
        return self.window["rows"][row][2]


def serve(page, runner):
    """Performs web-sessions' commands on the page until it says it is done."""
    sessions = subprocess.Popen([runner, "run"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                text=True, encoding="utf-8")
    for line in sessions.stdout:
        command, _, rest = line.rstrip("\n").partition(" ")
        answer = "ok"
        if command == "open":
            page.open()
        elif command == "click":
            page.click(*map(int, rest.split()))
        elif command == "keys":
            page.press(*(getattr(page.keys, KEYS[k]) if k in KEYS else k for k in rest.split()))
        elif command == "focus":
            page.driver.execute_script("document.getElementById(arguments[0]).focus();", rest)
        elif command == "read":
            answer = page.seen()
        else:
            sessions.wait()
            assert command == "done", f"the sessions failed (see above): {rest}"
            print(rest)
            return
        sessions.stdin.write(answer + "\n")
        sessions.stdin.flush()
    raise AssertionError("web-sessions ended without a word")


def walk_tabs(page, rows, option):
    """Tab from row 0's selector through every control shown (8 or 32 rows), in Tab order."""
    hidden = {name for row in page.window["rows"][rows:] for name in row}
    hidden |= {name for name in page.names["options"] if name != option}
    order = [name for name in page.window["tabOrder"] if name not in hidden]
    page.item(order[0])
    for expected in order[1:]:
        page.press(page.keys.TAB)
        assert page.focus() == expected, f"Tab reached {page.focus()}, expected {expected}"


def check_window(page):
    """Places, start focus, tab order, lists that cannot be emptied, clicks that keep focus."""
    controls = page.controls
    page.open()
    assert page.focus() == "List1_0", "focus does not start on row 0's selector"
    walk_tabs(page, 8, "Option1_0")
    page.type_into("List2", "5")
    page.click_in("Option1_1", dx=8)
    walk_tabs(page, 32, "Option1_1")
    places = page.driver.execute_script(
        "const o = document.getElementById('window').getBoundingClientRect();"
        "return Object.fromEntries(arguments[0].map((id) => {"
        " const r = document.getElementById(id).getBoundingClientRect();"
        " return [id, [r.left - o.left, r.top - o.top, r.width, r.height]]; }));", list(controls))
    moved = {name: (places[name], rect) for name, rect in controls.items() if places[name] != rect}
    assert not moved, f"controls away from their places (shown, expected): {moved}"
    size = page.driver.execute_script(
        "const r = document.getElementById('window').getBoundingClientRect();"
        "return [r.width, r.height];")
    assert size == page.window["size"], f"the window is {size}, expected {page.window['size']}"

    before = page.seen()
    page.item("List2", ctrl=True)
    page.item("List1_3")
    page.item("List1_3", ctrl=True)
    for name, dx, dy in (("Label1_3", None, None), ("Label2_0", None, None)):
        page.click_in(name, dx, dy)
    page.click(465, 200)  # the bare window
    assert page.seen() == before, "a Ctrl+click emptied a list, or a click changed something"
    assert page.focus() == "List1_3", f"a click beside the controls moved the focus to {page.focus()}"

    box = page.driver.find_element("id", "Text1_0")
    text = box.get_property("value")
    page.click_in("Text1_0")
    page.chain().key_down(page.keys.CONTROL).send_keys("a").key_up(page.keys.CONTROL).perform()
    page.press("x", page.keys.DELETE)
    selection = page.driver.execute_script(
        "const b = arguments[0]; return [b.selectionStart, b.selectionEnd, b.value.length];", box)
    assert box.get_property("value") == text, "typing changed the result box"
    assert selection == [0, len(text), len(text)], "Ctrl+A did not select the box"


def main():
    page_file, runner = sys.argv[1:3]
    if not os.path.isfile(page_file):
        sys.exit(f"{page_file} is missing: build it with cmake --preset web && cmake --build --preset web")
    window = json.loads(subprocess.check_output([runner, "describe"], text=True))
    with tempfile.TemporaryDirectory() as folder:
        site = os.path.join(folder, "site")
        os.mkdir(site)
        shutil.copy(page_file, site)
        url = "file://" + os.path.join(site, os.path.basename(page_file))
        driver = open_browser(folder)
        try:
            page = Page(driver, url, window)
            check_window(page)
            assert driver.title == window["title"], f"title {driver.title!r}"
            serve(page, runner)
            requests = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
            outside = {m["params"]["request"]["url"] for m in requests
                       if m["method"] == "Network.requestWillBeSent"} - {url}
            # The browser's own pages (chrome:, about:) are not the page's requests.
            outside = {u for u in outside if not u.startswith(("data:", "chrome:", "about:"))}
            assert not outside, f"the page asked for more than its file: {sorted(outside)}"
        finally:
            driver.quit()


if __name__ == "__main__":
    main()
