#include "civil_time.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "constants.h"

namespace astro {

namespace {

constexpr std::int64_t WHOLE_SECONDS_PER_DAY = 86400;

// Seconds from the start of a Julian day (noon UT) to midnight JST beginning the civil day
// numbered one higher: half a day to midnight UT, then the 9 hours of JST.
constexpr std::int64_t SECONDS_FROM_NOON_UT_TO_MIDNIGHT_JST = 43200 + 9 * 3600;

// Julian days beyond this, in magnitude, lie far outside the 16-bit years (year 32767 is
// Julian day 13.69 million); they are refused before any conversion to an integer.
constexpr double LARGEST_JULIAN_DAY_CONSIDERED = 2e7;

// The chronological Julian day number of the first Gregorian date, 15 October 1582.
constexpr std::int64_t FIRST_GREGORIAN_DAY_NUMBER = 2299161;

// Floor of a / b for b > 0, for negative a too.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Year, month and day of a chronological day number, given the days since 1 March of year
// -4800 (astronomical) in a calendar whose 400-year cycles were already taken off: `c` days
// into a Julian four-year cycle sequence starting 1 March -4800, plus `centuryYears` years.
// Months count from March so that the leap day falls at the end of the year.
void dateFromMarchDays(std::int64_t c, std::int64_t centuryYears, CivilTime& out) {
    const std::int64_t d = floorDiv(4 * c + 3, 1461);
    const std::int64_t e = c - floorDiv(1461 * d, 4);
    const std::int64_t m = floorDiv(5 * e + 2, 153);
    out.day = static_cast<int>(e - floorDiv(153 * m + 2, 5) + 1);
    out.month = static_cast<int>(m + 3 - 12 * floorDiv(m, 10));
    const std::int64_t year = centuryYears + d - 4800 + floorDiv(m, 10);
    out.year = static_cast<int>(year);
}

// Date of chronological day number `n` (the Julian day number of the civil date) in the
// proleptic Gregorian calendar, astronomical years.
void gregorianDate(std::int64_t n, CivilTime& out) {
    const std::int64_t a = n + 32044;
    const std::int64_t b = floorDiv(4 * a + 3, 146097);
    const std::int64_t c = a - floorDiv(146097 * b, 4);
    dateFromMarchDays(c, 100 * b, out);
}

// Date of chronological day number `n` in the proleptic Julian calendar, astronomical
// years.
void julianDate(std::int64_t n, CivilTime& out) {
    dateFromMarchDays(n + 32082, 0, out);
}

}  // namespace

std::optional<CivilTime> civilTimeOf(double julianDay) {
    if (!(std::abs(julianDay) <= LARGEST_JULIAN_DAY_CONSIDERED)) return std::nullopt;
    // The whole days and the fraction apart, both exact, so that the fraction keeps every
    // bit the Julian day has.
    const double wholeDays = std::floor(julianDay);
    const double fraction = julianDay - wholeDays;
    const auto secondsIntoJulianDay = static_cast<std::int64_t>(
        std::floor(fraction * WHOLE_SECONDS_PER_DAY + 0.5 + HALF_SECOND_ALLOWANCE_SECONDS));
    const std::int64_t secondsFromMidnight =
        secondsIntoJulianDay + SECONDS_FROM_NOON_UT_TO_MIDNIGHT_JST;
    const std::int64_t dayNumber =
        static_cast<std::int64_t>(wholeDays) + floorDiv(secondsFromMidnight, WHOLE_SECONDS_PER_DAY);
    const std::int64_t secondOfDay =
        secondsFromMidnight -
        floorDiv(secondsFromMidnight, WHOLE_SECONDS_PER_DAY) * WHOLE_SECONDS_PER_DAY;

    CivilTime time{};
    if (dayNumber >= FIRST_GREGORIAN_DAY_NUMBER) {
        gregorianDate(dayNumber, time);
    } else {
        julianDate(dayNumber, time);
    }
    if (time.year < std::numeric_limits<std::int16_t>::min() ||
        time.year > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    time.hour = static_cast<int>(secondOfDay / 3600);
    time.minute = static_cast<int>(secondOfDay / 60 % 60);
    time.second = static_cast<int>(secondOfDay % 60);
    return time;
}

int daysInMonth(int year, int month) {
    static constexpr int LENGTHS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month != 2) return LENGTHS[month - 1];
    const bool divisibleBy4 = floorDiv(year, 4) * 4 == year;
    const bool leap =
        year < 1582 ? divisibleBy4 : divisibleBy4 && (year % 100 != 0 || year % 400 == 0);
    return leap ? 29 : 28;
}

}  // namespace astro
