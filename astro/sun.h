// The Sun's low-precision series and the corrections shared with the Moon. T is Julian
// centuries since J2000.0, taken as Universal Time.
#pragma once

namespace astro {

// The Sun's geometric ecliptic longitude, degrees, reduced into [0, 360).
double sunGeometricLongitude(double julianCenturies);

// The Sun's geocentric distance, astronomical units.
double sunGeocentricDistance(double julianCenturies);

// Nutation in longitude, degrees (two terms).
double nutationInLongitude(double julianCenturies);

// Apparent longitude from the geometric longitude (degrees), the distance (AU) and the
// nutation (degrees): the aberration 0.005693 / distance subtracted and the nutation added.
// Not reduced again, so it may lie slightly below 0.
double apparentSunLongitude(double geometricLongitude, double distance, double nutation);

}  // namespace astro
