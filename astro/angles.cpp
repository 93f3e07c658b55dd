#include "angles.h"

#include <cmath>

namespace astro {

double normalizeDegrees(double degrees) {
    double q = degrees / 360;
    q = (q - std::trunc(q)) + 1;
    return (q - std::trunc(q)) * 360;
}

}  // namespace astro
