// The day at a place: rising, meridian passage and setting of the Sun and the Moon, the
// Sun's twilights, the altitudes of both over the day, and the Moon's age.
//
// Conventions, those of the national almanac (the Japanese ephemeris that the newspapers and
// the observatory's pages quote):
// - Positions are the precise ones (astro/precise_position.h: ERFA's Sun and Moon, apparent
//   places of date) at TT = UT + Delta T (astro/delta_t.h), turned to the horizon with ERFA's
//   apparent sidereal time (UT1 taken for UT); astro/precise_sky.h says how they are
//   interpolated between a few evaluations a day. They are not the window's series: the
//   altitudes here differ from the window's by the series' error (up to 1.7' for the Sun,
//   6' for the Moon). Instants are the calculation's for the clock times typed in.
// - A day is a calendar day in Japan Standard Time (UTC+9), from 00:00 inclusive to 24:00
//   exclusive, reckoned with the calendar rules of the calculation (October 1582 included).
// - Sunrise and sunset: the Sun's upper limb on the horizon, with the horizontal refraction
//   35'08" and the semidiameter and horizontal parallax of the Sun's distance that day (its
//   centre about 51' below the horizon, as seen from the Earth's centre). Moonrise and
//   moonset: the Moon's centre on the horizon, with the refraction 35'08" and the Moon's
//   horizontal parallax from its distance (54' to 61'), so its geocentric centre 0.31 to 0.44
//   degrees above the horizon (astro/rising_level.h). No elevation of the observer.
// - Civil, nautical and astronomical twilight begin and end when the Sun's centre crosses
//   -6, -12 and -18 degrees of geometric altitude seen from the surface (its parallax, 9",
//   counted as for the rising).
// - A transit is the upper meridian passage (hour angle 0), reported with the body's
//   altitude then, even when that altitude is below the horizon.
// - An event that does not happen on the day is absent; one that happens twice appears twice.
// - Each event is found to a millisecond and reported at the nearest whole second of the
//   clock (halves upwards), with that clock time, the Julian day that the calculation forms
//   from that time typed in, and the body's altitude and azimuth then. It belongs to the day
//   on which that second falls: a crossing at 23:59:59.6 is 00:00:00 of the next day.
// - A body whose altitude only just reaches a level counts as crossing it (a pair of events,
//   possibly seconds apart) exactly when the extreme of its altitude passes the level.
// - Where the calendar changes (October 1582) the sky jumps by ten days at a JST midnight.
//   The instants searched beyond the day are reckoned in the day's own calendar, so the day
//   before the change ends, and the day after it begins, with the sky running on.
#pragma once

#include <vector>

namespace astro {

enum class DayEventKind {
    SunRise,
    SunTransit,
    SunSet,
    MoonRise,
    MoonTransit,
    MoonSet,
    CivilDawn,
    CivilDusk,
    NauticalDawn,
    NauticalDusk,
    AstronomicalDawn,
    AstronomicalDusk,
};

// The body an event belongs to: the Sun for its rising, transit, setting and twilights.
enum class Body { Sun, Moon };

struct DayEvent {
    DayEventKind kind;
    // The instant of the event, Julian day in Universal Time (as `julianDay` of the
    // calculation).
    double julianDay;
    // The body's geometric altitude at that instant, degrees.
    double altitude;
    // The body whose rising, transit, setting or twilight it is.
    Body body = Body::Sun;
    // The clock time the event is shown at: whole seconds after 00:00 JST of the day, 0 to
    // 86399 (the crossing rounded to the nearest second, halves upwards). `julianDay` is the
    // calculation's instant for this time typed in. (`dayEvents` sets both fields; the
    // defaults only let an event be written with its first three.)
    int clockSeconds = 0;
    // The body's azimuth at that instant, degrees from north through east in [0, 360) (east
    // 90, south 180), as the main window gives azimuths: the direction of a rising or a
    // setting. From the same precise positions the event is found with, at the instant of its
    // clock second, like `altitude`. (Given for every event; a transit's is near 0 or 180.)
    double azimuth_deg = 0.0;
};

// Every event of the Japan Standard Time calendar day `year`-`month`-`day` at the place
// (degrees, north and east positive), in time order. A date the calculation cannot carry
// gives no events.
std::vector<DayEvent> dayEvents(int year, int month, int day, double latitude, double longitude);

// The altitudes of the Sun and the Moon at one instant.
struct AltitudeSample {
    double julianDay;     // Universal Time
    double sunAltitude;   // degrees, geometric, seen from the Earth's centre
    double moonAltitude;  // degrees, geometric, seen from the Earth's centre
    // The altitudes, as above, at which the Sun and the Moon rise and set at that instant.
    double sunRisingAltitude;
    double moonRisingAltitude;
};

// The altitudes over the Japan Standard Time calendar day at the place, at `steps` + 1
// evenly spaced instants from 00:00 to 24:00 inclusive (the chart's curves), 24:00 reckoned
// in the day's calendar, from the same positions as the events. A date the calculation cannot
// carry, a place that is not finite, or fewer than one step, gives none.
std::vector<AltitudeSample> dayAltitudes(int year, int month, int day, double latitude,
                                         double longitude, int steps);

}  // namespace astro
