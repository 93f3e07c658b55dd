// The day's almanac as rows of the day window: the 旧暦 date and 六曜, the day's phase, solar
// term and 雑節, the length of the day and the Moon's age at noon, as the month table holds
// them for that day and in the month window's words.
#pragma once

#include <string_view>
#include <vector>

#include "app/core/day_summary.h"
#include "app/core/month_table.h"

namespace app {

struct DayAlmanacRows {
    // 旧暦 and 六曜 (empty texts outside the almanac's years), then 月相, 二十四節気 and 雑節
    // only when the day has one ("満月 03:08", a 雑節 without an instant by its name).
    std::vector<DayRow> calendar;
    // 昼の長さ, "09:51": minutes the Sun is above its rising level that day.
    DayRow daylight;
    // 正午月齢, "7.0": the Moon's age at 12:00 JST.
    DayRow noonMoonAge;
};

// The rows of `row`, the month table's row of the day `year`-`month`-`row.day`;
// `decimalSeparator` the user's (UTF-8).
DayAlmanacRows dayAlmanacRows(int year, int month, const MonthRow& row,
                              std::string_view decimalSeparator);

}  // namespace app
