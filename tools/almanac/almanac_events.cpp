// Prints the almanac's phases and solar terms over a span of years as CSV, each instant in UT
// and in TT, for tools/almanac/almanac_accuracy.py to compare with PyEphem; and, with
// --estimates, the largest gaps between the low-precision estimates and the precise instants
// over 1800-2400, which the 旧暦's day decisions rely on.
//
//   almanac_events FROM_YEAR TO_YEAR     "kind,value,jd_ut,jd_tt" lines for [FROM, TO)
//   almanac_events --estimates
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "astro/almanac.h"
#include "astro/almanac_range.h"
#include "astro/almanac_search.h"
#include "astro/almanac_time.h"
#include "astro/constants.h"

namespace {

constexpr double MINUTES_PER_DAY = 1440.0;
constexpr int PHASES_PER_MONTH = 4;
constexpr double PHASE_STEP_DEG = 90.0;
constexpr int SOLAR_TERMS_PER_YEAR = 24;
constexpr double SOLAR_TERM_STEP_DEG = 15.0;

// UT Julian day of 0h UT on 1 January of `year`.
double startOfYear(int year) {
    return astro::startOfJstDay(*astro::jstDayOfDate(year, 1, 1)) + astro::JST_OFFSET_DAYS;
}

// Every phase and solar term of [fromYear, toYear) as CSV lines.
void printEvents(int fromYear, int toYear) {
    const double from = startOfYear(fromYear);
    const double to = startOfYear(toYear);
    std::printf("kind,value,jd_ut,jd_tt\n");
    for (const astro::LunarPhaseEvent& e : astro::lunarPhases(from, to))
        std::printf("phase,%d,%.8f,%.8f\n", static_cast<int>(e.phase) * 90, e.julianDay,
                    astro::terrestrialTime(e.julianDay));
    for (const astro::SolarTermEvent& e : astro::solarTerms(from, to))
        std::printf("term,%d,%.8f,%.8f\n", e.longitude, e.julianDay,
                    astro::terrestrialTime(e.julianDay));
}

// Largest |estimate - precise| over the almanac's span, minutes, and where (TT).
struct LargestGap {
    double minutes = 0.0;
    double where = 0.0;
    void take(double estimate, double precise) {
        const double gap = std::fabs(estimate - precise) * MINUTES_PER_DAY;
        if (gap > minutes) {
            minutes = gap;
            where = precise;
        }
    }
};

// The estimates' largest gaps for new moons, all phases and the solar terms (principal or
// not), from a little before 1800 to a little after 2400.
void printEstimateGaps() {
    LargestGap newMoon, phase, solarTerm;
    const double first = astro::ALMANAC_FIRST_JULIAN_DAY - astro::SYNODIC_MONTH_DAYS;
    const double end = astro::ALMANAC_END_JULIAN_DAY + astro::TROPICAL_YEAR_DAYS;
    const long firstLunation = static_cast<long>(
        std::floor((first - astro::MEAN_NEW_MOON_JULIAN_DAY) / astro::SYNODIC_MONTH_DAYS));
    const long endLunation = static_cast<long>(
        std::ceil((end - astro::MEAN_NEW_MOON_JULIAN_DAY) / astro::SYNODIC_MONTH_DAYS));
    for (long lunation = firstLunation; lunation < endLunation; ++lunation) {
        for (int quarter = 0; quarter < PHASES_PER_MONTH; ++quarter) {
            const double mean =
                astro::MEAN_NEW_MOON_JULIAN_DAY +
                (lunation + quarter / double(PHASES_PER_MONTH)) * astro::SYNODIC_MONTH_DAYS;
            const double target = PHASE_STEP_DEG * quarter;
            const double estimate =
                astro::estimatedCrossing(astro::MOON_SUN_ELONGATION, target, mean);
            const double precise =
                astro::preciseCrossing(astro::MOON_SUN_ELONGATION, target, estimate);
            if (quarter == 0) newMoon.take(estimate, precise);
            phase.take(estimate, precise);
        }
    }
    const double termDays = astro::TROPICAL_YEAR_DAYS / SOLAR_TERMS_PER_YEAR;
    double guess = first;
    const double startLongitude = astro::estimatedSunLongitude_deg(first);
    int term = static_cast<int>(std::ceil(startLongitude / SOLAR_TERM_STEP_DEG));
    guess += (term * SOLAR_TERM_STEP_DEG - startLongitude) / (360.0 / astro::TROPICAL_YEAR_DAYS);
    for (; guess < end; ++term) {
        const double target = std::fmod(term * SOLAR_TERM_STEP_DEG, 360.0);
        const double estimate = astro::estimatedCrossing(astro::SUN_LONGITUDE, target, guess);
        solarTerm.take(estimate, astro::preciseCrossing(astro::SUN_LONGITUDE, target, estimate));
        guess = estimate + termDays;
    }
    std::printf("largest gap between estimate and precise instant, 1800-2400:\n");
    std::printf("  new moons    %6.2f min (at JD %.1f TT)\n", newMoon.minutes, newMoon.where);
    std::printf("  all phases   %6.2f min (at JD %.1f TT)\n", phase.minutes, phase.where);
    std::printf("  solar terms  %6.2f min (at JD %.1f TT)\n", solarTerm.minutes, solarTerm.where);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--estimates") == 0) {
        printEstimateGaps();
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: almanac_events FROM_YEAR TO_YEAR | --estimates\n");
        return 2;
    }
    printEvents(std::atoi(argv[1]), std::atoi(argv[2]));
    return 0;
}
