#include "astro/precise_sky.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "astro/constants.h"
#include "astro/delta_t.h"
#include "astro/precise_position.h"

namespace astro {

namespace {

// Kilometres in an astronomical unit (ERFA's ERFA_DAU is in metres).
constexpr double KM_PER_AU = ERFA_DAU / 1000.0;

// The longest step between two nodes, days, and the nodes each interpolation goes through.
// The Sun's place bends slowly (a degree a day, with the Earth's monthly wobble of 6"): a
// parabola over 26 hours is good to a thousandth of an arcsecond. The Moon's turns by 13
// degrees a day along an orbit that the Sun disturbs: a cubic through nodes 4 hours apart
// is good to 0.02".
constexpr double SUN_NODE_STEP_DAYS = 13.0 / 24.0;
constexpr int SUN_POINTS = 3;
constexpr double MOON_NODE_STEP_DAYS = 4.0 / 24.0;
constexpr int MOON_POINTS = 4;

using Vector = InterpolatedPlaces::Vector;
using Matrix = double[3][3];

// Nodes spaced at most `maxStep_days` apart from `first` to `last` inclusive, and never fewer
// than `points`: the count and the step.
struct NodeGrid {
    int count;
    double step_days;
};
NodeGrid nodeGrid(double first, double last, double maxStep_days, int points) {
    const double span = last - first;
    const int count = std::max(points, static_cast<int>(std::ceil(span / maxStep_days)) + 1);
    return {count, span > 0 ? span / (count - 1) : maxStep_days};
}

// The weight of node `j` of `points` nodes at 0, 1, ..., points - 1 in the Lagrange
// polynomial through them, at `x` (in node steps from the first).
double lagrangeWeight(int j, int points, double x) {
    double weight = 1.0;
    for (int m = 0; m < points; ++m) {
        if (m != j) weight *= (x - m) / (j - m);
    }
    return weight;
}

// The first of the `points` nodes (of `count`) that interpolate at `u` node steps from the
// first node: those around u, kept inside the grid.
int firstNodeAround(double u, int count, int points) {
    const double centred = std::floor(u - (points - 1) / 2.0 + 0.5);
    return static_cast<int>(std::clamp(centred, 0.0, static_cast<double>(count - points)));
}

// A GCRS position rotated into the true equator and equinox of date by `gcrsToDate`.
Vector ofDate(GeocentricState state, Matrix& gcrsToDate) {
    Vector rotated;
    eraRxp(gcrsToDate, state.position_au, rotated.data());
    return rotated;
}

// The body's positions in the frame of date at the nodes of `grid` from `firstUt`, with TT
// `deltaT_days` ahead of UT: `state` gives the GCRS position at a TT Julian day.
template <typename State>
std::vector<Vector> nodePositions(State state, double firstUt, const NodeGrid& grid,
                                  double deltaT_days, Matrix& gcrsToDate) {
    std::vector<Vector> positions;
    positions.reserve(static_cast<std::size_t>(grid.count));
    for (int k = 0; k < grid.count; ++k) {
        const double julianDayTT = firstUt + k * grid.step_days + deltaT_days;
        positions.push_back(ofDate(state(julianDayTT), gcrsToDate));
    }
    return positions;
}

// Precession-nutation matrix (GCRS to the true equator and equinox of date, IAU 2006/2000A)
// at a TT Julian day.
void precessionNutation(double julianDayTT, Matrix& gcrsToDate) {
    double nutationLongitude, nutationObliquity, meanObliquity;
    Matrix bias, precession, biasPrecession, nutation;
    eraPn06a(JD_J2000, julianDayTT - JD_J2000, &nutationLongitude, &nutationObliquity,
             &meanObliquity, bias, precession, biasPrecession, nutation, gcrsToDate);
}

// Equation of the origins, radians: the Earth rotation angle less the Greenwich apparent
// sidereal time, at the UT and TT Julian days of one instant with its precession-nutation.
double equationOfOrigins_rad(double julianDayUt, double julianDayTT, Matrix& gcrsToDate) {
    return eraEra00(julianDayUt, 0.0) - eraGst06(julianDayUt, 0.0, julianDayTT, 0.0, gcrsToDate);
}

}  // namespace

InterpolatedPlaces::InterpolatedPlaces(double firstJulianDay, double step_days,
                                       std::vector<Vector> positions_au, int points)
    : first_(firstJulianDay),
      step_(step_days),
      positions_au_(std::move(positions_au)),
      points_(points) {}

SkyPlace InterpolatedPlaces::at(double julianDay) const {
    const double u = (julianDay - first_) / step_;
    if (!std::isfinite(u)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan, nan};
    }
    const int first = firstNodeAround(u, static_cast<int>(positions_au_.size()), points_);
    Vector p{0.0, 0.0, 0.0};
    for (int j = 0; j < points_; ++j) {
        const double w = lagrangeWeight(j, points_, u - first);
        for (int i = 0; i < 3; ++i) p[i] += w * positions_au_[first + j][i];
    }
    double rightAscension_rad, declination_rad;
    eraC2s(p.data(), &rightAscension_rad, &declination_rad);
    return {eraAnp(rightAscension_rad) * ERFA_DR2D, declination_rad * ERFA_DR2D,
            eraPm(p.data()) * KM_PER_AU};
}

std::optional<PreciseSky> PreciseSky::over(double firstJulianDay, double lastJulianDay) {
    if (!std::isfinite(firstJulianDay) || !std::isfinite(lastJulianDay) ||
        lastJulianDay < firstJulianDay || lastJulianDay - firstJulianDay > MAX_SPAN_DAYS) {
        return std::nullopt;
    }
    const double middleUt = (firstJulianDay + lastJulianDay) / 2;
    const double deltaT_days = deltaT(middleUt) / SECONDS_PER_DAY;
    const double middleTT = middleUt + deltaT_days;
    Matrix gcrsToDate;
    precessionNutation(middleTT, gcrsToDate);

    const NodeGrid sunGrid =
        nodeGrid(firstJulianDay, lastJulianDay, SUN_NODE_STEP_DAYS, SUN_POINTS);
    const NodeGrid moonGrid =
        nodeGrid(firstJulianDay, lastJulianDay, MOON_NODE_STEP_DAYS, MOON_POINTS);
    InterpolatedPlaces sun(
        firstJulianDay, sunGrid.step_days,
        nodePositions(apparentSunState, firstJulianDay, sunGrid, deltaT_days, gcrsToDate),
        SUN_POINTS);
    InterpolatedPlaces moon(
        firstJulianDay, moonGrid.step_days,
        nodePositions(apparentMoonState, firstJulianDay, moonGrid, deltaT_days, gcrsToDate),
        MOON_POINTS);
    return PreciseSky(std::move(sun), std::move(moon),
                      equationOfOrigins_rad(middleUt, middleTT, gcrsToDate));
}

PreciseSky::PreciseSky(InterpolatedPlaces sun, InterpolatedPlaces moon,
                       double equationOfOrigins_rad)
    : sun_(std::move(sun)), moon_(std::move(moon)), equationOfOrigins_rad_(equationOfOrigins_rad) {}

double PreciseSky::siderealTime_deg(double julianDay) const {
    return eraAnp(eraEra00(julianDay, 0.0) - equationOfOrigins_rad_) * ERFA_DR2D;
}

HorizonPlace horizonPlace(const SkyPlace& place, double siderealTime_deg, double latitude_deg,
                          double longitude_deg) {
    const double hourAngle_deg =
        std::remainder(siderealTime_deg + longitude_deg - place.rightAscension_deg, 360.0);
    double azimuth_rad, altitude_rad;
    eraHd2ae(hourAngle_deg * ERFA_DD2R, place.declination_deg * ERFA_DD2R, latitude_deg * ERFA_DD2R,
             &azimuth_rad, &altitude_rad);
    return {altitude_rad * ERFA_DR2D, hourAngle_deg, azimuth_rad * ERFA_DR2D};
}

}  // namespace astro
