// Calendar date to Julian day.
#pragma once

#include <cstdint>
#include <optional>

namespace astro {

// Julian day of a calendar date in astronomical year numbering (year 0 is 1 BC); `day` is
// the day of the month with the time of day as its fraction, in whatever time scale the
// result is wanted. Months and days are not validated: month 0 is December of the year
// before, month 13 January of the next, day 0 the last day of the month before. Dates before
// October 1582 are reckoned in the Julian calendar, dates after it in the Gregorian. Within
// October 1582 the switch lies at UT day 14.625, which is 15 October 00:00 in Japan Standard
// Time: every date typed in JST before the 15th (the 5th to the 14th never existed) is
// reckoned as Julian, every date from the 15th on as Gregorian.
// Returns nothing when year - 1 or month + 12 would leave the 16-bit range the date is
// reckoned in (year -32768 with month 2 or less, or month 32756 or more).
std::optional<double> ymdYD(std::int16_t year, std::int16_t month, double day);

// The calendar a date is reckoned in.
enum class Calendar { Julian, Gregorian };

// The calendar `ymdYD` reckons the date in (the same arguments).
Calendar calendarOf(std::int16_t year, std::int16_t month, double day);

// `ymdYD` with the calendar given instead of chosen from the date: for instants carried on
// from a day across the change of calendar (the hour after 24:00 of 14 October 1582 stays
// Julian). Nothing in the same cases as `ymdYD`.
std::optional<double> ymdYDIn(Calendar calendar, std::int16_t year, std::int16_t month, double day);

}  // namespace astro
