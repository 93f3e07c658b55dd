#include "julian_day.h"

#include <cmath>
#include <limits>

#include "constants.h"

namespace astro {

namespace {

// The first month number whose sum with 12 no longer fits 16 bits.
constexpr int FIRST_OVERFLOWING_MONTH = std::numeric_limits<std::int16_t>::max() - 12 + 1;

// UT day of October 1582, with its fraction, from which the Gregorian reckoning applies.
// The calendar went from Thursday 4 October (Julian) straight to Friday 15 October
// (Gregorian). The day handed in is Universal Time, while the date was typed in Japan
// Standard Time, 9 hours ahead: 15 October 00:00 JST is 14 October 15:00 UT, day 14.625.
// Putting the switch there reckons every date typed from 15 October on (including the first
// nine hours of the 15th, whose UT day is still the 14th) as Gregorian, and every date typed
// before it, the ten days that never existed among them, as Julian.
constexpr double FIRST_GREGORIAN_UT_DAY_OF_OCTOBER_1582 = 15.0 - JST_OFFSET_DAYS;

// Gregorian correction B = 2 - A + trunc(A / 4), A = trunc(y / 100), in days.
double gregorianCorrection(int y) {
    const double a = std::trunc(y / 100.0);
    return 2.0 - a + std::trunc(a / 4.0);
}

}  // namespace

Calendar calendarOf(std::int16_t year, std::int16_t month, double day) {
    if (year >= 1583) return Calendar::Gregorian;
    if (year <= 1581) return Calendar::Julian;
    if (month >= 11) return Calendar::Gregorian;
    if (month <= 9) return Calendar::Julian;
    return day >= FIRST_GREGORIAN_UT_DAY_OF_OCTOBER_1582 ? Calendar::Gregorian : Calendar::Julian;
}

std::optional<double> ymdYD(std::int16_t year, std::int16_t month, double day) {
    return ymdYDIn(calendarOf(year, month, day), year, month, day);
}

std::optional<double> ymdYDIn(Calendar calendar, std::int16_t year, std::int16_t month,
                              double day) {
    if (month >= FIRST_OVERFLOWING_MONTH) return std::nullopt;
    int y = year;
    int m = month;
    if (month <= 2) {
        if (year == std::numeric_limits<std::int16_t>::min()) return std::nullopt;
        y = year - 1;
        m = month + 12;
    }
    const double b = calendar == Calendar::Gregorian ? gregorianCorrection(y) : 0.0;
    // For every whole y both forms equal the floor of 365.25 y.
    const double c = year >= 1 ? std::trunc(365.25 * y) : std::trunc(365.25 * y - 0.75);
    return 1720994.5 + std::trunc(30.6 * (m + 1)) + b + c + day;
}

}  // namespace astro
