// Time scales and Japanese civil days for the almanac: UT and TT Julian days, and the day
// numbers of dates in Japan Standard Time.
#pragma once

#include <optional>

namespace astro {

// The TT Julian day of the UT Julian day `julianDayUT` (Delta T added).
double terrestrialTime(double julianDayUT);

// The UT Julian day of the TT Julian day `julianDayTT`: Delta T taken off, reckoned at the
// UT instant itself (two passes, to well under a millisecond).
double universalTime(double julianDayTT);

// A JST civil day, numbered as the Julian day number of its date (the JD of its noon).
using JstDay = long;

// The JST day an instant (UT Julian day) falls on.
JstDay jstDayOf(double julianDayUT);

// The UT Julian day at which a JST day begins (its 0:00 JST).
double startOfJstDay(JstDay day);

// The JST day of a Gregorian date; nothing for a month outside 1-12, a day outside the month
// or a year before -4799.
std::optional<JstDay> jstDayOfDate(int year, int month, int day);

// The Gregorian date of a JST day.
struct GregorianDate {
    int year;
    int month;
    int day;
};
GregorianDate dateOfJstDay(JstDay day);

}  // namespace astro
