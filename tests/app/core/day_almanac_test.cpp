// The day window's almanac rows: the month table's own row of the day, in the month window's
// words, with the phase, term and 雑節 rows only on a day that has one.
#include "app/core/day_almanac.h"

#include <gtest/gtest.h>

#include "astro/day_events.h"

namespace {

constexpr double TOKYO_LAT = 35.6895;
constexpr double TOKYO_LON = 139.6917;

std::vector<std::pair<std::string, std::string>> pairs(const std::vector<app::DayRow>& rows) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const app::DayRow& row : rows) out.emplace_back(row.name, row.value);
    return out;
}

// The rows of a day with a solar term and of a day with nothing but its date, from the
// month table's row of the day (monthRowOf, with the day's marks).
TEST(DayAlmanac, RowsOfDaysWithAndWithoutMarks) {
    using Rows = std::vector<std::pair<std::string, std::string>>;
    const struct {
        int day;
        Rows calendar;
        std::string daylight, noonAge;
    } cases[] = {
        // The winter solstice; 旧暦 11月 began on 1 December.
        {21, Rows{{"旧暦", "11月21日"}, {"六曜", "先勝"}, {"二十四節気", "冬至 18:21"}}, "09:45",
         "19,9"},
        // Nothing but the date.
        {2, Rows{{"旧暦", "11月2日"}, {"六曜", "赤口"}}, "09:55", "0,9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day);
        const std::optional<app::MonthRow> row =
            app::monthRowOf(2024, 12, c.day, TOKYO_LAT, TOKYO_LON,
                            astro::dayEvents(2024, 12, c.day, TOKYO_LAT, TOKYO_LON));
        ASSERT_TRUE(row);
        const app::DayAlmanacRows rows = app::dayAlmanacRows(2024, 12, *row, ",");
        EXPECT_EQ(pairs(rows.calendar), c.calendar);
        EXPECT_EQ(rows.daylight.name, "昼の長さ");
        EXPECT_EQ(rows.daylight.value, c.daylight);
        EXPECT_EQ(rows.noonMoonAge.name, "正午月齢");
        EXPECT_EQ(rows.noonMoonAge.value, c.noonAge);
    }
}

}  // namespace
