"""An independent reckoning of a day's rising, setting, transits and twilights by the national
almanac's conventions, with PyEphem (Debian's python3-ephem; run with /usr/bin/python3):

- sunrise and sunset: the Sun's upper limb on the horizon, PyEphem's default (its own
  semidiameter from the distance), with the horizon at -35'08" and no atmosphere (pressure
  0), seen from the Earth's surface (PyEphem's topocentric places, so the parallax is its own);
- moonrise and moonset: the Moon's centre at -35'08", topocentric, pressure 0;
- civil, nautical and astronomical twilight: the Sun's centre at -6, -12 and -18 degrees;
- transits: the upper meridian passage;
- no elevation of the observer.

Delta T: PyEphem uses its own; the program uses astro/delta_t.h, written again below from
the same published sources (Espenak & Meeus 2006 to 1972, TT - UTC from the leap seconds to
2027, then Espenak & Meeus's forecast moved down to meet it, joined from 2050 to Morrison &
Stephenson's parabola by a linear term that vanishes in 2150).
To see the bodies at the program's TT and the Earth turned by UT, PyEphem is asked at a
moment shifted by the difference of the two Delta T, delta, from an observer whose longitude
is shifted back by the Earth's turn in that time; the instants it gives are shifted back by
delta. PyEphem's sidereal time is apparent (within 0.3" of ERFA's) and its right ascension
and declination are apparent places of date from its own theories (VSOP87 for the Sun, its
own lunar theory for the Moon).

A JST day is 00:00 to 24:00 Japan Standard Time (UTC+9) in the Gregorian calendar.
"""

import math

import ephem

SECONDS_PER_DAY = 86400.0
# PyEphem counts days from 1899 December 31, 12:00 (the Dublin Julian day).
DUBLIN_JD = 2415020.0
JD_J2000 = 2451545.0
JST_OFFSET_DAYS = 9.0 / 24.0
# The Earth's turn against the equinox, degrees per day of UT.
SIDEREAL_DEGREES_PER_DAY = 360.98564736629

HORIZON = "-0:35:08"

# (rising kind, setting kind, body, horizon, by the centre)
LEVELS = (
    ("SunRise", "SunSet", "sun", HORIZON, False),
    ("CivilDawn", "CivilDusk", "sun", "-6", True),
    ("NauticalDawn", "NauticalDusk", "sun", "-12", True),
    ("AstronomicalDawn", "AstronomicalDusk", "sun", "-18", True),
    ("MoonRise", "MoonSet", "moon", HORIZON, True),
)
TRANSITS = (("SunTransit", "sun"), ("MoonTransit", "moon"))
KINDS = tuple(k for level in LEVELS for k in level[:2]) + tuple(t[0] for t in TRANSITS)
SUN_KINDS = frozenset(k for k in KINDS if not k.startswith("Moon"))

# --- Delta T as astro/delta_t.h reckons it ----------------------------------------------------

# Espenak & Meeus (2006): (from year, origin year, coefficients of t = year - origin).
ESPENAK_MEEUS = (
    (1800.0, 1800.0, (13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272,
                      -0.0000001699, 0.000000000875)),
    (1860.0, 1860.0, (7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0)),
    (1900.0, 1900.0, (-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197)),
    (1920.0, 1920.0, (21.20, 0.84493, -0.076100, 0.0020936)),
    (1941.0, 1950.0, (29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0)),
    (1961.0, 1975.0, (45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0)),
)
# TAI - UTC from each (year, month) on, seconds (IERS Bulletin C).
LEAP_SECONDS = (
    (1972, 1, 10), (1972, 7, 11), (1973, 1, 12), (1974, 1, 13), (1975, 1, 14), (1976, 1, 15),
    (1977, 1, 16), (1978, 1, 17), (1979, 1, 18), (1980, 1, 19), (1981, 7, 20), (1982, 7, 21),
    (1983, 7, 22), (1985, 7, 23), (1988, 1, 24), (1990, 1, 25), (1991, 1, 26), (1992, 7, 27),
    (1993, 7, 28), (1994, 7, 29), (1996, 1, 30), (1997, 7, 31), (1999, 1, 32), (2006, 1, 33),
    (2009, 1, 34), (2012, 7, 35), (2015, 7, 36), (2017, 1, 37),
)
TT_MINUS_TAI = 32.184
EXTRAPOLATION_YEAR = 2027.0
FORECAST_JOIN_YEAR = 2050.0
JOIN_END_YEAR = 2150.0


def decimal_year(jd):
    return 2000.0 + (jd - JD_J2000) / 365.25


def parabola(year):
    u = (year - 1820.0) / 100.0
    return -20.0 + 32.0 * u * u


def forecast(year):
    t = year - 2000.0
    return 62.92 + 0.32217 * t + 0.005589 * t * t


def leap_second_delta_t(jd):
    y, m, _ = ephem.Date(jd - DUBLIN_JD).triple()
    tai_minus_utc = 10.0
    for year, month, value in LEAP_SECONDS:
        if (y, m) >= (year, month):
            tai_minus_utc = value
    return TT_MINUS_TAI + tai_minus_utc


def delta_t(jd):
    """TT - UT, seconds, at the UT Julian day jd (1800-2150)."""
    year = decimal_year(jd)
    if year < 1972.0:
        start, origin, coefficients = [p for p in ESPENAK_MEEUS if year >= p[0]][-1]
        t = year - origin
        return sum(c * t ** k for k, c in enumerate(coefficients))
    if year < EXTRAPOLATION_YEAR:
        return leap_second_delta_t(jd)
    overshoot = forecast(EXTRAPOLATION_YEAR) - (TT_MINUS_TAI + LEAP_SECONDS[-1][2])
    if year < FORECAST_JOIN_YEAR:
        return forecast(year) - overshoot
    gap = parabola(FORECAST_JOIN_YEAR) - (forecast(FORECAST_JOIN_YEAR) - overshoot)
    slope = gap / (JOIN_END_YEAR - FORECAST_JOIN_YEAR)
    return parabola(year) - slope * (JOIN_END_YEAR - year)


# --- The events --------------------------------------------------------------------------------


def day_start_jd(year, month, day):
    """UT Julian day of 00:00 JST of a Gregorian date."""
    return float(ephem.Date((year, month, day))) + DUBLIN_JD - JST_OFFSET_DAYS


def _search(method, body, first, last):
    """Every instant (Dublin days) from `first` to `last` that `method` (next_rising,
    next_setting or next_transit of an observer) finds, one after another."""
    found = []
    t = first
    while t < last:
        try:
            r = float(method(body, start=ephem.Date(t)))
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            t += 1.0 / 24.0
            continue
        if r >= last:
            break
        found.append(r)
        t = r + 1.0 / 1440.0
    return found


def day_events(year, month, day, latitude, longitude, margin_seconds=120.0):
    """The events of a JST day at a place (degrees, north and east positive), from
    `margin_seconds` before 00:00 to as long after 24:00: a list of (kind, seconds after
    00:00 JST, UT Julian day), in time order; and the Delta T used, seconds."""
    start = day_start_jd(year, month, day)
    middle = start + 0.5
    dt = delta_t(middle)
    shift = (dt - ephem.delta_t(ephem.Date(middle - DUBLIN_JD))) / SECONDS_PER_DAY
    first = start - DUBLIN_JD - margin_seconds / SECONDS_PER_DAY + shift
    last = start - DUBLIN_JD + 1.0 + margin_seconds / SECONDS_PER_DAY + shift

    observer = ephem.Observer()
    observer.lat = math.radians(latitude)
    observer.lon = math.radians(longitude - shift * SIDEREAL_DEGREES_PER_DAY)
    observer.elevation = 0.0
    observer.pressure = 0.0
    bodies = {"sun": ephem.Sun(), "moon": ephem.Moon()}

    found = []
    for rising, setting, name, horizon, centre in LEVELS:
        observer.horizon = horizon
        body = bodies[name]
        for kind, method in ((rising, observer.next_rising), (setting, observer.next_setting)):
            def at(b, start, method=method):
                return method(b, start=start, use_center=centre)
            found += [(kind, t) for t in _search(at, body, first, last)]
    observer.horizon = "0"
    for kind, name in TRANSITS:
        found += [(kind, t) for t in _search(observer.next_transit, bodies[name], first, last)]

    events = []
    for kind, t in sorted(found, key=lambda e: e[1]):
        jd = t - shift + DUBLIN_JD
        events.append((kind, (jd - start) * SECONDS_PER_DAY, jd))
    return events, dt


def clock_minute(seconds):
    """The minute of the day an instant is shown at: to the nearest second, then to the
    nearest minute (halves upwards both times), as the day window rounds."""
    second = math.floor(seconds + 0.5)
    return math.floor((second + 30) / 60)
