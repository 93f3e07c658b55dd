"""The built program run as a terminal program, with no display and no platform chosen: every
command in every format read back by Python's csv and json modules and by the icalendar
parser, and the exit statuses of good and bad command lines.

Usage: command_line_check.py PROGRAM
"""
import csv
import io
import json
import os
import subprocess
import sys
import tempfile

import icalendar

PROGRAM = sys.argv[1]
# No window system: the commands must not need one.
ENVIRONMENT = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
WORK_DIR = tempfile.mkdtemp()  # no start file: 東京
failures = []


def run(*arguments):
    done = subprocess.run([PROGRAM, *arguments], capture_output=True, env=ENVIRONMENT,
                          cwd=WORK_DIR, timeout=120)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def check(condition, what):
    if not condition:
        failures.append(what)


# Exit status of each command line; a failure prints nothing on stdout and one Japanese
# reason on stderr (with the pointer to --help for a usage error).
STATUSES = [
    (0, ["places"]),
    (0, ["--help"]),
    (0, ["--version"]),
    (0, ["at", "--help"]),
    (0, ["series", "--help"]),
    (0, ["at", "2026-12-09", "12:00"]),
    (0, ["at", "2026-12-09", "--lat", "-90", "--lon", "180"]),
    (0, ["almanac", "1800"]),
    (2, ["frobnicate"]),
    (2, ["at", "--frob"]),
    (2, ["--frob"]),
    (2, ["at", "2026-02-30"]),
    (2, ["at", "2026-12-09", "25:00"]),
    (2, ["at", "2026-12-09", "12:00", "extra"]),
    (2, ["at", "--place", "どこか"]),
    (2, ["at", "--place", "東京", "--lat", "35"]),
    (2, ["at", "--lat", "35"]),
    (2, ["at", "--lat", "north", "--lon", "139"]),
    (2, ["at", "--format", "xml"]),
    (2, ["at", "--format", "ics"]),
    (2, ["month", "2026-13"]),
    (2, ["almanac", "twenty"]),
    (2, ["almanac", "2026", "--place", "東京"]),
    (2, ["series", "--from", "2026-01-01", "--to", "2026-01-02"]),
    (2, ["series", "--from", "2026-01-02", "--to", "2026-01-01", "--step", "1m"]),
    (2, ["series", "--from", "2026-01-01", "--to", "2046-01-01", "--step", "1s"]),
    (2, ["series", "--from", "2026-01-01", "--to", "2026-01-02", "--step", "1x"]),
    (1, ["at", "2026-12-09", "--lat", "90.5", "--lon", "139"]),
    (1, ["at", "2026-12-09", "--lat", "35", "--lon", "-180.01"]),
    (1, ["at", "999999-01-01"]),
    (1, ["day", "999999-01-01"]),
    (1, ["month", "999999-01"]),
    (1, ["almanac", "1799"]),
    (1, ["almanac", "2401"]),
    (1, ["series", "--from", "2026-01-01", "--to", "999999-01-01", "--step", "1000000d"]),
]
for status, arguments in STATUSES:
    got, out, err = run(*arguments)
    check(got == status, f"{arguments}: exit {got}, expected {status}; stderr {err!r}")
    if status != 0:
        check(out == "", f"{arguments}: printed {out[:80]!r} though it failed")
        lines = err.splitlines()
        check(len(lines) == (2 if status == 2 else 1), f"{arguments}: stderr {err!r}")
        check(any(ord(c) > 0x3000 for c in err), f"{arguments}: stderr not in Japanese: {err!r}")
    else:
        check(err == "", f"{arguments}: stderr {err!r}")

# Each command in each format, read back.
COMMANDS = [
    ["at", "2026-12-09", "12:00", "--place", "札幌"],
    ["day", "2026-12-09"],
    ["month", "2026-12", "--lat", "65", "--lon", "25"],
    ["almanac", "2026"],
    ["series", "--from", "2026-12-09T00:00", "--to", "2026-12-10", "--step", "1h"],
    ["places"],
]
for arguments in COMMANDS:
    tables = {}
    for form in ("tsv", "csv", "json"):
        status, out, err = run(*arguments, "--format", form)
        check(status == 0 and err == "", f"{arguments} {form}: exit {status}, {err!r}")
        if form == "tsv":
            rows = [line.split("\t") for line in out.splitlines()]
        elif form == "csv":
            check(out.endswith("\r\n"), f"{arguments} csv: records end in CR LF")
            rows = list(csv.reader(io.StringIO(out, newline="")))
        else:
            data = json.loads(out)
            if isinstance(data, dict):  # named values
                rows = [[v["name"], v["value"]] for v in data["values"]]
                check(data["instant"].endswith("+09:00"), f"{arguments} json: {data['instant']}")
            else:
                rows = [list(data[0].keys())] + [[str(v) for v in o.values()] for o in data]
        tables[form] = rows
    tsv, csv_rows, json_rows = tables["tsv"], tables["csv"], tables["json"]
    if arguments[0] in ("at", "day"):
        check(csv_rows[0] == ["項目", "値"], f"{arguments} csv header {csv_rows[0]}")
        csv_rows = csv_rows[1:]
    check(len(tsv) == len(csv_rows) == len(json_rows) and len(tsv) > 2,
          f"{arguments}: {len(tsv)} TSV, {len(csv_rows)} CSV, {len(json_rows)} JSON rows")
    if arguments[0] in ("at", "day", "month", "places"):
        # The same cells in every format (the tab-separated figures with the user's decimal
        # separator, here a full stop).
        check(tsv == csv_rows, f"{arguments}: CSV cells differ from TSV")
        if arguments[0] != "places":
            check(tsv == json_rows, f"{arguments}: JSON cells differ from TSV")
    if arguments[0] == "series":
        check(len(tsv) == 26, f"series: {len(tsv)} lines, expected a header and 25 rows")
        check(csv_rows[1][0] == "2026-12-09T00:00:00+09:00", f"series csv: {csv_rows[1][0]}")
        check(csv_rows[-1][0] == "2026-12-10T00:00:00+09:00", f"series csv: {csv_rows[-1][0]}")
        check([float(x) for x in csv_rows[5][1:]] == [float(x) for x in tsv[5][1:]],
              "series: CSV figures differ from TSV")
        data = json.loads(run(*arguments, "--format", "json")[1])
        check(abs(data[4]["sun_ra_h"] - float(csv_rows[5][1])) < 1e-9, "series: JSON figures")
    if arguments[0] == "places":
        check(len(tsv) == 75, f"places: {len(tsv)} lines, a header and 74 places")
        check(["東京", "35.65", "139.75"] in tsv, "places: 東京")

# The year's calendar parsed as iCalendar, an event per entry of the list (what each event
# holds is month_export_check.py's).
status, out, err = run("almanac", "2026", "--format", "ics")
events = icalendar.Calendar.from_ical(out).walk("VEVENT") if status == 0 else []
listed = run("almanac", "2026")[1].splitlines()[1:]
check(len(events) == len(listed) > 60, f"almanac ics: exit {status} {err!r}, {len(events)} events")

# The start file in the working directory is the default place.
with open(os.path.join(WORK_DIR, "pstart.txt"), "w", encoding="utf-8") as start:
    start.write(" 0  43.067  141.35\r\n")  # 札幌
check(run("at", "2026-12-09")[1] == run("at", "2026-12-09", "--place", "札幌")[1],
      "the start file's place is not the default")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
