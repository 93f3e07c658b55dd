// Mean obliquity of the ecliptic and the ecliptic-to-equatorial conversion.
#pragma once

#include "working_variables.h"

namespace astro {

// Mean obliquity of the ecliptic, degrees, for T Julian centuries since J2000.0 (no
// nutation in obliquity).
double meanObliquity(double julianCenturies);

// Obliquity step of the ephemeris pass: sets `obliquity` (degrees) and its sine and cosine
// from `julianCenturies`.
void computeObliquity(WorkingVariables& v);

// Converts `convLongitude`, `convLatitude` (degrees, any finite value) with the current
// `sinObliquity`, `cosObliquity` into `convRightAscension` (hours, [0, 24)) and
// `convDeclination` (degrees, -90 to 90).
void eclipticToEquatorial(WorkingVariables& v);

}  // namespace astro
