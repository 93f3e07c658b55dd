// The Sun and the Moon at instants of one Japan Standard Time calendar day, computed with the
// calculation's own steps, so that at a time typed into the window the altitudes here are
// the window's altitudes to the last bit.
#pragma once

#include <cstdint>
#include <optional>

#include "julian_day.h"

namespace astro {

// A calendar day as the calculation holds it: year and month as 16-bit integers, the day of
// the month as typed (not validated: day 0 is the last day of the month before, day 32 of
// January is 1 February), and the calendar its 00:00 JST is reckoned in. The change of
// calendar falls on a JST midnight, so every instant of the day is reckoned in that calendar,
// and instants carried on beyond the day are reckoned in it too.
struct CalendarDay {
    std::int16_t year;
    std::int16_t month;
    int day;
    Calendar calendar;
};

// The day, when the calculation carries it; nothing when the year or month does not fit 16
// bits or the calculation would refuse the date (year -32768 with month 2 or less, month
// 32756 or more). Whether it refuses depends on the year and month alone: no whole day
// moves the time argument anywhere near the bound the calculation puts on it.
std::optional<CalendarDay> calendarDayOf(int year, int month, int day);

// The UT day of the month with its fraction (the calculation's `dayWithTime`) of the instant
// `seconds` after 00:00 JST of `day`. The seconds are split into hours, minutes and seconds
// and combined as the calculation combines the boxes, so that a whole number of seconds
// gives the very value the calculation forms from that clock time. `seconds` may be
// negative or beyond the day.
double dayWithTimeAt(int day, double seconds);

// Where the two bodies stand at one instant, for one place.
struct SkyAt {
    double julianDay;      // UT, as the calculation's `julianDay`
    double sunAltitude;    // degrees, geometric
    double moonAltitude;   // degrees, geometric
    double sunHourAngle;   // degrees in [-180, 180], positive west of the meridian
    double moonHourAngle;  // degrees in [-180, 180]
};

// The positions at `seconds` after 00:00 JST of `date` at the place (degrees, north and east
// positive), reckoned in the day's calendar: the calculation's own pass (calculatePassAt) at
// the instant of `dayWithTimeAt`. Nothing when the calculation cannot carry that instant.
std::optional<SkyAt> skyAt(const CalendarDay& date, double seconds, double latitude,
                           double longitude);

}  // namespace astro
