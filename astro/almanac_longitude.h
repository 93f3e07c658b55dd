// The two angles the almanac's instants are crossings of, the Sun's apparent longitude and the
// Moon's apparent longitude less the Sun's, each two ways: precisely from ERFA, with its rate,
// and cheaply from the window's low-precision series, to bracket an instant before the precise
// steps. Instants are Julian days in Terrestrial Time.
#pragma once

namespace astro {

// An angle in degrees, [0, 360), and how fast it grows, degrees per day.
struct AngleAndRate {
    double angle_deg;
    double rate_degPerDay;
};

// The Sun's apparent ecliptic longitude, true equinox and ecliptic of date, and its rate
// (from ERFA's eraEpv00, eraEcm06 and the IAU 2000B nutation in longitude, good to 1 mas).
AngleAndRate preciseSunLongitude(double julianDayTT);

// The Moon's apparent ecliptic longitude less the Sun's, both of date, and its rate. The
// nutation in longitude moves both alike and is left out.
AngleAndRate preciseMoonSunElongation(double julianDayTT);

// The Sun's apparent longitude from the low-precision series, degrees in [0, 360): within
// about 2' of the precise one, which is up to an hour of a solar term.
double estimatedSunLongitude_deg(double julianDayTT);

// The Moon's longitude less the Sun's from the low-precision series, degrees in [0, 360):
// within about 8', which is up to 20 minutes of a phase.
double estimatedMoonSunElongation_deg(double julianDayTT);

}  // namespace astro
