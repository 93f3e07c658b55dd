#!/usr/bin/env python3
"""Reference times of the day's events and of new Moons, reckoned by brute force from the
independent reckoning of the calculation (reference_reckoning.py), for
tests/astro/day_events_test.cpp.

The C++ code samples the day every half hour and refines crossings between samples; this
script instead computes the Sun and the Moon at every whole second of the clock, exactly as
the window computes them when that time is typed (year, month, day, hour, minute, second in
Japan Standard Time), from two seconds before 00:00 to two seconds after 24:00, and takes a
crossing wherever two consecutive seconds lie on opposite sides of a level. Each crossing is
then narrowed by bisection to a tenth of a millisecond, and the event belongs to the day
when its instant, rounded to the nearest whole second (halves upwards), falls on 00:00:00
to 23:59:59. A crossing pair shorter than a second would escape the scan: the cases below
have none.

Levels: the Sun's centre at -0.8333 degrees (rise and set), -6, -12 and -18 (twilights),
the Moon's at +0.125; the transit where the hour angle (sidereal time minus right
ascension, times 15, plus the longitude, reduced into [-180, 180)) goes from negative to
not negative.

The Moon's age: the new Moon before an instant is found by stepping back six hours at a time
until the elongation in longitude (the Moon's apparent longitude minus the Sun's, reduced
into [0, 360)) wraps, then by bisection to 1e-9 day.

Regenerate the data file (a minute or two; deterministic):

    python3 tests/astro/day_events_reference.py

which writes tests/astro/data/day_events_reference.txt (another path may be given). Lines,
fields separated by tabs:

    case   name  year  month  day  latitude  longitude
    event  kind  instant  second  altitude  julianDay
    end
    age    julianDay  age

`instant` is the refined crossing in seconds after 00:00 JST (four decimals), `second` the
whole second it rounds to, `altitude` the body's altitude and `julianDay` the Julian day the
window shows for that second typed in (exact hexadecimal floats); `age` is in days (nine
decimals) at the Julian day given in hexadecimal. Lines starting with "#" are comments.
"""

import math
import os
import random
import sys

import reference_reckoning as rr

SECONDS_PER_DAY = 86400
SCAN_MARGIN_SECONDS = 2
BISECTION_STEPS = 14  # a second halved 14 times: 0.06 ms

# (rising kind, setting kind, body, altitude in degrees)
LEVELS = (
    ("SunRise", "SunSet", "sun", -0.8333),
    ("CivilDawn", "CivilDusk", "sun", -6.0),
    ("NauticalDawn", "NauticalDusk", "sun", -12.0),
    ("AstronomicalDawn", "AstronomicalDusk", "sun", -18.0),
    ("MoonRise", "MoonSet", "moon", 0.125),
)
TRANSITS = (("SunTransit", "sun"), ("MoonTransit", "moon"))

# name, year, month, day, latitude, longitude
CASES = [
    # Ordinary days at Tokyo, winter and summer.
    ("tokyo-winter", 2024, 12, 8, 35.6895, 139.6917),
    ("tokyo-summer", 2024, 6, 21, 35.6895, 139.6917),
    # Both hemispheres, both signs of longitude, and the equator.
    ("sydney", 2024, 3, 15, -33.8688, 151.2093),
    ("santiago", 2024, 9, 10, -33.4489, -70.6693),
    ("new-york", 2024, 1, 20, 40.7128, -74.006),
    ("london-midsummer", 2024, 6, 21, 51.5074, -0.1278),
    ("quito", 2024, 10, 1, -0.1807, -78.4678),
    # Days at Tokyo without a moonrise, a moonset, a Moon's transit.
    ("tokyo-no-moonrise", 2024, 12, 23, 35.6895, 139.6917),
    ("tokyo-no-moonset", 2024, 12, 9, 35.6895, 139.6917),
    ("tokyo-no-moon-transit", 2024, 12, 16, 35.6895, 139.6917),
    # 70 degrees north: midnight Sun and polar night.
    ("polar-day", 2024, 6, 21, 70.0, 20.0),
    ("polar-night", 2024, 12, 21, 70.0, 20.0),
    # Two moonrises, two moonsets in one day.
    ("two-moonrises", 2024, 10, 16, 65.0, 20.0),
    ("two-moonsets", 2024, 10, 26, 65.0, 20.0),
    # The Sun dips below -18 degrees for under five minutes around midnight; the Moon stands
    # above the horizon for three minutes: both between two half-hour samples.
    ("grazing-twilight", 2024, 6, 26, 48.64, 135.0),
    ("grazing-moon", 2024, 12, 2, 62.0, 165.0),
    # Before the Gregorian calendar: 15 June 1000 (Julian), Kyoto.
    ("julian-calendar", 1000, 6, 15, 35.0116, 135.7681),
]

# The Sun's transit put 0.3 s after and 0.3 s before 00:00 JST of 2 May 2024 by the choice of
# longitude (found below), each seen from both days.
BOUNDARY_DATE = (2024, 5, 2)
BOUNDARY_LATITUDE = 10.0
BOUNDARY_OFFSETS_SECONDS = (0.3, -0.3)

# Instants for the Moon's age: around the new Moons of 2000 January 6 and 2024 December 1,
# and pseudo-random ones over 1900-2100.
NEW_MOON_GUESSES_JD = (2451550.26, 2460645.76)
AGE_SEED = 20241201
RANDOM_AGES = 24
# Two units in the last place of a Julian day near 2.45 million.
NEW_MOON_TOLERANCE_DAYS = 1e-9


def fields_at(seconds):
    """Hour, minute and second of the clock for a number of seconds after 00:00."""
    hour = math.floor(seconds / 3600.0)
    minute = math.floor((seconds - hour * 3600.0) / 60.0)
    second = seconds - hour * 3600.0 - minute * 60.0
    return float(hour), float(minute), second


def sky(case, seconds):
    """The window's pass at the typed time: a dict with the altitudes and hour angles."""
    _, year, month, day, lat, lon = case
    hour, minute, second = fields_at(seconds)
    v = rr.calculate_pass((float(year), float(month), float(day), hour, minute, second, lat, lon))
    for body in ("sun", "moon"):
        ra = v[body + "RightAscension"]
        v[body + "HourAngle"] = math.remainder((v["siderealTime"] - ra) * 15.0 + lon, 360.0)
    return v


def altitude_of(v, body):
    return v[body + "Altitude"]


def bisect(f, a, b):
    """The instant in [a, b] where f changes from f(a)'s side to f(b)'s; f(a), f(b) differ."""
    below_at_a = f(a) < 0.0
    for _ in range(BISECTION_STEPS):
        c = (a + b) / 2.0
        if (f(c) < 0.0) == below_at_a:
            a = c
        else:
            b = c
    return (a + b) / 2.0


def events_of(case):
    """The day's events of a case, each (kind, instant, second, body), in time order."""
    seconds = range(-SCAN_MARGIN_SECONDS, SECONDS_PER_DAY + SCAN_MARGIN_SECONDS + 1)
    skies = [sky(case, float(s)) for s in seconds]
    found = []
    for rising, setting, body, level in LEVELS:
        def f(x, body=body, level=level):
            return altitude_of(sky(case, x), body) - level
        for i in range(len(skies) - 1):
            a = altitude_of(skies[i], body) - level
            b = altitude_of(skies[i + 1], body) - level
            if (a < 0.0) != (b < 0.0):
                t = bisect(f, float(seconds[i]), float(seconds[i + 1]))
                found.append((rising if a < 0.0 else setting, t, body))
    for kind, body in TRANSITS:
        def g(x, body=body):
            return sky(case, x)[body + "HourAngle"]
        for i in range(len(skies) - 1):
            a = skies[i][body + "HourAngle"]
            b = skies[i + 1][body + "HourAngle"]
            if a < 0.0 <= b and b - a < 180.0:
                found.append((kind, bisect(g, float(seconds[i]), float(seconds[i + 1])), body))
    events = []
    for kind, t, body in sorted(found, key=lambda e: e[1]):
        second = math.floor(t + 0.5)
        if 0 <= second < SECONDS_PER_DAY:
            events.append((kind, t, second, body))
    return events


def transit_instant(case):
    """The Sun's transit nearest to 00:00 JST of the case's day, seconds (may be negative)."""
    def g(x):
        return sky(case, x)["sunHourAngle"]
    a, b = -600.0, 600.0
    while b - a > 1e-6:
        c = (a + b) / 2.0
        if g(c) < 0.0:
            a = c
        else:
            b = c
    return (a + b) / 2.0


def boundary_cases():
    """Longitudes that put the Sun's transit just after and just before 00:00 JST of the
    boundary date, and the cases of that day and the day before at each."""
    year, month, day = BOUNDARY_DATE
    cases = []
    for offset in BOUNDARY_OFFSETS_SECONDS:
        lon = -45.0
        for _ in range(6):
            t = transit_instant(("", year, month, day, BOUNDARY_LATITUDE, lon))
            # The transit comes 240 s earlier for every degree further east.
            lon = lon + (t - offset) / 240.0
        lon = round(lon, 6)
        t = transit_instant(("", year, month, day, BOUNDARY_LATITUDE, lon))
        assert abs(t - offset) < 0.05, (offset, t)
        label = "after" if offset > 0 else "before"
        cases.append(("transit-just-%s-midnight" % label, year, month, day,
                      BOUNDARY_LATITUDE, lon))
        cases.append(("transit-just-%s-midnight-day-before" % label, year, month, day - 1,
                      BOUNDARY_LATITUDE, lon))
    return cases


# --- The Moon's age ---------------------------------------------------------------------------


def elongation(jd):
    """The Moon's apparent longitude minus the Sun's, degrees, reduced into [0, 360)."""
    t = rr.julian_centuries_of(jd)
    v = {"julianCenturies": t}
    rr.compute_ephemeris(v)
    moon = rr.moon_geometric_longitude(t) + v["nutationLongitude"]
    return (moon - v["sunLongitude"]) % 360.0


def new_moon_before(jd):
    """The last instant at or before jd at which the elongation passes 0."""
    step = 0.25
    later = jd
    while True:
        earlier = later - step
        if elongation(earlier) > elongation(later):
            break
        later = earlier
    a, b = earlier, later
    while b - a > NEW_MOON_TOLERANCE_DAYS:
        c = (a + b) / 2.0
        if math.remainder(elongation(c), 360.0) < 0.0:
            a = c
        else:
            b = c
    return (a + b) / 2.0


def age_instants():
    instants = []
    for guess in NEW_MOON_GUESSES_JD:
        new_moon = new_moon_before(guess + 2.0)
        for offset_minutes in (-60.0, -1.0, 1.0, 60.0):
            instants.append(new_moon + offset_minutes / 1440.0)
    rng = random.Random(AGE_SEED)
    for _ in range(RANDOM_AGES):
        instants.append(2415020.5 + rng.random() * 73049.0)
    return instants


# --- The data file ----------------------------------------------------------------------------


def generate_lines():
    lines = [
        "# The day's events and the Moon's age, reckoned by brute force from the independent",
        "# reckoning of the calculation by tests/astro/day_events_reference.py, which documents",
        "# the columns. Regenerate with",
        "#     python3 tests/astro/day_events_reference.py",
    ]
    for case in CASES + boundary_cases():
        name, year, month, day, lat, lon = case
        lines.append("case\t%s\t%d\t%d\t%d\t%r\t%r" % (name, year, month, day, lat, lon))
        for kind, t, second, body in events_of(case):
            v = sky(case, float(second))
            lines.append("event\t%s\t%.4f\t%d\t%s\t%s" % (kind, t, second,
                                                          rr.hex_float(altitude_of(v, body)),
                                                          rr.hex_float(v["julianDay"])))
        lines.append("end")
        print("%s: done" % name, file=sys.stderr)
    for jd in age_instants():
        lines.append("age\t%s\t%.9f" % (rr.hex_float(jd), jd - new_moon_before(jd)))
    return lines


def main(argv):
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data",
                           "day_events_reference.txt")
    path = argv[1] if len(argv) > 1 else default
    text = "\n".join(generate_lines()) + "\n"
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print("wrote %s" % path)


if __name__ == "__main__":
    main(sys.argv)
