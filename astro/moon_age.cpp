// The Moon's age: days since the last instant at which the apparent ecliptic longitudes of
// the Moon and the Sun were equal: the almanac's new Moon where it has one, the series'
// elsewhere.
#include "moon_age.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "almanac.h"
#include "almanac_range.h"
#include "angles.h"
#include "calculation.h"
#include "crossings.h"
#include "moon.h"
#include "sun.h"

namespace astro {

namespace {

// The elongation in longitude of the series grows by between 10.73 and 14.37 degrees a day
// (a scan of years -18600 to 41700, wider than the calculation's 16-bit years). The bounds
// below hold them with room to spare.
constexpr double SLOWEST_ELONGATION_DEG_PER_DAY = 10.5;
constexpr double FASTEST_ELONGATION_DEG_PER_DAY = 14.6;

// Widening of the search bracket at each end, days (about a second): keeps the ends clear
// of the new Moon when the age is tiny.
constexpr double BRACKET_MARGIN_DAYS = 1e-5;

// The new Moon is refined to this many days (about a millisecond).
constexpr double NEW_MOON_TOLERANCE_DAYS = 1e-8;

// The Moon's apparent ecliptic longitude, degrees, as the ephemeris pass forms it: the
// geometric longitude with the nutation added (no aberration), not reduced again.
double moonApparentLongitude(double julianCenturies) {
    return moonGeometricLongitude(julianCenturies) + nutationInLongitude(julianCenturies);
}

// The Sun's apparent ecliptic longitude, degrees, as the ephemeris pass forms it.
double sunApparentLongitude(double julianCenturies) {
    return apparentSunLongitude(sunGeometricLongitude(julianCenturies),
                                sunGeocentricDistance(julianCenturies),
                                nutationInLongitude(julianCenturies));
}

// The Moon's apparent ecliptic longitude minus the Sun's, degrees, not reduced.
double elongationInLongitude(double julianDay) {
    const double julianCenturies = julianCenturiesOf(julianDay);
    return moonApparentLongitude(julianCenturies) - sunApparentLongitude(julianCenturies);
}

// The series' last new Moon at or before `julianDay` (UT).
double seriesNewMoonBefore(double julianDay) {
    const double elongation = normalizeDegrees(elongationInLongitude(julianDay));
    // The new Moon lies between these two instants; over them the elongation stays within
    // -134 and +96 degrees of the new Moon's, so reduced into [-180, 180) it is continuous
    // and crosses 0 once.
    const double earliest =
        julianDay - elongation / SLOWEST_ELONGATION_DEG_PER_DAY - BRACKET_MARGIN_DAYS;
    const double latest =
        julianDay - elongation / FASTEST_ELONGATION_DEG_PER_DAY + BRACKET_MARGIN_DAYS;
    const auto centredElongation = [earliest](double daysAfterEarliest) {
        return std::remainder(elongationInLongitude(earliest + daysAfterEarliest), 360.0);
    };
    const double span = latest - earliest;
    return earliest + refineCrossing(centredElongation, 0.0, 0.0, centredElongation(0.0), span,
                                     centredElongation(span), NEW_MOON_TOLERANCE_DAYS);
}

// The almanac's new Moons are looked for this many days either side of the series' (within
// 0.01 day of them over 1900-2100, and far inside this over 1800-2400); no other phase comes
// within six days of a new Moon.
constexpr double NEW_MOON_WINDOW_DAYS = 1.0;

// The almanac's last new Moon at or before `julianDay` (UT), found near the series' new Moon
// `seriesNewMoon` (the last at or before it too) or the one a lunation before or after it;
// nothing outside the almanac's span.
std::optional<double> almanacNewMoon(double julianDay, double seriesNewMoon) {
    std::optional<double> last;
    for (int lunations : {-1, 0, 1}) {
        const double around = seriesNewMoon + lunations * SYNODIC_MONTH_DAYS;
        if (around - NEW_MOON_WINDOW_DAYS > julianDay) continue;
        if (lunations < 0 && julianDay - seriesNewMoon > NEW_MOON_WINDOW_DAYS) continue;
        for (const LunarPhaseEvent& e :
             lunarPhases(around - NEW_MOON_WINDOW_DAYS, around + NEW_MOON_WINDOW_DAYS)) {
            if (e.phase == LunarPhase::NewMoon && e.julianDay <= julianDay &&
                (!last || e.julianDay > *last)) {
                last = e.julianDay;
            }
        }
    }
    return last;
}

}  // namespace

double moonAge(double julianDay) {
    const double seriesNewMoon = seriesNewMoonBefore(julianDay);
    const double newMoon = almanacNewMoon(julianDay, seriesNewMoon).value_or(seriesNewMoon);
    return std::fmax(0.0, julianDay - newMoon);
}

}  // namespace astro
