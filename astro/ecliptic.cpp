#include "ecliptic.h"

#include <cmath>

#include "constants.h"

namespace astro {

double meanObliquity(double julianCenturies) {
    return 23.43929 - 0.01300417 * julianCenturies;
}

void computeObliquity(WorkingVariables& v) {
    v.obliquity = meanObliquity(v.julianCenturies);
    v.sinObliquity = std::sin(v.obliquity * DEG);
    v.cosObliquity = std::cos(v.obliquity * DEG);
}

void eclipticToEquatorial(WorkingVariables& v) {
    const double cosLambda = std::cos(v.convLongitude * DEG);
    const double sinLambda = std::sin(v.convLongitude * DEG);
    const double cosBeta = std::cos(v.convLatitude * DEG);
    const double sinBeta = std::sin(v.convLatitude * DEG);
    const double x = cosBeta * cosLambda;
    const double y = cosBeta * sinLambda * v.cosObliquity - sinBeta * v.sinObliquity;
    const double z = cosBeta * sinLambda * v.sinObliquity + sinBeta * v.cosObliquity;
    // Only the sign of x decides the quadrant. x is never exactly 0: no cosine of a double
    // angle is, so the quotient always has a value.
    double a = std::atan(y / x) * RAD;
    if (x < 0) a = a + 180;
    const double q = a / 360 + 1;
    v.convRightAscension = (q - std::trunc(q)) * 24;
    const double r = std::sqrt(x * x + y * y);
    v.convDeclination = std::atan(z / r) * RAD;
}

}  // namespace astro
