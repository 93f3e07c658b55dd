// The month as text: the cells of a row, the month's list, and CSV fields. (The CSV file as a
// whole is read back by Python's csv module in month_export_check.py.)
#include "app/core/month_text.h"

#include <gtest/gtest.h>

namespace {

using app::AlmanacMark;
using app::MarkKind;

TEST(MonthText, CellsOfARow) {
    app::MonthRow row;
    row.day = 25;
    row.weekday = 6;
    row.lunisolar = astro::LunisolarDate{6, true, 1};
    row.rokuyo = astro::Rokuyo::Shakko;
    row.sunRises = {{6 * 60 + 38, 117.4}};
    row.sunSets = {};
    row.moonRises = {{22, 61.2}, {23 * 60 + 45, 359.6}};
    row.moonSets = {{17 * 60 + 38, 240.5}};
    row.daylightMinutes = 24 * 60;
    row.noonMoonAge_days = 0.96;
    row.allDayNotes = {"一。", "二。"};
    row.marks = {
        {MarkKind::Phase, 2, "満月", 2025, 7, 25, 3 * 60 + 8, 0.0},
        {MarkKind::SolarTerm, 120, "大暑", 2025, 7, 25, 21 * 60 + 3, 0.0},
        {MarkKind::Zassetsu, 1, "節分", 2025, 7, 25, std::nullopt, std::nullopt},
        {MarkKind::Zassetsu, 7, "土用の入り", 2025, 7, 25, 48, 0.0},
    };
    const app::MonthTable table{2025, 7, 35.0, 139.0, {row}, {}};
    const std::vector<std::string> expected = {
        "2025-07-25",
        "土",
        "閏6月1日",
        "赤口",
        "06:38",
        "117",
        "なし",
        "",
        "24:00",
        "00:22、23:45",
        "61、0",
        "17:38",
        "241",
        "1,0",
        "満月 03:08",
        "大暑 21:03",
        "節分、土用の入り 00:48",
        "一。二。",
    };
    EXPECT_EQ(app::monthRowCells(table, row, ","), expected);
    EXPECT_EQ(app::monthColumnNames().size(), expected.size());
}

TEST(MonthText, EntryOfTheMonthsList) {
    const AlmanacMark mark{MarkKind::Phase, 0, "新月", 2026, 12, 9, 9 * 60 + 52, 0.0};
    EXPECT_EQ(app::markListText(mark), "12月9日 09:52 新月");
}

TEST(MonthText, CsvFieldsQuotedWhereNeeded) {
    const std::pair<const char*, const char*> cases[] = {
        {"06:38", "06:38"},
        {"", ""},
        {"00:22、23:45", "00:22、23:45"},
        {"1,0", "\"1,0\""},
        {"a\"b", "\"a\"\"b\""},
        {"a\r\nb", "\"a\r\nb\""},
        {"a\nb", "\"a\nb\""},
    };
    for (const auto& [text, field] : cases) EXPECT_EQ(app::csvField(text), field) << text;
}

}  // namespace
