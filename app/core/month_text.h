// The month table as text: the cells the month window shows, the tab-separated lines it
// copies and the CSV file it saves (RFC 4180).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/core/month_table.h"

namespace app {

// The column headings, in UTF-8, in the order of the cells.
const std::vector<std::string>& monthColumnNames();

// The cells of one row, one per column: date "2026-12-01", weekday "火", 旧暦 "10月12日"
// ("閏6月1日" in a leap month), 六曜, each rising and setting "06:38" with its direction in
// whole degrees "117" ("なし" and the empty direction when it does not happen, both joined
// with "、" when it happens twice), 昼の長さ "10:05", 正午月齢 "7.3", the day's phase, solar
// term and 雑節 with their times "満月 03:08" (a 雑節 without an instant by its name alone),
// and the day window's sentences for a body above or below all day. `decimalSeparator` is
// the user's (UTF-8).
std::vector<std::string> monthRowCells(const MonthTable& table, const MonthRow& row,
                                       std::string_view decimalSeparator);

// "12月8日 13:52 新月": a phase or solar term of the month's list, the date in JST and the
// time to the minute.
std::string markListText(const AlmanacMark& mark);

// The header row and a line per day, cells separated by tabs, each line ended by "\n".
std::string monthTabText(const MonthTable& table, std::string_view decimalSeparator);

// One CSV field: as it is, or between double quotes (its quotes doubled) when it holds a
// comma, a double quote, a carriage return or a line feed.
std::string csvField(std::string_view text);

// The CSV file of the month: UTF-8 with a byte-order mark, the header row, a record per day,
// every record ended by CR LF.
std::string monthCsv(const MonthTable& table, std::string_view decimalSeparator);

}  // namespace app
