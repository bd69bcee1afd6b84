#!/usr/bin/env python3
"""The route page of `scenario view` in a real browser: Debian's chromium,
headless, driven through chromedriver as a person would use the page (wheel,
drag, hover, typing, clicks); what the page shows is read back from its
document. One group of tests per page:

  builtin   the built-in route: loading, stations and signals, labels at two
            zoom levels, linked views, hover, search, diagnostics, the
            running-time estimate
  fixtures  a small route heading north: it fills the plan's frame; with one
            time too early, the estimate marks it
  markup    names holding markup and quotes show as text and run nothing
  large     the generated 1000 km route: page size, first drawing, hover

Usage: view_browser_test.py GROUP --scenario EXE --with-diagnostics EXE
       --bench-tool EXE --testdata DIR --work DIR
"""
import json
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import NoAlertPresentException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.wheel_input import ScrollOrigin
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "test_support"))
import test_groups  # noqa: E402

ARGS = None
WINDOW = (1400, 1300)


def run(*command, cwd=None):
    done = subprocess.run([str(c) for c in command], cwd=cwd, capture_output=True, text=True)
    if done.returncode != 0:
        raise RuntimeError(f"{command} failed ({done.returncode}): {done.stderr}")
    return done.stdout


def compile_and_view(nome, treno, source, work):
    """Copies the descriptions of NOME TRENO from `source` into `work`,
    compiles them and writes the page; returns the page and the inspected
    track and records."""
    work.mkdir(parents=True, exist_ok=True)
    for name in (f"{nome}_linea.txt", f"{nome}_{treno}-.txt"):
        shutil.copy(source / name, work / name)
    run(ARGS.scenario, "compile", nome, treno, "--dir", work)
    page = work / f"{nome}_{treno}.html"
    run(ARGS.scenario, "view", nome, treno, "--dir", work, "-o", page)
    return page, inspect(work, nome, treno)


def inspect(work, nome, treno):
    track, records = json.loads(run(ARGS.scenario, "inspect", "--json", work / f"{nome}_{treno}.dat",
                                    work / f"{nome}_{treno}.sim"))["files"]
    return {"cells": {row["cell"]: row for row in track["rows"]},
            "records": {r["slot"]: r for r in records["records"]}}


def object_code(row):
    return 0 if row["object"] is None else row["object"]["code"]


def stations_of(truth):
    """Station names: the named records from 1 up that no sign's cell points at."""
    signs = {row["values"][0] for row in truth["cells"].values() if object_code(row) == 14}
    return [r["fields"]["text"] for slot, r in sorted(truth["records"].items())
            if 1 <= slot <= 80 and slot not in signs and r["fields"]["text"]]


def clock(seconds):
    """HH:MM:SS of seconds from the midnight before the departure, the day dropped."""
    whole = int(seconds + 0.5) % 86400
    return f"{whole // 3600:02d}:{whole // 60 % 60:02d}:{whole % 60:02d}"


def cells_holding(truth, code):
    return sorted(cell for cell, row in truth["cells"].items() if object_code(row) == code)


class PageTest(unittest.TestCase):
    """Opens one browser for the group; each test loads its page afresh."""

    @classmethod
    def setUpClass(cls):
        options = webdriver.ChromeOptions()
        for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--disable-dev-shm-usage", f"--window-size={WINDOW[0]},{WINDOW[1]}"):
            options.add_argument(flag)
        cls.profile_dir = tempfile.mkdtemp(prefix="view-browser-")
        options.add_argument(f"--user-data-dir={cls.profile_dir}")
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.profile_dir, ignore_errors=True)

    def open(self, page):
        self.driver.get(page.as_uri())
        WebDriverWait(self.driver, 30).until(
            lambda d: d.find_element(By.TAG_NAME, "body").get_attribute("data-drawn") == "1")

    def js(self, script, *args):
        """Reads what the document holds (never calls the page's own code)."""
        return self.driver.execute_script(script, *args)

    def assert_clean_console(self):
        problems = [e for e in self.driver.get_log("browser") if e["level"] in ("SEVERE", "WARNING")]
        self.assertEqual(problems, [], "console errors or warnings")
        # A self-contained page asks for nothing.
        self.assertEqual(self.js("return performance.getEntriesByType('resource').map(e => e.name)"), [])

    def assert_screenshot_not_blank(self, name):
        path = Path(ARGS.work) / f"{name}.png"
        self.driver.save_screenshot(str(path))
        with Image.open(path) as image:
            pixels = list(image.convert("RGB").getdata())
            size = image.size
        ink = sum(1 for p in pixels if sum(p) < 600) / len(pixels)
        print(f"screenshot {path.name}: {size[0]}x{size[1]} px, {path.stat().st_size} bytes, {100 * ink:.1f} % ink")
        self.assertGreater(ink, 0.01, f"{path} is blank")

    def element(self, css):
        return self.driver.find_element(By.CSS_SELECTOR, css)

    def in_viewport(self, element, x, y):
        """The window point (x, y) from the element's top left corner."""
        r = self.js("return arguments[0].getBoundingClientRect().toJSON()", element)
        return int(r["left"] + x), int(r["top"] + y)

    def move_to(self, element, x, y):
        """Moves the mouse to (x, y) from the element's top left corner."""
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(*self.in_viewport(element, x, y))
        actions.perform()

    def wheel(self, element, delta_y, times, x, y):
        origin = ScrollOrigin.from_viewport(*self.in_viewport(element, x, y))
        for _ in range(times):
            ActionChains(self.driver).scroll_from_origin(origin, 0, delta_y).perform()
        time.sleep(0.2)

    def search(self, text, enter=True):
        box = self.element("#search-box")
        box.clear()
        box.send_keys(text)
        if enter:
            box.send_keys(Keys.ENTER)
        time.sleep(0.2)
        return [e.text for e in self.driver.find_elements(By.CSS_SELECTOR, "#search-results button")]

    def visible_boxes(self, css):
        """Client rectangles of the shown elements matching `css`."""
        return self.js("""
            return [...document.querySelectorAll(arguments[0])]
              .filter(e => e.getAttribute('display') !== 'none' && e.closest('[display=none]') === null)
              .map(e => { const r = e.getBoundingClientRect();
                          return {text: e.textContent, cell: e.getAttribute('data-cell'),
                                  x0: r.left, y0: r.top, x1: r.right, y1: r.bottom}; })
              .filter(b => b.x1 - b.x0 + b.y1 - b.y0 > 0);""", css)

    def frame(self, css):
        r = self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                    "return {x0: r.left, y0: r.top, x1: r.right, y1: r.bottom};", css)
        return r

    def assert_inside(self, box, frame, what):
        self.assertTrue(box["x0"] >= frame["x0"] - 1 and box["x1"] <= frame["x1"] + 1 and
                        box["y0"] >= frame["y0"] - 1 and box["y1"] <= frame["y1"] + 1, f"{what}: {box} not in {frame}")

    def assert_no_overlap(self, boxes, what):
        boxes = sorted(boxes, key=lambda b: b["x0"])
        for i, a in enumerate(boxes):
            for b in boxes[i + 1:]:
                if b["x0"] >= a["x1"] - 0.5:
                    break
                overlap = min(a["x1"], b["x1"]) - max(a["x0"], b["x0"]) > 0.5 and \
                    min(a["y1"], b["y1"]) - max(a["y0"], b["y0"]) > 0.5
                self.assertFalse(overlap, f"{what}: labels {a['text']!r} and {b['text']!r} overlap")

    def hover_card(self):
        card = self.element("#hover-card")
        return card.text if card.is_displayed() else ""


class BuiltinRoute(PageTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        work = Path(ARGS.work)
        cls.page, cls.truth = compile_and_view("Montebrisca_Lurna", "7395", Path(ARGS.testdata) / "builtin", work)

    def setUp(self):
        self.open(self.page)

    def test_loads_without_console_error_or_request(self):
        self.assert_clean_console()
        self.assertEqual(self.element("#title").text, "Montebrisca_Lurna - treno 7395")
        self.assert_screenshot_not_blank("builtin")

    def test_every_station_and_signal_is_shown(self):
        names = stations_of(self.truth)
        self.assertEqual(len(names), 22)
        listed = [b["text"] for b in self.visible_boxes("#stations .name")]
        self.assertEqual(listed, names)
        plan_stations = self.visible_boxes("#plan .marker.station")
        self.assertEqual(len(plan_stations), 22)
        signals = [str(c) for c in cells_holding(self.truth, 1)]
        self.assertEqual(len(signals), 40)
        frame = self.frame("#plan")
        for where in ("#plan", "#profile"):
            shown = self.visible_boxes(f"{where} .marker.signal")
            self.assertEqual(sorted(b["cell"] for b in shown), sorted(signals), where)
            for b in shown:
                if where == "#plan":
                    self.assert_inside(b, frame, "signal marker")
        # No signal hides under a station: a signal is the topmost thing at each one's centre.
        hidden = self.js("""
            return [...document.querySelectorAll('#plan .marker.signal')].filter(m => {
              const r = m.getBoundingClientRect();
              const top = document.elementFromPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
              return !top || !top.closest('.marker.signal'); }).length;""")
        self.assertEqual(hidden, 0)

    def test_labels_do_not_overlap_at_two_zoom_levels(self):
        plan = self.element("#plan")
        whole = self.visible_boxes("#plan text")
        self.assertGreater(len(whole), 20)
        self.assert_no_overlap(whole, "whole route")
        self.assert_no_overlap(self.visible_boxes("#profile text.label"), "profile, whole route")
        track_before = self.frame("#plan .track")
        self.wheel(plan, -300, times=4, x=plan.rect["width"] / 2, y=plan.rect["height"] * 0.6)
        track_after = self.frame("#plan .track")
        self.assertGreater(track_after["y1"] - track_after["y0"], 3 * (track_before["y1"] - track_before["y0"]))
        zoomed = self.visible_boxes("#plan text")
        self.assertGreater(len(zoomed), 5)
        self.assert_no_overlap(zoomed, "zoomed in")
        self.assertNotEqual(sorted(b["text"] for b in zoomed), sorted(b["text"] for b in whole))
        for b in zoomed:
            self.assert_inside(b, self.frame("#plan"), "label")
        self.assert_no_overlap(self.visible_boxes("#profile text.label"), "profile, zoomed in")
        self.assert_screenshot_not_blank("builtin-zoomed")

    def start_km_range(self):
        ticks = [float(b["text"]) for b in self.visible_boxes("#profile .axis-tick.start-km text")]
        return min(ticks), max(ticks)

    def test_plan_and_profile_show_the_same_stretch(self):
        plan, profile = self.element("#plan"), self.element("#profile")
        # Choosing a stretch in the profile fits the plan to it.
        x0 = 64 + 0.25 * (profile.rect["width"] - 80)
        x1 = 64 + 0.35 * (profile.rect["width"] - 80)
        self.move_to(profile, x0, 200)
        ActionChains(self.driver).click_and_hold().move_by_offset(int(x1 - x0), 0).release().perform()
        time.sleep(0.2)
        first, last = self.start_km_range()
        self.assertTrue(20 <= first and last <= 40, (first, last))
        stretch = self.frame("#plan .stretch")
        frame = self.frame("#plan")
        self.assertGreater(max((stretch["x1"] - stretch["x0"]) / (frame["x1"] - frame["x0"]),
                               (stretch["y1"] - stretch["y0"]) / (frame["y1"] - frame["y0"])), 0.8)
        # Zooming the plan narrows the profile to what the plan shows.
        self.element("#fit").click()
        time.sleep(0.2)
        whole = self.start_km_range()
        self.wheel(plan, -400, times=3, x=plan.rect["width"] / 2, y=plan.rect["height"] / 2)
        zoomed = self.start_km_range()
        self.assertLess(zoomed[1] - zoomed[0], (whole[1] - whole[0]) / 2)
        # Dragging the plan moves the profile's stretch with it.
        self.move_to(plan, plan.rect["width"] / 2, plan.rect["height"] / 2)
        ActionChains(self.driver).click_and_hold().move_by_offset(0, 150).release().perform()
        time.sleep(0.2)
        self.assertNotEqual(self.start_km_range(), zoomed)

    def test_hover_shows_the_cell_at_a_known_kilometre(self):
        # Line km 50+000 is 51 500 m from the start: cell 1031.
        self.search("50+000")
        tick = [b for b in self.visible_boxes("#profile .axis-tick.line-km text") if b["text"] == "50+000"]
        self.assertEqual(len(tick), 1)
        profile = self.element("#profile")
        left, top = self.frame("#profile")["x0"], self.frame("#profile")["y0"]
        x = (tick[0]["x0"] + tick[0]["x1"]) / 2 - left
        speed_panel_y = self.visible_boxes("#profile rect.panel")[1]["y0"] - top + 5
        self.move_to(profile, x, speed_panel_y)
        card = self.hover_card()
        cell = self.truth["cells"][1031]
        self.assertIn("Cella\n1031 ", card)
        # The mouse lands on a whole pixel, about 1.6 m of the route here.
        line_km = re.search(r"km (\d+)\+(\d{3}) \(dedotto dalle progressive\)", card)
        self.assertIsNotNone(line_km, card)
        self.assertLessEqual(abs(int(line_km[1]) * 1000 + int(line_km[2]) - 50000), 4, card)
        self.assertIn(f"Velocità massima\n{cell['speed_kmh']} km/h", card)
        self.assertIn(f"Pendenza\n{cell['gradient_permille']} ‰", card)
        self.assertIn(f"Aderenza\n{cell['adhesion']} ", card)
        # A signal's marker on the plan tells its values.
        signal = cells_holding(self.truth, 1)[10]
        self.element("#fit").click()
        marker = self.element(f'#plan .marker.signal[data-cell="{signal}"]')
        ActionChains(self.driver).move_to_element(marker).perform()
        card = self.hover_card()
        row = self.truth["cells"][signal]
        self.assertIn(f"Cella\n{signal} ", card)
        self.assertIn(f"(valori {row['values'][0]}, {row['values'][1]}, {row['values'][2]} = sinistro×10 + destro)",
                      card)
        self.assertIn("Il significato dei codici è del simulatore.", card)
        self.assert_screenshot_not_blank("builtin-hover")

    def test_search_lists_every_match_and_brings_a_station_into_view(self):
        # Line km 90+300 is met twice: at 200 m, before the count restarts, and at 91 800 m.
        results = self.search("km 90.3", enter=False)
        line_matches = [r for r in results if "di linea" in r]
        self.assertEqual(len(line_matches), 2, results)
        self.assertIn("200 m dall'inizio", line_matches[0])
        self.assertIn("91\u2009800 m dall'inizio", line_matches[1])

        self.assertEqual(self.search("lurna", enter=False)[0], "LURNA · stazione a 102\u2009250 m")
        self.element("#search-box").send_keys(Keys.ENTER)
        time.sleep(0.3)
        plan_frame, profile_frame = self.frame("#plan"), self.frame("#profile")
        for where, frame in (("#plan", plan_frame), ("#profile", profile_frame)):
            label = [b for b in self.visible_boxes(f"{where} text.station") if b["text"] == "LURNA"]
            self.assertEqual(len(label), 1, where)
            self.assert_inside(label[0], frame, where)
        self.assertIn("fermata della stazione LURNA", self.element("#selection-details").text)
        self.assert_screenshot_not_blank("builtin-search")

    def test_the_estimate_is_drawn_and_its_times_listed(self):
        # The estimated speed is a line of its own in the speed panel, with its legend.
        line = self.element("#profile path.estimated-speed")
        points = re.findall(r"[ML](-?[\d.]+) (-?[\d.]+)", line.get_attribute("d"))
        self.assertGreater(len(points), 200)
        panel = self.visible_boxes("#profile rect.panel")[1]
        self.assert_inside(self.frame("#profile path.estimated-speed"), panel, "estimated speed")
        # It stands at MONTEBRISCA, VALDEMO and LURNA alone: the line touches the panel's floor there.
        floor = self.js("const r = document.querySelectorAll('#profile rect.panel')[1];"
                        "return r.y.baseVal.value + r.height.baseVal.value;")
        self.assertEqual(sum(1 for _, y in points if abs(float(y) - floor) < 0.6), 3)
        legend = [b["text"] for b in self.visible_boxes("#profile .legend.estimate text")]
        self.assertEqual(len(legend), 1)
        self.assertTrue(legend[0].startswith("velocità stimata"), legend)
        self.assertIn("non la fisica del simulatore", self.element("#estimate-note").text)

        # The list gives the times `scenario timetable` prints, beside the description's.
        timetable = json.loads(run(ARGS.scenario, "timetable", "Montebrisca_Lurna", "7395",
                                   "--dir", Path(ARGS.testdata) / "builtin", "--json"))
        listed = self.js("""return [...document.querySelectorAll('#stations li button')].map(b =>
            [b.querySelector('.name').textContent, [...b.children].map(c => c.textContent).join(' | ')]);""")
        self.assertEqual([name for name, _ in listed], [s["name"] for s in timetable["stations"]])
        texts = dict(listed)
        valdemo = next(s for s in timetable["stations"] if s["name"] == "VALDEMO")
        self.assertIn(f"orario {clock(valdemo['given'])}", texts["VALDEMO"])
        self.assertIn(f"stima: arrivo {clock(valdemo['arrival'])} · partenza {clock(valdemo['departure'])}",
                      texts["VALDEMO"])
        self.assertIn(f"stima: partenza {clock(timetable['stations'][0]['departure'])}", texts["MONTEBRISCA"])
        self.assertIn(f"stima: arrivo {clock(timetable['stations'][-1]['arrival'])}", texts["LURNA"])
        untimed = [s for s in timetable["stations"] if s["given"] is None]
        self.assertEqual(len(untimed), 19)
        for s in untimed:
            text = texts[s["name"]]
            self.assertIn(f"stima: transito {clock(s['arrival'])}", text)
            self.assertNotIn("orario", text)
            self.assertNotIn("margine", text)
            if clock(s["arrival"]) != "00:00:00":
                self.assertNotIn("00:00:00", text)
        # Every time of the built-in train can be kept.
        self.assertEqual(self.visible_boxes("#stations .late"), [])

        # Hovering the line's middle tells the estimated speed there.
        profile = self.element("#profile")
        top = self.frame("#profile")["y0"]
        self.move_to(profile, profile.rect["width"] / 2, panel["y0"] - top + 20)
        self.assertRegex(self.hover_card(), r"Velocità stimata\n\d+ km/h \(stima")

    def test_clicking_a_diagnostic_lands_at_its_position(self):
        work = Path(ARGS.work)
        diagnostics = [
            {"severity": "warning", "file": "Montebrisca_Lurna_7395-.txt", "line": 30, "column": 0, "code": 16,
             "position": 60000, "cell": None, "message": "segnale <b>vicino</b> a una fermata"},
            {"severity": "error", "file": "Montebrisca_Lurna_linea.txt", "line": 12, "column": 3, "code": None,
             "position": None, "cell": 1500, "message": "cella 1500"},
            {"severity": "note", "file": "Montebrisca_Lurna_linea.txt", "line": 0, "column": 0, "code": None,
             "position": None, "cell": None, "message": "senza posizione"},
        ]
        (work / "diagnostics.json").write_text(json.dumps(diagnostics), encoding="utf-8")
        page = work / "with_diagnostics.html"
        run(ARGS.with_diagnostics, "Montebrisca_Lurna", "7395", work, work / "diagnostics.json", page)
        self.open(page)
        self.assert_clean_console()
        items = self.driver.find_elements(By.CSS_SELECTOR, "#diagnostics button")
        self.assertEqual(len(items), 3)
        self.assertIn("segnale <b>vicino</b> a una fermata", items[0].text)
        self.assertFalse(items[2].is_enabled())
        for item, metre, cell in ((items[0], 60000, 1201), (items[1], 74950, 1500)):
            item.click()
            time.sleep(0.3)
            first, last = self.start_km_range()
            self.assertTrue(first <= metre / 1000 <= last, (first, last, metre))
            pin = self.visible_boxes("#plan .pin")
            self.assertEqual(len(pin), 1)
            self.assert_inside(pin[0], self.frame("#plan"), "pin")
            self.assertEqual(len(self.visible_boxes("#profile .pin-line")), 1)
            self.assertIn(f"Cella\n{cell} ", self.element("#selection-details").text)
        self.assert_screenshot_not_blank("builtin-diagnostics")


class NorthFixture(PageTest):
    def test_a_route_heading_north_fills_the_plan(self):
        page, truth = compile_and_view("Nord", "1", Path(ARGS.testdata) / "view", Path(ARGS.work))
        self.open(page)
        self.assert_clean_console()
        track, frame = self.frame("#plan .track"), self.frame("#plan")
        fill = max((track["x1"] - track["x0"]) / (frame["x1"] - frame["x0"]),
                   (track["y1"] - track["y0"]) / (frame["y1"] - frame["y0"]))
        print(f"north fixture fills {100 * fill:.0f} % of the plan")
        self.assertGreaterEqual(fill, 0.8)
        self.assertGreater(track["y1"] - track["y0"], 3 * (track["x1"] - track["x0"]))  # true proportions: north
        names = [b["text"] for b in self.visible_boxes("#plan text.station")]
        self.assertEqual(sorted(names), sorted(stations_of(truth)))
        self.assertEqual(len(self.visible_boxes("#plan .marker.signal")), len(cells_holding(truth, 1)))
        self.assert_no_overlap(self.visible_boxes("#plan text"), "north fixture")
        self.assert_screenshot_not_blank("north")


    def test_a_time_the_estimate_cannot_keep_is_marked(self):
        # The north fixture with CASE ALTE at 08:04, before the estimate's arrival (08:04:40).
        source = Path(ARGS.work) / "late-source"
        source.mkdir(parents=True, exist_ok=True)
        view = Path(ARGS.testdata) / "view"
        shutil.copy(view / "Nord_linea.txt", source / "Tardi_linea.txt")
        train = (view / "Nord_1-.txt").read_bytes()
        self.assertIn(b"8, 6, 0, CASE ALTE", train)
        (source / "Tardi_1-.txt").write_bytes(train.replace(b"8, 6, 0, CASE ALTE", b"8, 4, 0, CASE ALTE"))
        page, _ = compile_and_view("Tardi", "1", source, Path(ARGS.work) / "late")
        self.open(page)
        self.assert_clean_console()
        listed = self.js("""return [...document.querySelectorAll('#stations li button')].map(b =>
            [b.querySelector('.name').textContent, [...b.querySelectorAll('.estimate, .late')].map(c => c.textContent)]);""")
        self.assertEqual([name for name, _ in listed], ["BORGO NORD", "CASE ALTE", "PASSO NORD"])
        late = {name: texts for name, texts in listed}
        self.assertEqual(late["CASE ALTE"][1:], ["l'orario non si può tenere"])
        self.assertRegex(late["CASE ALTE"][0], r"^stima: arrivo 08:04:\d\d · partenza 08:0\d:\d\d · margine -\d+ min \d+ s$")
        self.assertEqual(len(late["BORGO NORD"]), 1)
        self.assertRegex(late["PASSO NORD"][0], r"^stima: arrivo 08:\d\d:\d\d · margine \+")
        self.assertEqual(len(late["PASSO NORD"]), 1)


class MarkupFixture(PageTest):
    NAME = "</script><img src=x onerror=alert(1)>"
    SIGN = "(</script><b>\"x\"</b>)('y' & z)"

    def test_names_holding_markup_show_as_text_and_run_nothing(self):
        page, truth = compile_and_view("Markup", "2", Path(ARGS.testdata) / "view", Path(ARGS.work))
        self.open(page)
        with self.assertRaises(NoAlertPresentException):
            self.driver.switch_to.alert.text
        self.assert_clean_console()
        # Nothing of the names became markup.
        self.assertEqual(self.js("return document.querySelectorAll('img, b, i').length"), 0)
        self.assertEqual(len(self.driver.find_elements(By.TAG_NAME, "script")), 2)
        listed = [b["text"] for b in self.visible_boxes("#stations .name")]
        self.assertEqual(listed, [self.NAME, "CITTÀ \"VECCHIA\" <i>&amp;</i>", "PASSO NORD"])
        self.assertEqual(stations_of(truth)[0], self.NAME)
        plan_texts = [b["text"] for b in self.visible_boxes("#plan text")]
        self.assertIn(self.NAME, plan_texts)
        self.assertIn(self.SIGN, plan_texts)
        self.assertEqual(self.search("<img", enter=False)[0], self.NAME + " · stazione a 0 m")
        marker = self.element('#plan .marker.sign')
        ActionChains(self.driver).move_to_element(marker).perform()
        self.assertIn("cartello indicatore: «" + self.SIGN + "»", self.hover_card())
        with self.assertRaises(NoAlertPresentException):
            self.driver.switch_to.alert.text
        self.assert_screenshot_not_blank("markup")


class LargeRoute(PageTest):
    def test_the_longest_route_is_small_and_quick(self):
        work = Path(ARGS.work)
        work.mkdir(parents=True, exist_ok=True)
        sources = work / "sources"
        sources.mkdir()
        run(ARGS.bench_tool, "sources", "longest", sources)
        page, _ = compile_and_view("Linea_Lunga", "9999", sources, work)
        size = page.stat().st_size
        print(f"1000 km page: {size} bytes")
        self.assertLessEqual(size, 8 * 1024 * 1024)

        started = time.monotonic()
        self.open(page)
        waited = time.monotonic() - started
        first_drawing = self.js("return performance.getEntriesByName('first-drawing')[0].startTime")
        print(f"1000 km page: first full drawing {first_drawing:.0f} ms after navigation start "
              f"({1000 * waited:.0f} ms as the test waited)")
        self.assertLess(first_drawing, 2000)
        self.assert_clean_console()

        # Watches, from outside the page's code, when the mouse moved and
        # when the hover card came up.
        self.js("""window.hoverTimes = {};
            document.addEventListener('mousemove', e => { hoverTimes.moved ??= performance.now(); }, true);
            new MutationObserver(() => { hoverTimes.shown ??= performance.now(); })
              .observe(document.getElementById('hover-card'), {attributes: true, childList: true, subtree: true});""")
        profile = self.element("#profile")
        started = time.monotonic()
        self.move_to(profile, profile.rect["width"] / 2, 200)
        WebDriverWait(self.driver, 5, poll_frequency=0.02).until(lambda d: "Cella" in self.hover_card())
        waited = time.monotonic() - started
        times = self.js("return hoverTimes")
        answered = times["shown"] - times["moved"]
        print(f"1000 km page: hover answered {answered:.0f} ms after the mouse moved "
              f"({1000 * waited:.0f} ms as the test waited)")
        self.assertLess(answered, 2000)
        self.assertLess(waited, 2)
        self.assert_screenshot_not_blank("large")


GROUPS = {"builtin": BuiltinRoute, "fixtures": NorthFixture, "markup": MarkupFixture, "large": LargeRoute}


def main():
    global ARGS
    ARGS = test_groups.parse_arguments(GROUPS, ("--scenario", "--with-diagnostics", "--bench-tool", "--testdata", "--work"))
    test_groups.run_group(GROUPS[ARGS.group])


if __name__ == "__main__":
    main()
