#include "sun.h"

#include <cmath>

#include "angles.h"
#include "constants.h"
#include "series.h"

namespace astro {

namespace {

// Equation of the centre, with its secular decrease.
constexpr PeriodicTerm SUN_CENTRE = {1.9147, 267.52, 35999.05};
constexpr PeriodicTerm SUN_CENTRE_SECULAR = {0.0048, 267.52, 35999.05};

constexpr double SUN_DISTANCE_MEAN = 1.00014;
constexpr PeriodicTerm SUN_DISTANCE_ANOMALY = {0.016706, 177.53, 35999.05};
constexpr PeriodicTerm SUN_DISTANCE_ANOMALY_SECULAR = {0.000042, 177.53, 35999.05};
constexpr PeriodicTerm SUN_DISTANCE_DOUBLE_ANOMALY = {0.000139, 175, 71998};

// Aberration constant over the distance, degrees times astronomical units.
constexpr double ABERRATION_DEG_AU = 0.005693;

}  // namespace

double sunGeometricLongitude(double julianCenturies) {
    const double t = julianCenturies;
    double longitude = 280.4659 + 36000.7695 * t;
    longitude = longitude + cosineTerm(SUN_CENTRE, t);
    longitude = longitude - cosineTermTimesT(SUN_CENTRE_SECULAR, t);
    return normalizeDegrees(longitude);
}

double sunGeocentricDistance(double julianCenturies) {
    const double t = julianCenturies;
    double distance = SUN_DISTANCE_MEAN;
    distance = distance + cosineTerm(SUN_DISTANCE_ANOMALY, t);
    distance = distance - cosineTermTimesT(SUN_DISTANCE_ANOMALY_SECULAR, t);
    distance = distance + cosineTerm(SUN_DISTANCE_DOUBLE_ANOMALY, t);
    return distance;
}

double nutationInLongitude(double julianCenturies) {
    const double t = julianCenturies;
    double nutation = -0.00478 * std::sin((125.04 - 1934.1361 * t) * DEG);
    nutation = nutation - 0.00037 * std::sin((200.93 + 72001.539 * t) * DEG);
    return nutation;
}

double apparentSunLongitude(double geometricLongitude, double distance, double nutation) {
    return geometricLongitude - ABERRATION_DEG_AU / distance + nutation;
}

}  // namespace astro
