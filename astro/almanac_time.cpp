#include "astro/almanac_time.h"

#include <erfa.h>

#include <cmath>

#include "astro/constants.h"
#include "astro/delta_t.h"

namespace astro {

namespace {

// A Julian day number is the Julian day of its date's noon; the date begins half a day before.
constexpr double HALF_DAY = 0.5;

}  // namespace

double terrestrialTime(double julianDayUT) {
    return julianDayUT + deltaT(julianDayUT) / SECONDS_PER_DAY;
}

double universalTime(double julianDayTT) {
    const double firstPass = julianDayTT - deltaT(julianDayTT) / SECONDS_PER_DAY;
    return julianDayTT - deltaT(firstPass) / SECONDS_PER_DAY;
}

JstDay jstDayOf(double julianDayUT) {
    return static_cast<JstDay>(std::floor(julianDayUT + HALF_DAY + JST_OFFSET_DAYS));
}

double startOfJstDay(JstDay day) {
    return static_cast<double>(day) - HALF_DAY - JST_OFFSET_DAYS;
}

std::optional<JstDay> jstDayOfDate(int year, int month, int day) {
    double modifiedJulianDayZero, modifiedJulianDay;
    if (eraCal2jd(year, month, day, &modifiedJulianDayZero, &modifiedJulianDay) != 0)
        return std::nullopt;
    return static_cast<JstDay>(modifiedJulianDayZero + modifiedJulianDay + HALF_DAY);
}

GregorianDate dateOfJstDay(JstDay day) {
    GregorianDate date{};
    double fraction;
    eraJd2cal(static_cast<double>(day), 0.0, &date.year, &date.month, &date.day, &fraction);
    return date;
}

}  // namespace astro
