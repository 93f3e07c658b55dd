#!/usr/bin/python3
"""Compares the almanac's phases and solar terms with PyEphem's over a span of years.

Reads the CSV that almanac_events prints (kind,value,jd_ut,jd_tt), finds every phase and
every solar term of the same span with PyEphem on its own (apparent geocentric longitudes of
date, its own search), and prints, in TT so that the two programs' Delta T are judged apart:
how many events each side found, those only one side has, and the differences (seconds) per
period and kind, as a Markdown table.

    /usr/bin/python3 tools/almanac/almanac_accuracy.py EVENTS.csv FROM_YEAR TO_YEAR
"""
import bisect
import csv
import math
import sys

import ephem

DUBLIN_JD = 2415020.0  # PyEphem counts days from 1899 December 31 12h
SECONDS_PER_DAY = 86400.0
TWO_PI = 2.0 * math.pi
PERIOD_YEARS = 50
# Two events of the same kind and value closer than this (days) are the same event.
MATCH_DAYS = 1.0


def tt_of(date):
    """PyEphem's UT date as a TT Julian day, with the Delta T PyEphem itself applies."""
    return date + DUBLIN_JD + ephem.delta_t(date) / SECONDS_PER_DAY


def reference_phases(from_year, to_year):
    """Every principal phase in [from_year, to_year) as (degrees, JD TT)."""
    finders = [(0, ephem.next_new_moon), (90, ephem.next_first_quarter_moon),
               (180, ephem.next_full_moon), (270, ephem.next_last_quarter_moon)]
    end = ephem.Date('%d/1/1' % to_year)
    events = []
    for value, finder in finders:
        d = finder(ephem.Date('%d/1/1' % from_year))
        while d < end:
            events.append((value, tt_of(d)))
            d = finder(d + 1)
    return events


def sun_longitude(date):
    """The Sun's apparent longitude of date, radians, as PyEphem reckons it."""
    sun = ephem.Sun(date)
    return ephem.Ecliptic(ephem.Equatorial(sun.g_ra, sun.g_dec, epoch=date), epoch=date).lon


def reference_terms(from_year, to_year):
    """Every instant in [from_year, to_year) the Sun's longitude is a multiple of 15 degrees."""
    start = ephem.Date('%d/1/1' % from_year)
    end = ephem.Date('%d/1/1' % to_year)
    step = math.radians(15.0)
    index = int(math.floor(sun_longitude(start) / step)) + 1
    guess = start
    events = []
    while True:
        target = (index % 24) * step

        def offset(d):
            return (sun_longitude(d) - target + math.pi) % TWO_PI - math.pi

        guess = guess + (-offset(guess)) / TWO_PI * 365.2422
        d = ephem.newton(offset, guess, guess + 0.01)
        if d >= end:
            return events
        if d >= start:
            events.append(((index % 24) * 15, tt_of(d)))
        index += 1
        guess = d + 15.2


def read_program(path):
    phases, terms = [], []
    with open(path) as f:
        for row in csv.DictReader(f):
            event = (int(row['value']), float(row['jd_tt']))
            (phases if row['kind'] == 'phase' else terms).append(event)
    return phases, terms


def match(program, reference):
    """Pairs of (reference JD, difference in seconds), and the events left unpaired."""
    pairs, unmatched_program = [], []
    remaining = sorted(reference, key=lambda e: e[1])
    used = [False] * len(remaining)
    times = [e[1] for e in remaining]
    for value, jd in sorted(program, key=lambda e: e[1]):
        i = bisect.bisect_left(times, jd - MATCH_DAYS)
        best = None
        while i < len(remaining) and times[i] <= jd + MATCH_DAYS:
            if not used[i] and remaining[i][0] == value:
                best = i
                break
            i += 1
        if best is None:
            unmatched_program.append((value, jd))
        else:
            used[best] = True
            pairs.append((value, times[best], (jd - times[best]) * SECONDS_PER_DAY))
    unmatched_reference = [e for e, u in zip(remaining, used) if not u]
    return pairs, unmatched_program, unmatched_reference


def year_of(jd):
    return 2000.0 + (jd - 2451545.0) / 365.25


def summary(differences):
    if not differences:
        return '-', '-', '-'
    absolute = sorted(abs(d) for d in differences)
    rms = math.sqrt(sum(d * d for d in differences) / len(differences))
    p99 = absolute[min(len(absolute) - 1, int(0.99 * len(absolute)))]
    return '%.1f' % rms, '%.1f' % p99, '%.1f' % absolute[-1]


def main():
    path, from_year, to_year = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    program_phases, program_terms = read_program(path)
    print('reckoning PyEphem %s phases and solar terms %d-%d ...' % (ephem.__version__, from_year, to_year),
          file=sys.stderr)
    rows = []
    for kind, program, reference in (
            ('phases', program_phases, reference_phases(from_year, to_year)),
            ('solar terms', program_terms, reference_terms(from_year, to_year))):
        pairs, extra, missing = match(program, reference)
        print('%s: program %d, PyEphem %d, only in program %d, only in PyEphem %d'
              % (kind, len(program), len(reference), len(extra), len(missing)))
        for e in extra[:5]:
            print('  only in program: %s' % (e,))
        for e in missing[:5]:
            print('  only in PyEphem: %s' % (e,))
        for start in range(from_year, to_year, PERIOD_YEARS):
            end = min(start + PERIOD_YEARS, to_year)
            d = [p[2] for p in pairs if start <= year_of(p[1]) < end]
            mean = sum(d) / len(d) if d else float('nan')
            rows.append((kind, '%d-%d' % (start, end), len(d), '%+.1f' % mean) + summary(d))
        if to_year - from_year <= PERIOD_YEARS:
            continue
        d = [p[2] for p in pairs]
        mean = sum(d) / len(d) if d else float('nan')
        rows.append((kind, '%d-%d' % (from_year, to_year), len(d), '%+.1f' % mean) + summary(d))
    print()
    print('| events | years | pairs | mean (s) | RMS (s) | 99 % (s) | largest (s) |')
    print('|---|---|---:|---:|---:|---:|---:|')
    for row in rows:
        print('| %s | %s | %d | %s | %s | %s | %s |' % row)


if __name__ == '__main__':
    main()
