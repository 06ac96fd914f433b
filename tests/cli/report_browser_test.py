#!/usr/bin/env python3
"""Opens the report page of a city in headless Chromium at #from=..&to=.. for a spread of
station pairs and compares the journeys the page shows in #journeys with `query --json`.
   report_browser_test.py VELORIN_CLI CITY_TXT
Exits 77 (skipped) only when no chromium is installed."""
import html.parser
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import urllib.parse

cli, city = sys.argv[1], sys.argv[2]
browser = shutil.which("chromium") or shutil.which("chromium-browser")
if not browser:
    print("chromium is not installed")
    sys.exit(77)


class Journeys(html.parser.HTMLParser):
    """The legs of each journey inside the element whose id is journeys."""

    def __init__(self):
        super().__init__()
        self.depth = 0
        self.journeys = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if self.depth == 0 and attrs.get("id") != "journeys":
            return
        self.depth += 1
        if "journey" in attrs.get("class", "").split():
            self.journeys.append({"legs": []})
        if "leg" in attrs.get("class", "").split():
            self.journeys[-1]["legs"].append({
                "line": attrs["data-line"], "direction": attrs["data-direction"],
                "board": attrs["data-board"], "alight": attrs["data-alight"],
                "stops": int(attrs["data-stops"])})

    def handle_endtag(self, tag):
        if self.depth:
            self.depth -= 1


with tempfile.TemporaryDirectory() as work:
    page = os.path.join(work, "report.html")
    subprocess.run([cli, "report", city, "-o", page], check=True, capture_output=True)
    text = open(page, encoding="utf-8").read()
    data = json.loads(re.search(r'<script type="application/json" id="network">(.*?)</script>',
                                text, re.S).group(1).replace("<\\/", "</"))
    stations = data["stations"]
    step = max(1, len(stations) // 7)
    pairs = [(stations[i], stations[j]) for i in range(0, len(stations), step)
             for j in range(len(stations) - 1, -1, -2 * step) if i != j][::2]
    failures, legs_seen = 0, set()
    for origin, destination in pairs:
        fragment = "from=%s&to=%s" % (urllib.parse.quote(origin), urllib.parse.quote(destination))
        dom = subprocess.run(
            [browser, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--user-data-dir=" + os.path.join(work, "profile"),
             "--dump-dom", "file://" + page + "#" + fragment],
            check=True, capture_output=True, text=True, timeout=120).stdout
        shown = Journeys()
        shown.feed(dom)
        answer = subprocess.run([cli, "--output-encoding", "utf-8", "query", city, origin,
                                 destination, "--json", "-"], capture_output=True, text=True)
        expected = json.loads(answer.stdout)["journeys"]
        legs_seen.update(len(j["legs"]) for j in expected)
        if shown.journeys != expected:
            failures += 1
            print("differ: %s -> %s\n  page:  %s\n  query: %s" %
                  (origin, destination, shown.journeys, expected))
    print("%d pairs, journeys of %s legs among them" % (len(pairs), sorted(legs_seen)))
    if not {1, 2} <= legs_seen:
        print("the pairs do not reach direct journeys and changes alike")
        failures += 1
    print("%d passed, %d failed" % (len(pairs) - failures, failures))
    sys.exit(1 if failures else 0)
