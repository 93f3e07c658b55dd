// Stepping the instant the six date and time boxes give by one unit of one box.
#pragma once

#include <array>
#include <optional>

#include "astro/calculation.h"
#include "astro/civil_time.h"

namespace app {

// The date and time boxes are the first six of the calculation's entered fields, astro::YEAR
// to astro::SECOND.
inline constexpr int DATE_BOX_COUNT = astro::SECOND + 1;

// The numbers read from the six boxes (year, month, day, hour, minute, second; JST), indexed
// by the entered field.
using DateBoxValues = std::array<double, DATE_BOX_COUNT>;

// The Julian day (UT) the calculation reckons from the six numbers, exactly as a press of
// 計算 reckons it (16-bit year and month, rounded halves to even; out-of-range fields moving
// the instant on); nothing where the calculation would refuse them.
std::optional<double> enteredJulianDay(const DateBoxValues& values);

// The instant the boxes give, moved by `steps` units of box `box`, as an ordinary date and
// time to the second (JST); nothing where the boxes or the result cannot be calculated.
// - Seconds, minutes, hours and days move the instant itself: 23:00 + 1 hour is 00:00 of
//   the next day, the 31st + 1 day the 1st of the next month, 4 October 1582 + 1 day is
//   15 October.
// - Months and years move the calendar date of the instant and keep its time of day: the
//   day is clamped to the length of the new month (31 January + 1 month is 28 or 29
//   February), so that a month step never spills into the month after; by the same rule
//   29 February + 1 year is 28 February. December + 1 month is January of the next year.
// Boxes holding out-of-range fields (hour 25, day 0) are first read as the instant they
// give; the result is always an ordinary date.
std::optional<astro::CivilTime> steppedInstant(const DateBoxValues& values, astro::EnteredField box,
                                               int steps);

}  // namespace app
