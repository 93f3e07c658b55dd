#!/usr/bin/python3
"""The program's day events against an independent reckoning by the national almanac's
conventions (tests/astro/rise_reckoning.py, PyEphem), printed as Markdown tables:

1. pseudo-random JST days over 1900-2100 at places uniform by area within 60 degrees of the
   equator: every event of the day paired with the reckoning's of the same kind, the
   differences in seconds, and the events only one side has;
2. a year of Tokyo (the old Tokyo Astronomical Observatory, 35 39'29"N 139 44'29"E, where
   the almanac's Tokyo times are reckoned): how many sunrises, sunsets, moonrises and
   moonsets show the same minute as the reckoning's.

The program's side is build/tools/accuracy/day_events_print (configure with
-DSUNMOON_BUILD_ACCURACY=ON). Run with Debian's interpreter, which has python3-ephem:

    /usr/bin/python3 tools/accuracy/rise_accuracy.py [--days 1000] [--seed 19000101]
        [--year 2026] [--program build/tools/accuracy/day_events_print]
"""

import argparse
import math
import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "astro"))

import ephem  # noqa: E402

import rise_reckoning as rr  # noqa: E402

TOKYO = (35.0 + 39.0 / 60 + 29.0 / 3600, 139.0 + 44.0 / 60 + 29.0 / 3600)
FIRST_DAY = (1900, 1, 1)
LAST_DAY = (2100, 12, 31)
MAX_LATITUDE = 60.0
# Events of one kind closer than this pair up, seconds.
PAIRING_SECONDS = 600.0
PUBLISHED_KINDS = ("SunRise", "SunSet", "MoonRise", "MoonSet")


def random_cases(count, seed):
    """(year, month, day, latitude, longitude) of `count` pseudo-random place-dates."""
    rng = random.Random(seed)
    first = float(ephem.Date(FIRST_DAY))
    last = float(ephem.Date(LAST_DAY))
    cases = []
    for _ in range(count):
        y, m, d = ephem.Date(first + math.floor(rng.random() * (last - first + 1))).triple()
        latitude = math.degrees(math.asin((2 * rng.random() - 1)
                                          * math.sin(math.radians(MAX_LATITUDE))))
        longitude = rng.random() * 360.0 - 180.0
        cases.append((y, m, int(d), round(latitude, 4), round(longitude, 4)))
    return cases


def year_cases(year):
    cases = []
    d = ephem.Date((year, 1, 1))
    while d.triple()[0] == year:
        y, m, day = d.triple()
        cases.append((y, m, int(day)) + TOKYO)
        d = ephem.Date(d + 1)
    return cases


def program_events(program, cases):
    """The program's events of each case: lists of (kind, seconds after 00:00 JST)."""
    text = "".join("%d %d %d %r %r\n" % c for c in cases)
    out = subprocess.run([program], input=text, capture_output=True, text=True, check=True)
    days, current = [], None
    for line in out.stdout.splitlines():
        if line == "day":
            current = []
        elif line == "end":
            days.append(current)
        else:
            kind, seconds = line.split()
            current.append((kind, float(seconds)))
    assert len(days) == len(cases), "the program answered %d of %d days" % (len(days), len(cases))
    return days


def in_day(seconds):
    return 0 <= math.floor(seconds + 0.5) < rr.SECONDS_PER_DAY


def pair(program, reference):
    """Pairs of (kind, program seconds, reference seconds), the program's unpaired events and
    the reference's unpaired events of the day."""
    pairs, program_only = [], []
    unused = list(reference)
    for kind, seconds in program:
        candidates = [r for r in unused if r[0] == kind and abs(r[1] - seconds) < PAIRING_SECONDS]
        if not candidates:
            program_only.append((kind, seconds))
            continue
        best = min(candidates, key=lambda r: abs(r[1] - seconds))
        unused.remove(best)
        pairs.append((kind, seconds, best[1]))
    reference_only = [r for r in unused if in_day(r[1])]
    return pairs, program_only, reference_only


def spread(values):
    v = sorted(abs(x) for x in values)
    if not v:
        return None
    return v[-1], v[min(len(v) - 1, int(math.ceil(0.95 * len(v))) - 1)], v[len(v) // 2]


def compare_random(program, count, seed):
    cases = random_cases(count, seed)
    ours = program_events(program, cases)
    by_kind = {k: {"diff": [], "program": 0, "reference": 0} for k in rr.KINDS}
    worst = {}
    for case, mine in zip(cases, ours):
        reference, _ = rr.day_events(*case)
        pairs, program_only, reference_only = pair(mine, [(k, s) for k, s, _ in reference])
        for kind, p, r in pairs:
            by_kind[kind]["diff"].append(p - r)
            if abs(p - r) > abs(worst.get(kind, (0, None))[0]):
                worst[kind] = (p - r, case)
        for kind, _ in program_only:
            by_kind[kind]["program"] += 1
        for kind, _ in reference_only:
            by_kind[kind]["reference"] += 1
    print("Program minus the reckoning at %d JST days over 1900-2100, places uniform by area "
          "within 60 degrees of the equator (seed %d), seconds:\n" % (count, seed))
    print("| Event | pairs | largest | 95 % | median | only the program | only the reckoning |")
    print("| --- | ---: | ---: | ---: | ---: | ---: | ---: |")
    for kind in rr.KINDS:
        c = by_kind[kind]
        s = spread(c["diff"])
        figures = "%.2f | %.2f | %.2f" % s if s else "– | – | –"
        print("| %s | %d | %s | %d | %d |" % (kind, len(c["diff"]), figures, c["program"],
                                               c["reference"]))
    print()
    for kind in rr.KINDS:
        if kind in worst:
            print("largest %s: %+.2f s at %r" % (kind, worst[kind][0], worst[kind][1]),
                  file=sys.stderr)


def compare_tokyo(program, year):
    cases = year_cases(year)
    ours = program_events(program, cases)
    same = {k: 0 for k in PUBLISHED_KINDS}
    total = {k: 0 for k in PUBLISHED_KINDS}
    for case, mine in zip(cases, ours):
        reference, _ = rr.day_events(*case)
        reference = [(k, s) for k, s, _ in reference if k in PUBLISHED_KINDS and in_day(s)]
        pairs, program_only, reference_only = pair(
            [(k, s) for k, s in mine if k in PUBLISHED_KINDS], reference)
        for kind, p, r in pairs:
            total[kind] += 1
            same[kind] += rr.clock_minute(p) == rr.clock_minute(r)
        for kind, _ in program_only + reference_only:
            total[kind] += 1
    print("Tokyo (35 39'29\"N 139 44'29\"E), every day of %d: events shown at the same minute "
          "as the reckoning's:\n" % year)
    print("| Event | events | same minute | share |")
    print("| --- | ---: | ---: | ---: |")
    for kind in PUBLISHED_KINDS:
        print("| %s | %d | %d | %.1f %% |" % (kind, total[kind], same[kind],
                                             100.0 * same[kind] / max(1, total[kind])))
    all_same, all_total = sum(same.values()), sum(total.values())
    print("| all four | %d | %d | %.1f %% |" % (all_total, all_same, 100.0 * all_same / all_total))
    print()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--days", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=19000101)
    parser.add_argument("--year", type=int, default=2026)
    parser.add_argument("--program", default=os.path.join(HERE, "..", "..", "build", "tools",
                                                           "accuracy", "day_events_print"))
    args = parser.parse_args()
    compare_random(args.program, args.days, args.seed)
    compare_tokyo(args.program, args.year)


if __name__ == "__main__":
    main()
