// The values of the command line's arguments and options, read without a toolkit: dates,
// times, instants, steps, coordinates, place names and output formats. Each reader takes the
// whole text and gives nothing for a text it cannot read; none of them ever fails otherwise.
#pragma once

#include <optional>
#include <string_view>

#include "astro/civil_time.h"

namespace app {

// A JST calendar date as the date boxes take it.
struct CalendarDate {
    int year;   // astronomical numbering, -999999 to 999999
    int month;  // 1 to 12
    int day;    // 1 to the month's length
};

// A JST clock time.
struct ClockTime {
    int hour;    // 0 to 23
    int minute;  // 0 to 59
    int second;  // 0 to 59
};

// What the command prints in.
enum class OutputFormat { Tsv, Csv, Json, Ics };

// "YYYY-MM-DD": a year of four to six digits with an optional minus sign, a month of two
// digits 01-12 and a day of two digits within the month's length (daysInMonth).
std::optional<CalendarDate> readDate(std::string_view text);

// "YYYY-MM": the date's year and month.
std::optional<CalendarDate> readYearMonth(std::string_view text);

// "YYYY": the date's year alone.
std::optional<int> readYear(std::string_view text);

// "HH:MM" or "HH:MM:SS", two digits each, hour 00-23, minute and second 00-59.
std::optional<ClockTime> readClockTime(std::string_view text);

// "YYYY-MM-DD", "YYYY-MM-DDTHH:MM[:SS]" or the same with a blank for the "T": a JST instant,
// 00:00:00 where the time is left out.
std::optional<astro::CivilTime> readInstant(std::string_view text);

// A step of time: a whole number 1 to 10^9 followed by its unit, s (seconds), m or min
// (minutes), h (hours) or d (days); seconds, at most 10^9 days' worth.
std::optional<long long> readStep_seconds(std::string_view text);

// A coordinate in degrees by the number-reading rule the boxes are read with, the whole text
// being the number (blanks around it allowed); any finite or infinite value it gives.
std::optional<double> readDegrees(std::string_view text);

// The list position (0 to 74) of the place named exactly as listed, or as listed without
// its trailing blanks; nothing for "入力", which has no coordinates, or an unknown name.
std::optional<int> placeListPosition(std::string_view name);

// "tsv", "csv", "json" or "ics".
std::optional<OutputFormat> readOutputFormat(std::string_view text);

}  // namespace app
