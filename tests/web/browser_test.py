#!/usr/bin/python3
"""The page in headless Chromium, opened from file:// in an otherwise empty folder with the
network blocked, driven only by trusted mouse and key input at the window's pixel positions.

usage: browser_test.py PAGE.html SESSIONS.json
The sessions file (from web-sessions) gives every control's rectangle and, for each session, what
the page must show after every action. Prints "SKIPPED: ..." and exits 0 when no usable
Chromium, ChromeDriver or Selenium is there.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

CHROMIUM, CHROMEDRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"

# What the page shows, read from the document as a user would see it.
READ_STATE = """
const byId = (id) => document.getElementById(id);
const selected = (id) => [...byId(id).querySelectorAll('[role=option]')]
    .findIndex((item) => item.getAttribute('aria-selected') === 'true');
const visible = (id) => byId(id).getClientRects().length > 0;
const rows = [...Array(32).keys()];
return {
  count: selected('List2'),
  form: [0, 1].findIndex((i) => byId('Option1_' + i).getAttribute('aria-checked') === 'true'),
  values: rows.map((k) => selected('List1_' + k)),
  rows: rows.map((k) => [visible('Text2_' + k), visible('Label1_' + k), visible('List1_' + k)]),
  labels: rows.map((k) => byId('Text2_' + k).value),
  box: byId('Text1_0').value,
  focus: document.activeElement.id,
};"""


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
    def __init__(self, driver, url, controls):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        self.driver, self.url, self.controls, self.keys = driver, url, controls, Keys
        self.chain = lambda: ActionChains(driver, duration=0)

    def open(self):
        self.driver.get(self.url)
        # The window is drawn before the WebAssembly is ready; it says when it takes input.
        self.driver.execute_async_script(
            "const done = arguments[0], look = () => document.getElementById('window')"
            ".hasAttribute('data-ready') ? done() : setTimeout(look, 5); look();")
        rect = self.driver.execute_script(
            "const r = document.getElementById('window').getBoundingClientRect();"
            "return [r.left, r.top];")
        self.origin = rect

    def state(self):
        return self.driver.execute_script(READ_STATE)

    def click(self, name, dx=None, dy=None, ctrl=False):
        left, top, width, height = self.controls[name]
        x = self.origin[0] + left + (width // 2 if dx is None else dx % width)
        y = self.origin[1] + top + (height // 2 if dy is None else dy % height)
        chain = self.chain()
        chain.w3c_actions.pointer_action.move_to_location(int(x), int(y))
        if ctrl:
            chain.key_down(self.keys.CONTROL)
        # The chain's own click keeps the key held: a bare pointer click would let go first.
        chain.click()
        if ctrl:
            chain.key_up(self.keys.CONTROL)
        chain.perform()

    def press(self, *keys):
        self.chain().send_keys(*keys).perform()

    # A list's shown item, its scroll bar's arrows (14 px wide on the right, 7 px high).
    def item(self, name, ctrl=False):
        self.click(name, dx=(self.controls[name][2] - 14) // 2, ctrl=ctrl)

    def arrow(self, name, down):
        self.click(name, dx=-8, dy=-5 if down else 4)

    def choose(self, name, index, items, way):
        arrows = self.keys.ARROW_DOWN, self.keys.ARROW_UP
        if way == "click":  # scroll to the top, then down to the item, and click it
            for _ in range(items - 1):
                self.arrow(name, down=False)
            for _ in range(index):
                self.arrow(name, down=True)
            self.item(name)
        elif way == "arrows":  # click the item shown, then step with the arrow keys
            self.item(name)
            self.press(*([arrows[1]] * (items - 1) + [arrows[0]] * index))
        else:  # focus the list, then type the item's text
            self.item(name)
            self.press(str(index + 3) if name == "List2" else str(index))

    def perform(self, action):
        kind, target, way = action["kind"], action["target"], action["way"]
        if kind == "count":
            self.choose("List2", target, 3, way)
        elif kind == "value":
            self.choose(f"List1_{target}", action["value"], 2, way)
        elif kind == "form" and way == "arrows":
            self.click(f"Option1_{1 - target}", dx=8)
            self.press(self.keys.ARROW_RIGHT if target == 1 else self.keys.ARROW_LEFT)
        elif kind == "form":
            self.click(f"Option1_{target}", dx=8)
        elif kind == "clear":
            self.click("Command1_0")
        else:
            self.click(f"Label1_{target}")


def difference(shown, expected):
    """The first way the page differs from what the user model expects, or None."""
    rows = expected["shown"]
    checks = [("count", shown["count"], expected["count"]),
              ("form", shown["form"], expected["form"]),
              ("values", shown["values"], expected["values"]),
              ("shown rows", shown["rows"], [[k < rows] * 3 for k in range(32)]),
              ("labels", shown["labels"][:rows], expected["labels"][:rows]),
              ("box", shown["box"], expected["box"].replace("\r\n", "\n"))]
    for what, got, want in checks:
        if got != want:
            return f"{what}: {got!r}, expected {want!r}"
    return None


def check_sessions(page, sessions):
    for session in sessions:
        page.open()
        found = difference(page.state(), session["start"])
        assert found is None, f"{session['name']}, as the page opens: {found}"
        for number, step in enumerate(session["steps"], 1):
            page.perform(step["do"])
            found = difference(page.state(), step["see"])
            assert found is None, (f"{session['name']}, action {number} "
                                   f"({step['do']['text']}): {found}")
    return sum(len(session["steps"]) for session in sessions)


def walk_tabs(page, rows, option):
    """Tab from row 0's selector through every control shown (8 or 32 rows), in the desktop's
    order."""
    def names(group, numbers):
        return [f"{group}_{k}" for k in numbers]
    order = names("List1", range(8)) + ["Text1_0"] + names("Text2", range(min(rows, 16)))
    if rows == 32:
        order += (names("List1", range(8, 16)) + names("List1", range(31, 23, -1)) +
                  names("Text2", range(31, 15, -1)) + names("List1", range(23, 15, -1)))
    page.click("List1_0", dx=(page.controls["List1_0"][2] - 14) // 2)
    for expected in order[1:] + ["List2", option, "Command1_0"]:
        page.press(page.keys.TAB)
        assert page.state()["focus"] == expected, f"Tab reached {page.state()['focus']}, expected {expected}"


def check_window(page, controls):
    """Places, start focus, tab order, lists that cannot be emptied, clicks that keep focus."""
    page.open()
    assert page.state()["focus"] == "List1_0", "focus does not start on row 0's selector"
    walk_tabs(page, 8, "Option1_0")
    page.choose("List2", 2, 3, "click")
    page.click("Option1_1", dx=8)
    walk_tabs(page, 32, "Option1_1")
    places = page.driver.execute_script(
        "const o = document.getElementById('window').getBoundingClientRect();"
        "return Object.fromEntries(arguments[0].map((id) => {"
        " const r = document.getElementById(id).getBoundingClientRect();"
        " return [id, [r.left - o.left, r.top - o.top, r.width, r.height]]; }));",
        [name for name in controls if name != "window"])
    places["window"] = [0, 0] + controls["window"][2:]
    moved = {name: (places[name], rect) for name, rect in controls.items() if places[name] != rect}
    assert not moved, f"controls away from their places (shown, expected): {moved}"

    page.item("List2", ctrl=True)
    page.item("List1_3")
    page.item("List1_3", ctrl=True)
    for name, dx, dy in (("window", 465, 200), ("Label1_3", None, None), ("Label2_0", None, None)):
        page.click(name, dx, dy)
    state = page.state()
    assert state["values"][3] == 0 and state["count"] == 2, "a Ctrl+click emptied a list"
    assert state["focus"] == "List1_3", f"a click beside the controls moved the focus to {state['focus']}"

    box = page.driver.find_element("id", "Text1_0")
    page.click("Text1_0")
    page.chain().key_down(page.keys.CONTROL).send_keys("a").key_up(page.keys.CONTROL).perform()
    page.press("x", page.keys.DELETE)
    selection = page.driver.execute_script(
        "const b = arguments[0]; return [b.selectionStart, b.selectionEnd, b.value.length];", box)
    assert page.state()["box"] == state["box"], "typing changed the result box"
    assert selection == [0, len(state["box"]), len(state["box"])], "Ctrl+A did not select the box"


def main():
    page_file, sessions_file = sys.argv[1:3]
    if not os.path.isfile(page_file):
        sys.exit(f"{page_file} is missing: build it with cmake --preset web && cmake --build --preset web")
    with open(sessions_file, encoding="utf-8") as source:
        plan = json.load(source)
    with tempfile.TemporaryDirectory() as folder:
        site = os.path.join(folder, "site")
        os.mkdir(site)
        shutil.copy(page_file, site)
        url = "file://" + os.path.join(site, os.path.basename(page_file))
        driver = open_browser(folder)
        try:
            page = Page(driver, url, plan["controls"])
            check_window(page, plan["controls"])
            assert driver.title == plan["title"], f"title {driver.title!r}"
            actions = check_sessions(page, plan["sessions"])
            requests = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
            outside = {m["params"]["request"]["url"] for m in requests
                       if m["method"] == "Network.requestWillBeSent"} - {url}
            # The browser's own pages (chrome:, about:) are not the page's requests.
            outside = {u for u in outside if not u.startswith(("data:", "chrome:", "about:"))}
            assert not outside, f"the page asked for more than its file: {sorted(outside)}"
            print(f"{len(plan['sessions'])} sessions, {actions} actions through real input: all as expected")
        finally:
            driver.quit()


if __name__ == "__main__":
    main()
