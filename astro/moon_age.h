// The Moon's age, from the same new moons as the almanac's list.
#pragma once

namespace astro {

// The Moon's age at `julianDay` (UT): days since the preceding new Moon, the last instant at
// which the apparent ecliptic longitudes of the Moon and the Sun were equal. Within the
// almanac's span (1800-2400) the new Moon is the almanac's own (lunarPhases, from the
// precise positions, within a minute); outside it, where the almanac gives none, the one
// the calculation's series give (within 0.01 day over 1900-2100, and growing away from it).
// In [0, about 29.9).
double moonAge(double julianDay);

}  // namespace astro
