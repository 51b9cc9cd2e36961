#!/usr/bin/python3
"""The page in headless Chromium, opened from file:// in an otherwise empty folder with the
network blocked, driven only by trusted mouse and key input at the window's pixel positions.

usage: browser_test.py PAGE.html WEB-SESSIONS
This file holds the browser: it checks the window's places, focus and Tab order itself, then
serves web-sessions (see browser_face.h), which replays the sessions and compares what the page
shows with the user model. Prints "SKIPPED: ..." and exits 0 when no usable Chromium,
ChromeDriver or Selenium is there.
"""
import functools
import http.server
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

CHROMIUM, CHROMEDRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"
# axe-core, at the version web/tooling's lock file pins (scripts/setup.sh installs it).
AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web", "tooling",
                   "node_modules", "axe-core", "axe.min.js")
# What the audit may find: the row label boxes, 20 px high and packed one under the other by
# the window's fixed layout, are smaller than a 24 px target, and so is the space between them.
AXE_EXCUSED = {"target-size": "input.box"}
# axe-core's run over WCAG 2.0 to 2.2, levels A and AA, and its best practices; what it finds
# comes back as [rule, impact, selectors of the elements not excused].
AXE_RUN = r"""
const [excused, done] = arguments;
const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];
axe.run(document, {runOnly: {type: 'tag', values: tags}}).then((result) => done(
    result.violations.map((found) => [found.id, found.impact, found.nodes
        .filter((node) => !(found.id in excused &&
                            document.querySelector(node.target[0]).matches(excused[found.id])))
        .map((node) => node.target.join(' '))]).filter(([, , nodes]) => nodes.length)),
    (error) => done(String(error)));"""

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

# Seconds the web server waits in the middle of the window's markup (check_whole_first_frame).
HALFWAY_PAUSE = 1.0
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
                 # Nothing may leave the machine: no name resolves and no proxy answers; the
                 # test's own web server is on the loopback address.
                 "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1",
                 "--proxy-server=127.0.0.1:9"):
        options.add_argument(flag)
    options.binary_location = CHROMIUM
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
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

    def open(self, code=""):
        if code:
            # A new address that differs only in its code would not load the page again.
            self.driver.get("about:blank")
        self.driver.get(self.url + ("#" + code if code else ""))
        self.ready()

    def ready(self):
        # The window is drawn before its program is ready; it says when it takes input.
        self.driver.execute_async_script(
            "const done = arguments[0], look = () => document.getElementById('window')"
            ".hasAttribute('data-ready') ? done() : setTimeout(look, 5); look();")
        left, top, width = self.driver.execute_script(
            "const r = document.getElementById('window').getBoundingClientRect();"
            "return [r.left, r.top, r.width];")
        # Where the window's pixel (x, y) is on the page, at the scale the page fitted it to.
        self.scale = width / self.window["size"][0]
        self.at = lambda x, y: (left + (x + 0.5) * self.scale, top + (y + 0.5) * self.scale)

    def seen(self):
        return self.driver.execute_script(READ_STATE, self.names)

    def focus(self):
        return self.driver.execute_script("return document.activeElement.id;")

    def click(self, x, y, ctrl=False):
        """A trusted left click at the window's pixel (x, y)."""
        chain = self.chain()
        chain.w3c_actions.pointer_action.move_to_location(*map(int, self.at(x, y)))
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

    def emulate(self, width, height, touch):
        """A device's screen and, for a phone or tablet, its touch screen."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 2, "mobile": touch,
            "screenWidth": width, "screenHeight": height})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch})

    def touch(self, kind, *at):
        points = [dict(zip("xy", self.at(*at)))] if at else []
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def tap(self, x, y):
        self.touch("touchStart", x, y)
        self.touch("touchEnd")

    def swipe(self, x, y, dy):
        """A finger put down at the window's pixel (x, y) and moved dy pixels, in steps."""
        self.touch("touchStart", x, y)
        for step in range(1, 5):
            self.touch("touchMove", x, y + dy * step / 4)
        self.touch("touchEnd")

    def shows(self, name):
        """The text of the item a list shows, as the eye finds it in the list's middle."""
        left, top, width, height = self.controls[name]
        return self.driver.execute_script(
            "return document.elementFromPoint(...arguments).textContent;",
            *self.at(left + (width - 14) // 2, top + height // 2))


def serve(page, runner, *how):
    """Performs web-sessions' commands on the page until it says it is done."""
    sessions = subprocess.Popen([runner, "run", *how], stdin=subprocess.PIPE,
                                stdout=subprocess.PIPE, text=True, encoding="utf-8")
    for line in sessions.stdout:
        command, _, rest = line.rstrip("\n").partition(" ")
        answer = "ok"
        if command == "open":
            page.open(rest)
        elif command == "code":
            # The code typed into the address of the page as it is: no new page.
            page.driver.execute_async_script(
                "addEventListener('hashchange', () => setTimeout(arguments[1]), {once: true});"
                "location.hash = arguments[0];", rest)
        elif command == "address":
            # The address follows an input in a task of its own, by the next frame.
            answer = page.driver.execute_async_script(
                "const done = arguments[0]; requestAnimationFrame(() => setTimeout(() =>"
                " done(history.length + ' ' + decodeURIComponent(location.hash.slice(1)))));")
        elif command == "click":
            page.click(*map(int, rest.split()))
        elif command == "keys":
            page.press(*(getattr(page.keys, KEYS[k]) if k in KEYS else k for k in rest.split()))
        elif command == "tap":
            page.tap(*map(int, rest.split()))
        elif command == "swipe":
            page.swipe(*map(int, rest.split()))
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

    # The wheel and the scroll bar's arrow scroll a list without choosing what they bring.
    seen = page.seen()
    page.chain().scroll_to_element(page.driver.find_element("id", "List1_3")).perform()
    from selenium.webdriver.common.actions.wheel_input import ScrollOrigin
    page.chain().scroll_from_origin(ScrollOrigin.from_viewport(*map(int, page.at(190, 102))),
                                    0, 100).perform()
    assert page.shows("List1_3") == "1" and page.seen() == seen, "the wheel chose, or did not scroll"
    page.click_in("List1_3", dx=-8, dy=4)
    assert page.shows("List1_3") == "0" and page.seen() == seen, "an arrow chose, or did not scroll"

    box = page.driver.find_element("id", "Text1_0")
    text = box.get_property("value")
    page.click_in("Text1_0")
    page.chain().key_down(page.keys.CONTROL).send_keys("a").key_up(page.keys.CONTROL).perform()
    page.press("x", page.keys.DELETE)
    selection = page.driver.execute_script(
        "const b = arguments[0]; return [b.selectionStart, b.selectionEnd, b.value.length];", box)
    assert box.get_property("value") == text, "typing changed the result box"
    assert selection == [0, len(text), len(text)], "Ctrl+A did not select the box"


def check_new_report_starts_at_top(page):
    """A report rewritten after the user scrolled the result box shows its first line."""
    page.open("dnf-" + "1" * 32)
    box = page.driver.find_element("id", "Text1_0")
    # A page down, by a click in the scroll bar's groove above the arrow at its foot.
    page.click_in("Text1_0", dx=-8, dy=-24)
    scrolled = page.driver.execute_script("return arguments[0].scrollTop;", box)
    page.type_into(page.selector(31), "0")
    after = page.driver.execute_async_script(
        "const [box, done] = arguments; requestAnimationFrame(() => setTimeout(() =>"
        " done(box.scrollTop)));", box)
    assert scrolled > 0 and after == 0, f"scrolled to {scrolled}, the new report stands at {after}"


def check_accessible(page):
    """Every shown control's role, name and description, as assistive technology reads them,
    as the window opens, and once five variables are chosen and every row set to 1: then each
    list's current item, which a screen reader speaks, is the one it shows chosen."""
    page.open()
    for chosen, expected in enumerate(page.window["accessible"]):
        if chosen:
            page.type_into("List2", "5")
            for row in range(32):
                page.type_into(page.selector(row), "1")
        root = page.driver.execute_cdp_cmd("DOM.getDocument", {})["root"]["nodeId"]
        for name, want in expected.items():
            node = page.driver.execute_cdp_cmd("DOM.querySelector",
                                               {"nodeId": root, "selector": "#" + name})
            read = page.driver.execute_cdp_cmd("Accessibility.getPartialAXTree", {
                "nodeId": node["nodeId"], "fetchRelatives": False})["nodes"][0]
            got = [read.get(key, {}).get("value") for key in ("role", "name", "description")]
            assert got == want, f"{name} reads {got}, expected {want}"
            active = [p["value"]["relatedNodes"][0]["idref"] for p in read.get("properties", [])
                      if p["name"] == "activedescendant"]
            if chosen and want[0] == "listbox":
                text = page.driver.execute_script(
                    "return document.getElementById(arguments[0]).textContent", active[0])
                assert text == ("5" if name == "List2" else "1"), f"{name}'s current item: {text}"


def check_audit(page):
    """axe-core finds no fault on the page as it opens, and with five variables, КНФ and every
    row 1, but the label boxes' target size (AXE_EXCUSED)."""
    if not os.path.isfile(AXE):
        print("Skipped the axe-core audit alone: web/tooling has no axe-core (scripts/setup.sh "
              "installs it).")
        return
    with open(AXE, encoding="utf-8") as source:
        axe = source.read()
    for code in ("", "knf-" + "1" * 32):
        page.open(code)
        # The page's policy admits no script but its own; WebDriver's scripts are the
        # browser's, outside the policy.
        page.driver.execute_script(axe)
        assert page.driver.execute_script("return typeof axe === 'object';"), "axe did not load"
        found = page.driver.execute_async_script(AXE_RUN, AXE_EXCUSED)
        assert found == [], f"axe-core, {code or 'start'}: {found}"


def check_policy(page):
    """The page's policy refuses a request to another address, and an image from one."""
    refused = page.driver.execute_async_script("""
        const done = arguments[0], refused = [];
        document.addEventListener('securitypolicyviolation', (e) => refused.push(e.effectiveDirective));
        const image = new Image();
        image.src = 'http://127.0.0.1:9/picture.png';
        fetch('http://127.0.0.1:9/data').catch(() => setTimeout(() => done(refused.sort()), 50));""")
    assert refused == ["connect-src", "img-src"], f"the policy refused {refused}"


def check_one_item_shown(page):
    """A list is one item high and shows one item at a time at every scale the page is seen
    at: fitted to a phone upright and sideways, fitted to a projector in full screen, and at
    the browser's zoom from 67 % to 200 %, at one, two and three device pixels per CSS pixel.
    Everywhere no other item reaches into the viewport that shows the item; on the phones,
    with the shown item made invisible, no pixel in the viewport differs from its white."""
    import io
    from PIL import Image
    full_screen = 1080 / 477
    screens = [(390, 844, True, 1), (844, 390, True, 1), (1920, 1080, False, full_screen)]
    screens += [(1100, 1000, False, zoom) for zoom in (0.67, 0.8, 0.9, 1.1, 1.25, 1.5, 1.75, 2)]
    lists = [row[2] for row in page.window["rows"]] + ["List2"]
    faults = []
    for width, height, phone, zoom in screens:
        for pixels in (1, 2, 3):
            # The browser's zoom scales the CSS pixel in device pixels; the full screen's fit
            # scales the window.
            device = pixels * (zoom if zoom != full_screen else 1)
            page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": round(width * pixels / device), "height": round(height * pixels / device),
                "deviceScaleFactor": device, "mobile": phone})
            page.open("dnf-" + "01" * 16)
            seen = page.driver.execute_async_script("""
                const [lists, scale, done] = arguments;
                if (scale) document.documentElement.style.setProperty('--scale', scale);
                requestAnimationFrame(() => done(lists.map((id) => {
                  const list = document.getElementById(id);
                  const top = Number(getComputedStyle(list).getPropertyValue('--top'));
                  const items = list.querySelectorAll('[role=option]');
                  items[top].style.visibility = 'hidden';
                  const r = list.querySelector('.vp').getBoundingClientRect();
                  const reach = Math.max(0, ...[...items].filter((item, i) => i !== top)
                      .map((item) => item.getBoundingClientRect())
                      .map((o) => Math.min(o.bottom, r.bottom) - Math.max(o.top, r.top)));
                  return [id, r.left, r.top, r.right, r.bottom, reach];
                })));""", lists, str(zoom) if zoom == full_screen else "")
            shot = phone and Image.open(io.BytesIO(page.driver.get_screenshot_as_png())).convert("L")
            for name, left, top, right, bottom, reach in seen:
                # The whole device pixels inside the viewport, off its border and scroll bar.
                side = math.ceil(device)
                box = (math.ceil(left * device) + side, math.ceil(top * device) + 1,
                       math.floor(right * device) - side, math.floor(bottom * device) - 1)
                if reach > 0.01 or (phone and min(shot.crop(box).getdata()) < 200):
                    faults.append(f"{name} on {width}x{height} at zoom {zoom:.2f}, {pixels} px per px")
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    assert not faults, f"{len(faults)} lists show part of another item: {faults[:5]}"


def check_print(page, folder):
    """Printed on A4 upright, the page is the window on one sheet with the result box grown to
    hold every line of a five-variable report; the screen is as it was after."""
    import base64
    page.open("dnf-" + "1" * 32)
    box = page.driver.find_element("id", "Text1_0")
    report = [line.strip() for line in box.get_property("value").splitlines()]
    pdf = os.path.join(folder, "printed.pdf")
    with open(pdf, "wb") as out:
        out.write(base64.b64decode(page.driver.execute_cdp_cmd(
            "Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69})["data"]))
    pages = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    printed = [line.strip() for line in subprocess.run(
        ["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout.splitlines()]
    found = [line for line in printed if line in report]
    assert "Pages:           1" in pages and found == report, \
        f"printed: {pages.splitlines()[-1:]}, {len(found)} of the report's {len(report)} lines"
    assert box.size["height"] == page.controls["Text1_0"][3], "the box stayed grown after printing"


def on_new_pages(page, source=None):
    """Pages opened from now on run `source` before their own scripts (none: nothing)."""
    if getattr(page, "added", None):
        page.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                    {"identifier": page.added})
    page.added = source and page.driver.execute_cdp_cmd(
        "Page.addScriptToEvaluateOnNewDocument", {"source": source})["identifier"]


def without(page, *names):
    """Pages opened from now on find none of the browser's `names` (none: as they are)."""
    on_new_pages(page, "".join(f"delete window.{name};" for name in names))


# Whether the message that the program cannot run shows, and whether the window's first
# selector does.
SHOWN = """const seen = (id) => getComputedStyle(document.getElementById(id)).visibility;
return [seen('cannot-run'), seen('List1_0')];"""
# A script of the page that fails before the window is ready.
FAILING = """const set = Element.prototype.setAttribute;
Element.prototype.setAttribute = function (name, value) {
  if (name === 'data-ready') throw new Error('a script failed');
  return set.call(this, name, value);
};"""


def check_cannot_run(page, served):
    """Whatever keeps the program from starting, the page says so in the window's place within
    3 s and no control of the window shows; a normal start never shows the message. The policy
    lets nothing be compiled or evaluated."""
    policy = page.driver.execute_script(
        "return document.querySelector('meta[http-equiv=Content-Security-Policy]').content;")
    assert "unsafe" not in policy and "script-src 'sha256-" in policy, f"the policy: {policy}"
    cases = (("a normal start", page.url, None, False, ["hidden", "visible"]),
             ("a browser without TextEncoder", page.url, "delete window.TextEncoder;", False,
              ["visible", "hidden"]),
             ("a script that fails", page.url, FAILING, False, ["visible", "hidden"]),
             ("scripts switched off", page.url, None, True, ["visible", "hidden"]),
             ("a server that allows no inline script", served + "?strict", None, False,
              ["visible", "hidden"]))
    for what, url, before, off, expected in cases:
        on_new_pages(page, before)
        page.driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": off})
        page.driver.get("about:blank")
        opened = time.monotonic()
        page.driver.get(url)
        time.sleep(max(0.0, 3.0 - (time.monotonic() - opened)))
        shown = page.driver.execute_script(SHOWN)
        assert shown == expected, f"{what}: [message, window] after 3 s: {shown}"
    page.driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": False})
    on_new_pages(page)


def check_whole_first_frame(page):
    """On a slow network the window shows whole or not at all: with a pause in the middle of
    the window's markup, the first frame still holds all of it."""
    count = "document.querySelectorAll('#window *').length"
    first = page.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
        "source": f"requestAnimationFrame(() => {{ window.firstFrame = {count}; }});"})
    page.url += "?halfway"
    page.open()
    page.url = page.url.removesuffix("?halfway")
    page.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", first)
    drawn, whole = page.driver.execute_script(f"return [window.firstFrame, {count}];")
    assert drawn == whole, f"the first frame drew {drawn} of the window's {whole} elements"


def check_device(page, width, height):
    """On a device's screen: the window fits and stands in the middle, and a swipe along a list
    scrolls it, choosing nothing and moving no page."""
    page.emulate(width, height, True)
    page.open()
    fits = page.driver.execute_script(
        "const r = document.getElementById('window').getBoundingClientRect();"
        "return [r.left, innerWidth - r.right, r.top, innerHeight - r.bottom,"
        " document.documentElement.scrollWidth <= innerWidth,"
        " document.documentElement.scrollHeight <= innerHeight];")
    assert min(fits[:4]) >= -0.5 and abs(fits[0] - fits[1]) < 1 and abs(fits[2] - fits[3]) < 1 \
        and all(fits[4:]), f"{width}x{height}: the window is not whole in the middle: {fits}"
    seen = page.seen()
    left, top, w, h = page.controls["List2"]
    page.swipe(left + 10, top + h // 2, -2 * h)
    scrolled = page.driver.execute_script("return [scrollX, scrollY];")
    assert page.shows("List2") == "5" and page.seen() == seen and scrolled == [0, 0], \
        f"{width}x{height}: a swipe chose, scrolled the page ({scrolled}) or not the list"


def check_full_screen(page):
    """In full screen, on a projector's 1920 x 1080, the window fills the height."""
    page.emulate(1920, 1080, False)
    page.open()
    page.driver.execute_script("document.addEventListener('click', () =>"
                               " document.documentElement.requestFullscreen(), {once: true});")
    page.click(465, 200)
    # The browser goes to full screen in its own time; the window follows at the next resize.
    size = page.driver.execute_async_script(
        "const done = arguments[0], until = performance.now() + 3000, look = () => {"
        " const r = document.getElementById('window').getBoundingClientRect();"
        " document.fullscreenElement && r.height > 477 || performance.now() > until ?"
        " done([r.width, r.height]) : setTimeout(look, 20); }; look();")
    assert abs(size[1] - 1080) < 1 and abs(size[0] - 1080 * 485 / 477) < 2, f"full screen: {size}"


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
        # The same file from a static web server, as on a school's site.
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

            def end_headers(self):
                # As from a school's server whose policy allows no script written in a page.
                if self.path.endswith("?strict"):
                    self.send_header("Content-Security-Policy", "script-src 'self'")
                super().end_headers()

            def do_GET(self):
                if not self.path.endswith("?halfway"):
                    return super().do_GET()
                # As on a slow network: the page up to the middle of the window, a pause, the rest.
                with open(page_file, "rb") as source:
                    body = source.read()
                half = (body.index(b'id="window"') + body.index(b"</textarea>")) // 2
                self.send_response(200)
                self.send_header("Content-Type", "text/html; charset=utf-8")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body[:half])
                self.wfile.flush()
                time.sleep(HALFWAY_PAUSE)
                self.wfile.write(body[half:])
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                                 functools.partial(Quiet, directory=site))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        served = f"http://127.0.0.1:{server.server_port}/{os.path.basename(page_file)}"
        driver = open_browser(folder)
        try:
            page = Page(driver, url, window)
            # The page's program is JavaScript alone: every session runs without WebAssembly.
            without(page, "WebAssembly")
            check_window(page)
            assert driver.title == window["title"], f"title {driver.title!r}"
            check_accessible(page)
            check_audit(page)
            check_new_report_starts_at_top(page)
            check_one_item_shown(page)
            check_print(page, folder)
            serve(page, runner)
            errors = [entry["message"] for entry in driver.get_log("browser")
                      if entry["level"] == "SEVERE"]
            assert not errors, f"script errors in the sessions: {errors[:3]}"
            requests = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
            outside = {m["params"]["request"]["url"] for m in requests
                       if m["method"] == "Network.requestWillBeSent"} - {url}
            # The browser's own pages (chrome:, about:) are not the page's requests.
            outside = {u for u in outside if not u.startswith(("data:", "chrome:", "about:"))}
            assert not outside, f"the page asked for more than its file: {sorted(outside)}"
            check_policy(page)
            check_cannot_run(page, served)
            without(page, "WebAssembly")
            # By touch alone on a phone, from the web server; sideways and on a tablet.
            page.url = served
            check_whole_first_frame(page)
            page.emulate(390, 844, True)
            serve(page, runner, "touch")
            for width, height in ((390, 844), (844, 390), (820, 1180)):
                check_device(page, width, height)
            check_full_screen(page)
        finally:
            driver.quit()
            server.shutdown()


if __name__ == "__main__":
    main()
