// The Moon's age from the calculation's series.
#pragma once

namespace astro {

// The Moon's age at `julianDay` (UT): days since the preceding new Moon, the last instant at
// which the apparent ecliptic longitudes of the Moon and the Sun were equal. In [0, about
// 29.9).
double moonAge(double julianDay);

}  // namespace astro
