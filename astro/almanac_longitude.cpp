#include "astro/almanac_longitude.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/constants.h"
#include "astro/moon.h"
#include "astro/precise_position.h"
#include "astro/sun.h"

namespace astro {

namespace {

// The angle of a vector in the ecliptic plane of date and its rate, from a GCRS position
// (au) and velocity (au/day) and the rotation from the GCRS to the mean ecliptic of date. The
// slow turning of the ecliptic itself (50"/year) is left out of the rate.
AngleAndRate eclipticLongitudeAndRate(GeocentricState state, double toEcliptic[3][3]) {
    double p[3], v[3];
    eraRxp(toEcliptic, state.position_au, p);
    eraRxp(toEcliptic, state.velocity_auPerDay, v);
    const double planeSquared = p[0] * p[0] + p[1] * p[1];
    const double rate_radPerDay = (p[0] * v[1] - p[1] * v[0]) / planeSquared;
    return {std::atan2(p[1], p[0]) * ERFA_DR2D, rate_radPerDay * ERFA_DR2D};
}

// Rotation from the GCRS to the mean ecliptic and equinox of date (IAU 2006).
void gcrsToMeanEcliptic(double julianDayTT, double rotation[3][3]) {
    eraEcm06(JD_J2000, julianDayTT - JD_J2000, rotation);
}

// Nutation in longitude, degrees (IAU 2000B): the true equinox's shift along the ecliptic.
double nutationInLongitude_deg(double julianDayTT) {
    double nutationInLongitude_rad, nutationInObliquity_rad;
    eraNut00b(JD_J2000, julianDayTT - JD_J2000, &nutationInLongitude_rad, &nutationInObliquity_rad);
    return nutationInLongitude_rad * ERFA_DR2D;
}

// Julian centuries since J2000.0, the argument of the low-precision series.
double julianCenturies(double julianDay) {
    return (julianDay - JD_J2000) / DAYS_PER_JULIAN_CENTURY;
}

}  // namespace

AngleAndRate preciseSunLongitude(double julianDayTT) {
    double toEcliptic[3][3];
    gcrsToMeanEcliptic(julianDayTT, toEcliptic);
    AngleAndRate sun = eclipticLongitudeAndRate(apparentSunState(julianDayTT), toEcliptic);
    sun.angle_deg = normalizeDegrees(sun.angle_deg + nutationInLongitude_deg(julianDayTT));
    return sun;
}

AngleAndRate preciseMoonSunElongation(double julianDayTT) {
    double toEcliptic[3][3];
    gcrsToMeanEcliptic(julianDayTT, toEcliptic);
    const AngleAndRate sun = eclipticLongitudeAndRate(apparentSunState(julianDayTT), toEcliptic);
    const AngleAndRate moon = eclipticLongitudeAndRate(apparentMoonState(julianDayTT), toEcliptic);
    return {normalizeDegrees(moon.angle_deg - sun.angle_deg),
            moon.rate_degPerDay - sun.rate_degPerDay};
}

double estimatedSunLongitude_deg(double julianDayTT) {
    const double t = julianCenturies(julianDayTT);
    const double apparent = apparentSunLongitude(sunGeometricLongitude(t), sunGeocentricDistance(t),
                                                 nutationInLongitude(t));
    return normalizeDegrees(apparent);
}

double estimatedMoonSunElongation_deg(double julianDayTT) {
    const double t = julianCenturies(julianDayTT);
    const double sun = apparentSunLongitude(sunGeometricLongitude(t), sunGeocentricDistance(t),
                                            nutationInLongitude(t));
    return normalizeDegrees(moonGeometricLongitude(t) + nutationInLongitude(t) - sun);
}

}  // namespace astro
