// The Moon's low-precision series. T is Julian centuries since J2000.0, taken as Universal
// Time. Positions are geocentric.
#pragma once

namespace astro {

// The Moon's mean longitude, degrees, reduced into [0, 360).
double moonMeanLongitude(double julianCenturies);

// The Moon's geometric ecliptic longitude, degrees, in [0, 360): the mean longitude with
// the 18 periodic terms added, reduced again.
double moonGeometricLongitude(double julianCenturies);

// The Moon's ecliptic latitude, degrees, the sum of 8 periodic terms; never beyond 6.0112
// in magnitude.
double moonEclipticLatitude(double julianCenturies);

}  // namespace astro
