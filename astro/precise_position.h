// Apparent geocentric places of the Sun and the Moon from ERFA's ephemerides, for the instants
// that need more than the low-precision series: the Earth from eraEpv00 (a few milliarcseconds),
// the Moon from eraMoon98 (2.9" RMS, 18.3" at worst against ELP/MPP02 over 1950-2100), brought
// to the true equator, equinox and ecliptic of date with the IAU 2006/2000A precession-nutation.
// Every instant is a Julian day in Terrestrial Time (TT); add deltaT() (astro/delta_t.h) to a
// UT Julian day to get it.
#pragma once

namespace astro {

// A body's apparent geocentric place at one instant: the direction it is seen in from the
// Earth's centre (light time and annual aberration applied), in the frame of date.
struct ApparentPlace {
    double eclipticLongitude_deg;  // true ecliptic and equinox of date, [0, 360)
    double eclipticLatitude_deg;   // from the ecliptic of date, -90 to 90
    double rightAscension_deg;     // true equator and equinox of date, [0, 360)
    double declination_deg;        // from the true equator of date, -90 to 90
    double distance_km;            // geometric distance of the body's centre from the Earth's
};

// A geocentric vector and its rate in the GCRS (axes of the ICRS): position in astronomical
// units, velocity in astronomical units per day.
struct GeocentricState {
    double position_au[3];
    double velocity_auPerDay[3];
};

// The Sun seen from the Earth's centre at `julianDayTT`: the direction to where the Sun was
// when the light left it, turned by the annual aberration of the Earth's barycentric velocity.
// The position's length is the Sun's geometric distance at that instant; the velocity is the
// Sun's motion relative to the Earth. GCRS, au and au/day.
GeocentricState apparentSunState(double julianDayTT);

// The Moon seen from the Earth's centre at `julianDayTT`: the direction to where the Moon was
// a light time earlier (about 1.3 s). The Earth's own motion during the light time and the
// annual aberration cancel for a body that travels with the Earth, so only the Moon's
// geocentric motion is taken off. Length: the geometric distance. GCRS, au and au/day.
GeocentricState apparentMoonState(double julianDayTT);

// The Sun's apparent place at `julianDayTT` (any finite Julian day; the ephemeris is made for
// 1900-2100 and degrades slowly outside it).
ApparentPlace apparentSunPlace(double julianDayTT);

// The Moon's apparent place at `julianDayTT` (made for 1950-2100 and usable for centuries
// either side with a slowly growing error).
ApparentPlace apparentMoonPlace(double julianDayTT);

}  // namespace astro
