#include "program.h"

#include <cstdio>
#include <cstdlib>

#include <libnova/libnova.h>

#include "astro/calculation.h"
#include "astro/moon_phase.h"
#include "astro/working_variables.h"

namespace accuracy {

namespace {

// Japan Standard Time is Universal Time plus 9 hours.
constexpr double JST_OFFSET_DAYS = 9.0 / 24.0;

}  // namespace

ProgramFigures programFigures(double julianDayUt, double latitude_deg, double longitude_deg) {
    ln_date jst{};
    ln_get_date(julianDayUt + JST_OFFSET_DAYS, &jst);
    astro::EnteredValues entered{};
    entered[astro::YEAR] = jst.years;
    entered[astro::MONTH] = jst.months;
    entered[astro::DAY] = jst.days;
    entered[astro::HOUR] = jst.hours;
    entered[astro::MINUTE] = jst.minutes;
    entered[astro::SECOND] = jst.seconds;
    entered[astro::LATITUDE] = latitude_deg;
    entered[astro::LONGITUDE] = longitude_deg;

    astro::WorkingVariables v;
    if (astro::calculatePass(v, entered)) {
        std::fprintf(stderr, "accuracy_compare: the program refused JD %.6f\n", julianDayUt);
        std::exit(EXIT_FAILURE);
    }
    astro::computeMoonPhase(v);
    return {v.julianDay,       v.sunRightAscension,  v.sunDeclination, v.moonRightAscension,
            v.moonDeclination, v.sunAltitude,        v.sunAzimuth,     v.moonAltitude,
            v.moonAzimuth,     v.illuminatedFraction};
}

}  // namespace accuracy
