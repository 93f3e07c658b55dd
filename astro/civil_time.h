// The Japan Standard Time calendar date and clock time of a Julian day: the inverse of the
// calculation's reckoning of the entered date and time.
#pragma once

#include <optional>

namespace astro {

// A date and time of day in Japan Standard Time, as the six boxes show them.
struct CivilTime {
    int year;    // astronomical numbering: 0 is the year before 1
    int month;   // 1 to 12
    int day;     // 1 to 31
    int hour;    // 0 to 23
    int minute;  // 0 to 59
    int second;  // 0 to 59
};

// The JST date and time of `julianDay` (UT), to the nearest second, in the calendar the
// calculation reckons that date in (Julian up to 14 October 1582 JST, Gregorian from
// 15 October 1582 JST). Nothing when the year would leave the range the boxes can carry.
std::optional<CivilTime> civilTimeOf(double julianDay);

// The number of days of `month` (1 to 12) of `year` (astronomical numbering) in the calendar
// the calculation reckons that year in: Julian leap years (every fourth) before 1582,
// Gregorian ones (not the centuries, save every fourth) from 1582 on. October 1582 counts
// 31, its last day being the 31st, though the 5th to the 14th were never used. 0 for a
// month outside 1 to 12.
int daysInMonth(int year, int month);

}  // namespace astro
