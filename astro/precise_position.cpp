#include "astro/precise_position.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>

#include "astro/constants.h"

namespace astro {

namespace {

// Kilometres in an astronomical unit (ERFA's ERFA_DAU is in metres).
constexpr double KM_PER_AU = ERFA_DAU / 1000.0;

// Light time for one astronomical unit, in days (ERFA's ERFA_AULT is in seconds); also the
// factor that turns a velocity in au/day into one in units of the speed of light.
constexpr double LIGHT_DAYS_PER_AU = ERFA_AULT / ERFA_DAYSEC;

using Vector3 = std::array<double, 3>;

// The two parts ERFA takes a TT Julian day in: J2000.0 and the days since it, which keeps the
// resolution of the time argument where its series are expanded.
struct SplitDay {
    double epoch;
    double days;
};
SplitDay splitAtJ2000(double julianDayTT) {
    return {JD_J2000, julianDayTT - JD_J2000};
}

// Light time, days, over `distance_au`.
double lightTime_days(double distance_au) {
    return distance_au * LIGHT_DAYS_PER_AU;
}

// `position_au` moved back along `velocity_auPerDay` by `interval_days`.
Vector3 movedBack(Vector3 position_au, Vector3 velocity_auPerDay, double interval_days) {
    Vector3 step, moved;
    eraSxp(interval_days, velocity_auPerDay.data(), step.data());
    eraPmp(position_au.data(), step.data(), moved.data());
    return moved;
}

// The unit vector `direction` (GCRS) as an observer moving with the barycentric velocity
// `velocity_auPerDay`, `sunDistance_au` from the Sun, sees it: ERFA's eraAb.
Vector3 aberrated(Vector3 direction, Vector3 velocity_auPerDay, double sunDistance_au) {
    Vector3 velocity_c, seen;
    eraSxp(LIGHT_DAYS_PER_AU, velocity_auPerDay.data(), velocity_c.data());
    const double inverseLorentz = std::sqrt(1.0 - eraPdp(velocity_c.data(), velocity_c.data()));
    eraAb(direction.data(), velocity_c.data(), sunDistance_au, inverseLorentz, seen.data());
    return seen;
}

// `direction` scaled to `length`.
Vector3 withLength(Vector3 direction, double length) {
    double modulus;
    Vector3 unit, scaled;
    eraPn(direction.data(), &modulus, unit.data());
    eraSxp(length, unit.data(), scaled.data());
    return scaled;
}

// Rotation from the GCRS to the true equator and equinox of date (bias, precession and
// nutation, IAU 2006/2000A), and the true obliquity of the ecliptic of date, radians.
struct FrameOfDate {
    double gcrsToTrueEquator[3][3];
    double trueObliquity_rad;
};
FrameOfDate frameOfDate(double julianDayTT) {
    const SplitDay t = splitAtJ2000(julianDayTT);
    FrameOfDate frame;
    double nutationInLongitude_rad, nutationInObliquity_rad, meanObliquity_rad;
    double bias[3][3], precession[3][3], biasPrecession[3][3], nutation[3][3];
    eraPn06a(t.epoch, t.days, &nutationInLongitude_rad, &nutationInObliquity_rad,
             &meanObliquity_rad, bias, precession, biasPrecession, nutation,
             frame.gcrsToTrueEquator);
    frame.trueObliquity_rad = meanObliquity_rad + nutationInObliquity_rad;
    return frame;
}

// Longitude-like angle from ERFA's eraC2s, radians, in degrees within [0, 360).
double normalizedDegrees(double angle_rad) {
    return eraAnp(angle_rad) * ERFA_DR2D;
}

// The apparent place of the GCRS vector `position_au` in the frame of date.
ApparentPlace placeOfDate(Vector3 position_au, FrameOfDate frame) {
    Vector3 equatorial;
    eraRxp(frame.gcrsToTrueEquator, position_au.data(), equatorial.data());
    double rightAscension_rad, declination_rad;
    eraC2s(equatorial.data(), &rightAscension_rad, &declination_rad);

    // The ecliptic of date is the true equator turned about the equinox by the true obliquity.
    double toEcliptic[3][3];
    eraIr(toEcliptic);
    eraRx(frame.trueObliquity_rad, toEcliptic);
    Vector3 ecliptic;
    eraRxp(toEcliptic, equatorial.data(), ecliptic.data());
    double longitude_rad, latitude_rad;
    eraC2s(ecliptic.data(), &longitude_rad, &latitude_rad);

    return {normalizedDegrees(longitude_rad), latitude_rad * ERFA_DR2D,
            normalizedDegrees(rightAscension_rad), declination_rad * ERFA_DR2D,
            eraPm(position_au.data()) * KM_PER_AU};
}

// A state from ERFA's two-row form.
GeocentricState stateOf(Vector3 position_au, const double velocity_auPerDay[3]) {
    GeocentricState state;
    for (int i = 0; i < 3; ++i) {
        state.position_au[i] = position_au[i];
        state.velocity_auPerDay[i] = velocity_auPerDay[i];
    }
    return state;
}

Vector3 positionOf(const GeocentricState& state) {
    return {state.position_au[0], state.position_au[1], state.position_au[2]};
}

}  // namespace

GeocentricState apparentSunState(double julianDayTT) {
    const SplitDay t = splitAtJ2000(julianDayTT);
    double heliocentricEarth[2][3], barycentricEarth[2][3];
    eraEpv00(t.epoch, t.days, heliocentricEarth, barycentricEarth);

    // The Sun from the Earth now, and the Sun's own barycentric velocity.
    Vector3 sun, sunVelocity, sunBarycentricVelocity, earthVelocity;
    eraSxp(-1.0, heliocentricEarth[0], sun.data());
    eraSxp(-1.0, heliocentricEarth[1], sunVelocity.data());
    eraPmp(barycentricEarth[1], heliocentricEarth[1], sunBarycentricVelocity.data());
    eraCp(barycentricEarth[1], earthVelocity.data());
    const double distance_au = eraPm(sun.data());

    // Where the Sun was when the light left it, then the aberration of the Earth's motion.
    const Vector3 emitted = movedBack(sun, sunBarycentricVelocity, lightTime_days(distance_au));
    const Vector3 seen = aberrated(withLength(emitted, 1.0), earthVelocity, distance_au);
    return stateOf(withLength(seen, distance_au), sunVelocity.data());
}

GeocentricState apparentMoonState(double julianDayTT) {
    const SplitDay t = splitAtJ2000(julianDayTT);
    double moon[2][3];
    eraMoon98(t.epoch, t.days, moon);
    const Vector3 position{moon[0][0], moon[0][1], moon[0][2]};
    const Vector3 velocity{moon[1][0], moon[1][1], moon[1][2]};
    const double distance_au = eraPm(moon[0]);
    const Vector3 emitted = movedBack(position, velocity, lightTime_days(distance_au));
    return stateOf(withLength(emitted, distance_au), moon[1]);
}

ApparentPlace apparentSunPlace(double julianDayTT) {
    return placeOfDate(positionOf(apparentSunState(julianDayTT)), frameOfDate(julianDayTT));
}

ApparentPlace apparentMoonPlace(double julianDayTT) {
    return placeOfDate(positionOf(apparentMoonState(julianDayTT)), frameOfDate(julianDayTT));
}

}  // namespace astro
