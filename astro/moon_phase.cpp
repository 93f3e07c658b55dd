#include "moon_phase.h"

#include <cmath>

#include "constants.h"
#include "equation_of_time.h"

namespace astro {

namespace {

// The rate term of a mean element, c T degrees, brought near one turn by truncation.
double reducedRateTerm(double rate_deg_per_century, double julianCenturies) {
    const double u = rate_deg_per_century * julianCenturies / 360;
    return 360 * (u - std::trunc(u));
}

// atan(n / d) in degrees, moved into the half-plane of d: (-90, 270). Where d is 0 the
// quotient has no value; the angle is then that of the two-argument arctangent, which
// agrees with the quotient form wherever d is not 0: 90 for n > 0, -90 for n < 0, 0 for
// n = 0.
double quadrantArctangent(double n, double d) {
    if (d == 0.0) return n > 0 ? 90.0 : (n < 0 ? -90.0 : 0.0);
    double angle = std::atan(n / d) * RAD;
    if (d < 0) angle = angle + 180;
    return angle;
}

}  // namespace

MeanElements meanElements(double julianCenturies) {
    const double t = julianCenturies;
    MeanElements e{};
    e.elongation_deg = 297.8501921 + reducedRateTerm(445267.1114034, t) - 0.0018819 * t * t;
    e.sunAnomaly_deg = 357.5291092 + reducedRateTerm(35999.0502909, t) - 0.0001536 * t * t;
    e.moonAnomaly_deg = 134.9633964 + reducedRateTerm(477198.8675055, t) + 0.0087414 * t * t;
    return e;
}

double phaseAngle(const MeanElements& elements) {
    const double d = elements.elongation_deg;
    const double m = elements.sunAnomaly_deg;
    const double mp = elements.moonAnomaly_deg;
    double i = 180 - d;
    i = i - 6.289 * std::sin(mp * DEG);
    i = i + 2.1 * std::sin(m * DEG);
    i = i - 1.274 * std::sin((2 * d - mp) * DEG);
    i = i - 0.658 * std::sin(d * DOUBLE_DEG);
    i = i - 0.214 * std::sin(mp * DOUBLE_DEG);
    i = i - 0.11 * std::sin(d * DEG);
    return i;
}

double illuminatedFractionOfPhaseAngle(double phaseAngle_deg) {
    return (1 + std::cos(phaseAngle_deg * DEG)) / 2;
}

double brightLimbPositionAngle(double sunRightAscension, double sunDeclination,
                               double moonRightAscension, double moonDeclination) {
    const double cosDelta0 = std::cos(sunDeclination * DEG);
    const double sinDelta0 = std::sin(sunDeclination * DEG);
    const double cosDelta = std::cos(moonDeclination * DEG);
    const double sinDelta = std::sin(moonDeclination * DEG);
    // Difference of right ascension, Sun minus Moon, degrees.
    const double dAlpha = 15 * (sunRightAscension - moonRightAscension);
    const double n = cosDelta0 * std::sin(dAlpha * DEG);
    const double d = sinDelta0 * cosDelta - sinDelta * cosDelta0 * std::cos(dAlpha * DEG);
    return quadrantArctangent(n, d);
}

double parallacticAngle(double siderealTime, double moonRightAscension, double moonDeclination,
                        double latitude, double longitude) {
    const double cosPhi = std::cos(latitude * DEG);
    const double sinPhi = std::sin(latitude * DEG);
    const double cosDelta = std::cos(moonDeclination * DEG);
    const double sinDelta = std::sin(moonDeclination * DEG);
    // The Moon's hour angle, degrees, positive west.
    const double h = 15 * (siderealTime - moonRightAscension) + longitude;
    const double n = cosPhi * std::sin(h * DEG);
    const double d = sinPhi * cosDelta - cosPhi * sinDelta * std::cos(h * DEG);
    double q = quadrantArctangent(n, d);
    if (q < 0) q = q + 360;
    return q;
}

double limbAngleFromZenith(double limbPositionAngle_deg, double parallacticAngle_deg) {
    double w = (limbPositionAngle_deg - parallacticAngle_deg) / 360;
    w = 360 * (w - std::trunc(w));
    if (w < 0) w = w + 360;
    // A difference a hair below 0 rounds to exactly 360 above; that direction is 0.
    if (w >= 360) w = 0;
    return w;
}

void computeMoonPhase(WorkingVariables& v) {
    updateEquationOfTime(v);
    v.illuminatedFraction =
        illuminatedFractionOfPhaseAngle(phaseAngle(meanElements(v.julianCenturies)));
    const double chi = brightLimbPositionAngle(v.sunRightAscension, v.sunDeclination,
                                               v.moonRightAscension, v.moonDeclination);
    const double q = parallacticAngle(v.siderealTime, v.moonRightAscension, v.moonDeclination,
                                      v.latitude, v.longitude);
    v.limbZenithAngle = limbAngleFromZenith(chi, q);
}

}  // namespace astro
