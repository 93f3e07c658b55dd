// The ephemeris pass: the Sun's and the Moon's apparent positions for one instant.
#pragma once

#include "working_variables.h"

namespace astro {

// From `julianCenturies`, sets `sunLongitude` (apparent), `sunDistance`, `obliquity` with
// its sine and cosine, `nutationLongitude`, the Sun's and the Moon's right ascension (hours)
// and declination (degrees), and leaves the Moon's values in the conversion slots.
void computeEphemeris(WorkingVariables& v);

}  // namespace astro
