// The Sun's and the Moon's positions at evenly spaced instants, as a table for time-series
// work: the same figures as the main window's for each instant typed in, written straight
// into one text without a toolkit.
#pragma once

#include <optional>
#include <string>

#include "app/core/calculation_sequence.h"
#include "astro/civil_time.h"

namespace app {

// The layout of a series table.
enum class SeriesFormat { Tsv, Csv, Json };

// The series asked for: `rowCount` instants from `from` (JST) on, `step_s` seconds apart, at
// the place (degrees).
struct SeriesRequest {
    astro::CivilTime from;
    long long step_s;
    long long rowCount;
    double latitude_deg;
    double longitude_deg;
};

// The table, or why an instant of it was refused; the text is empty then.
struct SeriesTable {
    std::string text;
    std::optional<CalculationRefusal> refusal;
};

// The column names: the instant, then the Sun's and the Moon's right ascension (hours),
// declination, altitude and azimuth (degrees), and the Moon's illuminated fraction (0 to 1).
const char* const* seriesColumnNames();
inline constexpr int SERIES_COLUMN_COUNT = 10;

// `time` moved on by `seconds` (0 or more) as an ordinary JST date and time: seconds carry
// into minutes, hours, days, months and years, and 5 to 14 October 1582, which the calendar
// skipped, are passed over.
astro::CivilTime advancedBy(const astro::CivilTime& time, long long seconds);

// The series as text. Each row holds the instant (JST; "2026-01-01T00:00:00" in TSV, with
// "+09:00" in CSV and JSON), then the nine figures to six decimals with a full stop, the
// calculation's own for that instant typed into the boxes. TSV and CSV have a header row
// of the column names and end each line in "\n" (CSV in CR LF); JSON is an array of objects
// keyed by the column names.
SeriesTable seriesTable(const SeriesRequest& request, SeriesFormat format);

}  // namespace app
