// The command line's tables as text, without a toolkit: lists of named values (the window's
// copy, the day's rows), the places, a month's rows and a year's almanac, each as
// tab-separated lines, CSV (RFC 4180) or JSON.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/core/command_values.h"
#include "app/core/month_table.h"

namespace app {

// A name and its value, both UTF-8.
using NamedValue = std::pair<std::string, std::string>;

// `text` as a JSON string, quotes included: quotation marks, backslashes and control
// characters escaped, everything else (UTF-8 included) as it is.
std::string jsonString(std::string_view text);

// "2026-12-09T12:00:00+09:00": a JST instant in ISO 8601 with its offset.
std::string isoInstant(const astro::CivilTime& time);

// Given the lines of the window's copy ("name<TAB>value\n" each); the pairs they hold.
std::vector<NamedValue> namedValuesOfLines(std::string_view lines);

// Named values as a table: in TSV "name<TAB>value" lines without a header; in CSV the header
// "項目,値" and a record per value; in JSON an object with "instant" (where given), then
// "values", an array of objects {"name": ..., "value": ...} in order.
std::string namedValuesText(const std::vector<NamedValue>& values, std::string_view instant,
                            OutputFormat format);

// The places of the list with their coordinates (degrees, as the boxes show them): the
// header 場所, 緯度, 経度 in TSV and CSV; in JSON an array of {"name", "latitude",
// "longitude"}. "入力", which has no coordinates, is left out.
std::string placesText(OutputFormat format);

// The month's rows: TSV and CSV (without a byte-order mark) as the month window copies and
// saves them; JSON an array of objects keyed by the column names with the cells as strings.
std::string monthText(const MonthTable& table, OutputFormat format,
                      std::string_view decimalSeparator);

// The year's phases, solar terms and 雑節 in date order: date, time (HH:MM JST, empty for a
// 雑節 that is a date only), kind (月相, 二十四節気, 雑節) and name; in TSV and CSV with the
// header 日付, 時刻, 種類, 名前, in JSON an array of objects {"date", "time", "instant",
// "kind", "name"}, "time" as in TSV and "instant" the JST instant to the second with "+09:00"
// (both null for a 雑節 that is a date only). iCalendar as the calendar
// file. The empty text for a year outside the almanac's, 1800 to 2400.
std::string almanacText(int year, OutputFormat format);

}  // namespace app
