"""Reads the month's CSV file and the year's calendar file back with Python's own readers.

    month_export_check.py Csv|Calendar PATH_TO_month_export_dump

Csv: the file begins with a byte-order mark, ends every record with CR LF, and Python's csv
module reads back exactly the cells of the month table (header included), for an ordinary month
with a decimal comma (which must be quoted) and for a polar month with its sentences.

Calendar: the iCalendar file of a year, made twice, is the same; every physical line is at most
75 octets, ends in CR LF and is whole UTF-8; the icalendar module reads one event per entry of
the almanac's own list, with its Japanese summary, its UTC instant within the half minute and half
second that rounding to the clock's minute allows (or its JST date, all day, for a 雑節 without instant), and
unique UIDs.
"""
import csv
import datetime
import io
import subprocess
import sys

import icalendar

# (year, month, latitude, longitude, decimal separator): Tokyo with a decimal comma; Tromsø in
# the polar night, with the Moon up or down all day on some days.
MONTHS = [
    ("2026", "12", "35.6895", "139.6917", ","),
    ("2026", "12", "69.6496", "18.9560", "."),
]
# 2029 begins with a phase at 01:48 JST, still 2028 in UTC.
YEARS = ["2026", "2029"]
MAX_LINE_OCTETS = 75
# A time written to the minute, rounded first to the second (as the clock shows it) and then to
# the minute, lies within half a minute and half a second of the instant (and a millisecond).
MINUTE_ROUNDING_SECONDS = 30.501
J2000 = datetime.datetime(2000, 1, 1, 12, tzinfo=datetime.timezone.utc)

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def dump(tool, *args):
    return subprocess.run([tool, *args], check=True, stdout=subprocess.PIPE).stdout


def check_csv(tool):
    for month in MONTHS:
        raw = dump(tool, "csv", *month)
        check(raw.startswith(b"\xef\xbb\xbf"), f"{month}: no byte-order mark")
        check(raw.endswith(b"\r\n"), f"{month}: last record not ended by CR LF")
        check(b"\n" not in raw.replace(b"\r\n", b""), f"{month}: a bare line feed")
        lines = dump(tool, "cells", *month).decode("utf-8").split("\n")[:-1]
        columns = int(lines[0])
        cells = lines[1:]
        expected = [cells[i:i + columns] for i in range(0, len(cells), columns)]
        rows = list(csv.reader(io.StringIO(raw.decode("utf-8-sig"), newline="")))
        check(rows == expected, f"{month}: CSV read back differs from the cells:\n"
              f"{rows[:3]}\n{expected[:3]}")
        check(len(rows) >= 29, f"{month}: only {len(rows)} records")


def instant_of(julian_day):
    return J2000 + datetime.timedelta(days=julian_day - 2451545.0)


def check_calendar(tool):
    for year in YEARS:
        check_calendar_year(tool, year)


def check_calendar_year(tool, year):
    raw = dump(tool, "calendar", year)
    check(raw == dump(tool, "calendar", year), "the same year made twice differs")
    physical = raw.split(b"\r\n")
    check(physical[-1] == b"", "the file does not end in CR LF")
    for line in physical[:-1]:
        check(b"\n" not in line and b"\r" not in line, f"a bare line end in {line!r}")
        check(len(line) <= MAX_LINE_OCTETS, f"{len(line)} octets: {line!r}")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            failures.append(f"a UTF-8 character split by folding: {line!r}")

    events = icalendar.Calendar.from_ical(raw).walk("VEVENT")
    uids = [str(e["UID"]) for e in events]
    check(len(set(uids)) == len(uids), "UIDs repeat")
    unused = list(events)
    reference = dump(tool, "almanac", year).decode("utf-8").splitlines()
    check(len(reference) > 70, f"only {len(reference)} entries in the almanac's list")
    check(len(events) == len(reference), f"{len(events)} events for {len(reference)} entries")
    for entry in reference:
        name, when = entry.split("\t")
        match = None
        for event in unused:
            if str(event["SUMMARY"]) != name:
                continue
            start = event["DTSTART"].dt
            if when.startswith("date "):
                day = datetime.date.fromisoformat(when[5:])
                if not isinstance(start, datetime.datetime) and start == day and \
                        event["DTEND"].dt == day + datetime.timedelta(days=1):
                    match = event
            elif isinstance(start, datetime.datetime) and start.utcoffset() is not None and \
                    start.utcoffset().total_seconds() == 0 and \
                    abs((start - instant_of(float(when))).total_seconds()) <= \
                    MINUTE_ROUNDING_SECONDS:
                match = event
            if match is not None:
                break
        check(match is not None, f"no event for {entry}")
        if match is not None:
            unused.remove(match)


def main():
    what, tool = sys.argv[1], sys.argv[2]
    {"Csv": check_csv, "Calendar": check_calendar}[what](tool)
    for failure in failures:
        print(failure)
    print(f"{what}: {'FAILED' if failures else 'passed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
