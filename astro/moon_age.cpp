// The Moon's age: days since the last instant at which the apparent ecliptic longitudes of
// the Moon and the Sun were equal: the almanac's new Moon where it has one, the series'
// elsewhere.
#include "moon_age.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "almanac.h"
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

// The search for the almanac's new Moon reaches back this far, days: longer than any
// lunation (at most 29.9 days).
constexpr double LUNATION_SEARCH_DAYS = 31.0;

// The almanac's last new Moon at or before `julianDay` (UT), or nothing outside its span.
std::optional<double> almanacNewMoon(double julianDay) {
    const std::vector<LunarPhaseEvent> phases =
        lunarPhases(julianDay - LUNATION_SEARCH_DAYS, std::nextafter(julianDay, INFINITY));
    const auto last = std::find_if(phases.rbegin(), phases.rend(), [](const LunarPhaseEvent& e) {
        return e.phase == LunarPhase::NewMoon;
    });
    if (last == phases.rend()) return std::nullopt;
    return last->julianDay;
}

// The series' last new Moon at or before `julianDay` (UT).
double seriesNewMoon(double julianDay) {
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

}  // namespace

double moonAge(double julianDay) {
    const std::optional<double> almanac = almanacNewMoon(julianDay);
    const double newMoon = almanac ? *almanac : seriesNewMoon(julianDay);
    return std::fmax(0.0, julianDay - newMoon);
}

}  // namespace astro
