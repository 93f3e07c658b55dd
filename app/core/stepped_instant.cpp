#include "app/core/stepped_instant.h"

#include "app/core/calculation_sequence.h"

namespace app {

namespace {

// The length of a box's unit in days, for the boxes that move the instant itself.
constexpr std::array<double, DATE_BOX_COUNT> UNIT_DAYS = {0.0,        0.0,          1.0,
                                                          1.0 / 24.0, 1.0 / 1440.0, 1.0 / 86400.0};

// The fields of a civil time as the boxes' numbers.
DateBoxValues valuesOf(const astro::CivilTime& t) {
    return {static_cast<double>(t.year),   static_cast<double>(t.month),
            static_cast<double>(t.day),    static_cast<double>(t.hour),
            static_cast<double>(t.minute), static_cast<double>(t.second)};
}

// The calendar date of `t` moved by `months` (a whole number of years being 12 months),
// its day clamped to the new month's length.
astro::CivilTime movedByMonths(astro::CivilTime t, long long months) {
    const long long monthIndex = static_cast<long long>(t.year) * 12 + (t.month - 1) + months;
    long long year = monthIndex / 12;
    long long month = monthIndex % 12;
    if (month < 0) {
        month += 12;
        year -= 1;
    }
    t.year = static_cast<int>(year);
    t.month = static_cast<int>(month + 1);
    const int length = astro::daysInMonth(t.year, t.month);
    if (t.day > length) t.day = length;
    return t;
}

// Given a Julian day (UT); its JST date and time, or nothing outside the years carried.
std::optional<astro::CivilTime> carriedCivilTime(double julianDay) {
    if (!withinCarriedYears(julianDay)) return std::nullopt;
    return astro::civilTimeOf(julianDay);
}

}  // namespace

std::optional<double> enteredJulianDay(const DateBoxValues& values) {
    astro::EnteredValues entered{};
    for (int i = 0; i < DATE_BOX_COUNT; ++i) entered[static_cast<std::size_t>(i)] = values[i];
    // The place does not move the instant; the equator at Greenwich is always calculable.
    astro::WorkingVariables scratch;
    if (astro::calculatePass(scratch, entered)) return std::nullopt;
    return scratch.julianDay;
}

std::optional<astro::CivilTime> steppedInstant(const DateBoxValues& values, astro::EnteredField box,
                                               int steps) {
    const std::optional<double> julianDay = enteredJulianDay(values);
    if (!julianDay || box >= DATE_BOX_COUNT) return std::nullopt;
    if (box >= astro::DAY) return carriedCivilTime(*julianDay + steps * UNIT_DAYS[box]);

    const std::optional<astro::CivilTime> now = astro::civilTimeOf(*julianDay);
    if (!now) return std::nullopt;
    const long long months = box == astro::YEAR ? 12LL * steps : steps;
    // Through the reckoning once more, so that a date the calendar skipped (5 to 14 October
    // 1582, read as Julian) comes back as the date it is, and a year beyond 16 bits is
    // refused.
    const std::optional<double> moved = enteredJulianDay(valuesOf(movedByMonths(*now, months)));
    if (!moved) return std::nullopt;
    return carriedCivilTime(*moved);
}

}  // namespace app
