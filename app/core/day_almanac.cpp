#include "app/core/day_almanac.h"

#include <string>

#include "app/core/month_text.h"

namespace app {

namespace {

// The month window's cell of `row` under the column `name`; empty for no such column.
std::string cellOf(const std::vector<std::string>& cells, const char* name) {
    const std::vector<std::string>& names = monthColumnNames();
    for (std::size_t i = 0; i < names.size() && i < cells.size(); ++i) {
        if (names[i] == name) return cells[i];
    }
    return {};
}

// The columns that are rows of the day window's calendar, and whether each is shown when
// the day has nothing in it.
struct CalendarColumn {
    const char* name;
    bool always;
};
constexpr CalendarColumn CALENDAR_COLUMNS[] = {
    {"旧暦", true}, {"六曜", true}, {"月相", false}, {"二十四節気", false}, {"雑節", false},
};

}  // namespace

DayAlmanacRows dayAlmanacRows(int year, int month, const MonthRow& row,
                              std::string_view decimalSeparator) {
    const MonthTable day{year, month, 0.0, 0.0, {row}, {}};
    const std::vector<std::string> cells = monthRowCells(day, row, decimalSeparator);
    DayAlmanacRows rows;
    for (const CalendarColumn& column : CALENDAR_COLUMNS) {
        const std::string cell = cellOf(cells, column.name);
        if (column.always || !cell.empty()) rows.calendar.push_back({column.name, cell});
    }
    rows.daylight = {"昼の長さ", cellOf(cells, "昼の長さ")};
    rows.noonMoonAge = {"正午月齢", cellOf(cells, "正午月齢")};
    return rows;
}

}  // namespace app
