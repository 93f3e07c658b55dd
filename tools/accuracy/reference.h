// The reference positions, from libnova: apparent geocentric right ascension and declination
// of the Sun (VSOP87) and the Moon (ELP 2000-82B) referred to the true equator and equinox
// of date, the Greenwich apparent sidereal time, geometric horizon coordinates (no
// refraction, no parallax) and the Moon's illuminated fraction.
#pragma once

namespace accuracy {

// An apparent geocentric place: right ascension and declination in degrees.
struct EquatorialPlace {
    double rightAscension_deg;
    double declination_deg;
};

// A geometric horizon place: altitude in degrees and azimuth in degrees from north through
// east, [0, 360).
struct HorizonPlace {
    double altitude_deg;
    double azimuth_deg;
};

// Everything the comparison needs from the reference for one instant and one place.
struct ReferenceFigures {
    EquatorialPlace sun;
    EquatorialPlace moon;
    HorizonPlace sunHorizon;
    HorizonPlace moonHorizon;
    double illuminatedFraction;  // from the places, as `illuminatedFractionFromPlaces`
};

// The Sun's apparent place at `julianEphemerisDay` (TT): the geometric VSOP87 position of
// J2000, precessed to the mean equator of date, with annual aberration and with nutation
// in longitude and obliquity.
EquatorialPlace apparentSun(double julianEphemerisDay);

// The Moon's apparent geocentric place at `julianEphemerisDay` (TT): the full ELP 2000-82B
// position of J2000, precessed to the mean equator of date, with nutation. No aberration
// and no light time (together below one second of arc).
EquatorialPlace apparentMoon(double julianEphemerisDay);

// Greenwich apparent sidereal time, hours: libnova's mean sidereal time at the Universal
// Time `julianDayUt` plus the equation of the equinoxes from the nutation at
// `julianEphemerisDay`, projected with the true obliquity.
double apparentSiderealTime(double julianDayUt, double julianEphemerisDay);

// libnova's geometric horizon conversion of `place` for an observer at `latitude_deg`,
// `longitude_deg` (east positive) and the sidereal time `siderealTime_h`, with the
// azimuth turned from libnova's south origin to north.
HorizonPlace horizonOf(const EquatorialPlace& place, double siderealTime_h, double latitude_deg,
                       double longitude_deg);

// The Moon's illuminated fraction, 0 to 1, at `julianEphemerisDay` from the reference's
// apparent places and distances of the Sun and the Moon: the geocentric elongation, then
// the phase angle at the Moon. This is the reference for the comparison.
double illuminatedFractionFromPlaces(double julianEphemerisDay);

// libnova's own illuminated fraction, 0 to 1, at `julianEphemerisDay`. It runs about ten
// times faster than the full lunar series, so it must use an abridged one, and it mixes
// the frame of J2000 with nutation of date; it differs from `illuminatedFractionFromPlaces`
// by a few units in the fourth decimal. Used only to check that one.
double libnovaIlluminatedFraction(double julianEphemerisDay);

// All the reference figures: positions and illuminated fraction at `julianEphemerisDay`,
// the sidereal time at `julianDayUt`, and the horizon for the given place.
ReferenceFigures referenceFigures(double julianDayUt, double julianEphemerisDay,
                                  double latitude_deg, double longitude_deg);

}  // namespace accuracy
