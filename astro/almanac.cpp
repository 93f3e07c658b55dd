#include "astro/almanac.h"

#include <algorithm>
#include <cmath>

#include "astro/almanac_range.h"
#include "astro/almanac_search.h"
#include "astro/almanac_time.h"

namespace astro {

namespace {

// Degrees between consecutive phases and consecutive solar terms.
constexpr double PHASE_STEP_DEG = 90.0;
constexpr int SOLAR_TERM_STEP_DEG = 15;
constexpr int SOLAR_TERMS_PER_YEAR = 24;
constexpr int PHASES_PER_MONTH = 4;

// An estimate further than this outside the range (days) is taken as outside without the
// precise steps: the estimates are within an hour of the precise instants.
constexpr double ESTIMATE_MARGIN_DAYS = 0.1;

// [from, to) cut to the almanac's span; empty (from >= to) when nothing is left or an end is
// not a number.
struct UtRange {
    double from;
    double to;
};
UtRange withinAlmanacSpan(double fromJulianDay, double toJulianDay) {
    if (std::isnan(fromJulianDay) || std::isnan(toJulianDay)) return {0.0, 0.0};
    return {std::max(fromJulianDay, ALMANAC_FIRST_JULIAN_DAY),
            std::min(toJulianDay, ALMANAC_END_JULIAN_DAY)};
}

// The phase a count of quarters from a new moon ends on.
LunarPhase phaseOfQuarter(long quarter) {
    const long inMonth = ((quarter % PHASES_PER_MONTH) + PHASES_PER_MONTH) % PHASES_PER_MONTH;
    return static_cast<LunarPhase>(inMonth);
}

// The mean instant (TT) of the `quarter`th quarter from the mean new moon of 2000 January.
double meanQuarterInstant(long quarter) {
    return MEAN_NEW_MOON_JULIAN_DAY +
           static_cast<double>(quarter) * SYNODIC_MONTH_DAYS / PHASES_PER_MONTH;
}

}  // namespace

std::vector<LunarPhaseEvent> lunarPhases(double fromJulianDay, double toJulianDay) {
    std::vector<LunarPhaseEvent> events;
    const UtRange range = withinAlmanacSpan(fromJulianDay, toJulianDay);
    if (!(range.from < range.to)) return events;
    const double fromTT = terrestrialTime(range.from);
    const double toTT = terrestrialTime(range.to);

    // From the quarter before the first whose mean instant lies in the range.
    const double quarterDays = SYNODIC_MONTH_DAYS / PHASES_PER_MONTH;
    long quarter =
        static_cast<long>(std::floor((fromTT - MEAN_NEW_MOON_JULIAN_DAY) / quarterDays)) - 1;
    for (;; ++quarter) {
        const LunarPhase phase = phaseOfQuarter(quarter);
        const double target = PHASE_STEP_DEG * static_cast<int>(phase);
        const double estimate =
            estimatedCrossing(MOON_SUN_ELONGATION, target, meanQuarterInstant(quarter));
        if (estimate >= toTT + ESTIMATE_MARGIN_DAYS) break;
        if (estimate < fromTT - ESTIMATE_MARGIN_DAYS) continue;
        const double instant =
            universalTime(preciseCrossing(MOON_SUN_ELONGATION, target, estimate));
        if (instant >= range.from && instant < range.to) events.push_back({phase, instant});
    }
    return events;
}

std::vector<SolarTermEvent> solarTerms(double fromJulianDay, double toJulianDay) {
    std::vector<SolarTermEvent> events;
    const UtRange range = withinAlmanacSpan(fromJulianDay, toJulianDay);
    if (!(range.from < range.to)) return events;
    const double fromTT = terrestrialTime(range.from);
    const double toTT = terrestrialTime(range.to);

    // From the term before the one the Sun last passed, each guessed from the one before.
    const double termDays = TROPICAL_YEAR_DAYS / SOLAR_TERMS_PER_YEAR;
    const double sunAtStart = estimatedSunLongitude_deg(fromTT);
    int term = static_cast<int>(std::floor(sunAtStart / SOLAR_TERM_STEP_DEG)) - 1;
    double guess =
        fromTT + (term * SOLAR_TERM_STEP_DEG - sunAtStart) / SUN_LONGITUDE.meanRate_degPerDay;
    for (;; ++term, guess += termDays) {
        const int longitude = ((term % SOLAR_TERMS_PER_YEAR) + SOLAR_TERMS_PER_YEAR) %
                              SOLAR_TERMS_PER_YEAR * SOLAR_TERM_STEP_DEG;
        const double estimate = estimatedCrossing(SUN_LONGITUDE, longitude, guess);
        guess = estimate;
        if (estimate >= toTT + ESTIMATE_MARGIN_DAYS) break;
        if (estimate < fromTT - ESTIMATE_MARGIN_DAYS) continue;
        const double instant = universalTime(preciseCrossing(SUN_LONGITUDE, longitude, estimate));
        if (instant >= range.from && instant < range.to) events.push_back({longitude, instant});
    }
    return events;
}

}  // namespace astro
