// Sidereal time and the conversion of equatorial into horizon coordinates (geometric and
// geocentric: no refraction, no parallax).
#pragma once

#include "working_variables.h"

namespace astro {

// Greenwich mean sidereal time, hours in [0, 24), from T (Julian centuries since J2000.0,
// including the time of day) and the hour of the day in UT, which may be negative.
double greenwichMeanSiderealTime(double julianCenturies, double hourOfDay);

// Equation of the equinoxes, hours: the nutation in longitude (degrees) projected on the
// equator by the obliquity (degrees), turned into hours.
double equationOfEquinoxes(double nutationLongitude, double obliquity);

// Sets `siderealTime`, the Greenwich apparent sidereal time in hours, from
// `julianCenturies`, the UT hour of the day, `nutationLongitude` and `obliquity`. The sum
// is not reduced again and may lie a fraction of a second outside [0, 24).
void computeSiderealTime(WorkingVariables& v, double hourOfDay);

// Converts `horizonInputRightAscension` (hours) and `horizonInputDeclination` (degrees)
// with `siderealTime`, `latitude` and `longitude` into `horizonAltitude` (degrees, -90 to
// 90) and `horizonAzimuth` (degrees from north through east, [0, 360)).
void equatorialToHorizon(WorkingVariables& v);

}  // namespace astro
