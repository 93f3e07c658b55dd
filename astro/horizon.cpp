#include "horizon.h"

#include <cmath>

#include "constants.h"

namespace astro {

namespace {

// Azimuth, degrees in [0, 360), from the east component x1 and the north component x2 of
// the direction to the body. The quadrant follows the sign of x2. Exactly due east or
// west, and at the zenith or nadir, x2 is 0: the azimuth is then 90 or 270 by the sign of
// x1 (90 at the zenith and nadir, where x1 is 0 as well and any azimuth is as good).
double azimuthFromComponents(double x1, double x2) {
    if (x2 == 0.0) return x1 < 0 ? 270.0 : 90.0;
    double a = std::atan(x1 / x2) * RAD;
    if (x2 < 0) a = a + 180;
    if (a < 0) a = a + 360;
    const double q = (a + 360) / 360;
    a = (q - std::trunc(q)) * 360;
    if (a < 0) a = a + 360;
    return a;
}

// Altitude, degrees, from its sine x3, written as an arctangent. Where rounding leaves
// |x3| at 1 or beyond, the body stands at the zenith or nadir: +90 or -90.
double altitudeFromSine(double x3) {
    if (x3 >= 1.0) return 90.0;
    if (x3 <= -1.0) return -90.0;
    return std::atan(x3 / std::sqrt(1 - x3 * x3)) * RAD;
}

}  // namespace

double greenwichMeanSiderealTime(double julianCenturies, double hourOfDay) {
    const double t = julianCenturies;
    // The rotation term in turns; T includes the time of day.
    const double r = t * 8640184.812866 / 3600 / 24;
    const double r1 = (r - std::trunc(r)) + 1.0;
    const double g = ((24 * (r1 - std::trunc(r1)) + 6.697374558) + (2.586e-05 * t) * t) + hourOfDay;
    const double q = (g + 48) / 24;
    return (q - std::trunc(q)) * 24;
}

double equationOfEquinoxes(double nutationLongitude, double obliquity) {
    return std::cos(obliquity * DEG) * nutationLongitude / 15;
}

void computeSiderealTime(WorkingVariables& v, double hourOfDay) {
    v.siderealTime = greenwichMeanSiderealTime(v.julianCenturies, hourOfDay) +
                     equationOfEquinoxes(v.nutationLongitude, v.obliquity);
}

void equatorialToHorizon(WorkingVariables& v) {
    // Hour angle, degrees, positive west of the meridian; not reduced.
    const double t = ((v.siderealTime - v.horizonInputRightAscension) * 15 + v.longitude) * DEG;
    const double cosT = std::cos(t);
    const double sinT = std::sin(t);
    const double cosDelta = std::cos(v.horizonInputDeclination * DEG);
    const double sinDelta = std::sin(v.horizonInputDeclination * DEG);
    const double cosPhi = std::cos(v.latitude * DEG);
    const double sinPhi = std::sin(v.latitude * DEG);
    // East, north and up components of the direction to the body.
    const double x1 = -cosDelta * sinT;
    const double x2 = sinDelta * cosPhi - cosT * cosDelta * sinPhi;
    const double x3 = sinDelta * sinPhi + cosT * cosDelta * cosPhi;
    v.horizonAzimuth = azimuthFromComponents(x1, x2);
    v.horizonAltitude = altitudeFromSine(x3);
}

}  // namespace astro
