// The month table: each day's risings and settings as the day window shows them with the
// directions of the day's events, the length of the day, the Moon's age at noon, the weekday and
// 旧暦, the day's phases, terms and 雑節, and the month's list.
#include "app/core/month_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "app/core/day_summary.h"
#include "astro/almanac.h"
#include "astro/day_events.h"

namespace {

using app::AllDay;
using app::MonthRow;
using app::MonthTable;

constexpr double TOKYO_LAT = 35.6895;
constexpr double TOKYO_LON = 139.6917;
// Tromsø: the polar night in December, the midnight Sun in June, the Sun setting before it
// rises in October and the Moon rising or setting twice a day.
constexpr double TROMSO_LAT = 69.6496;
constexpr double TROMSO_LON = 18.9560;

const MonthRow& rowOn(const MonthTable& table, int day) {
    return table.rows.at(day - 1);
}

TEST(MonthTable, CrossingsAreTheDayWindowsTimesAndDirections) {
    struct Month {
        int year, month;
        double lat, lon;
    };
    // Tokyo's December has days without a moonrise or moonset; Tromsø's October has risings
    // and settings twice a day and a Sun that sets before it rises.
    const Month months[] = {{2026, 12, TOKYO_LAT, TOKYO_LON}, {2026, 10, TROMSO_LAT, TROMSO_LON}};
    for (const Month& m : months) {
        const std::optional<MonthTable> table = app::monthTable(m.year, m.month, m.lat, m.lon);
        ASSERT_TRUE(table);
        for (const MonthRow& row : table->rows) {
            SCOPED_TRACE(std::to_string(m.month) + "/" + std::to_string(row.day));
            const std::vector<astro::DayEvent> events =
                astro::dayEvents(m.year, m.month, row.day, m.lat, m.lon);
            const std::pair<astro::DayEventKind, const std::vector<app::HorizonCrossing>*> kinds[] =
                {{astro::DayEventKind::SunRise, &row.sunRises},
                 {astro::DayEventKind::SunSet, &row.sunSets},
                 {astro::DayEventKind::MoonRise, &row.moonRises},
                 {astro::DayEventKind::MoonSet, &row.moonSets}};
            for (const auto& [kind, crossings] : kinds) {
                std::size_t n = 0;
                for (const astro::DayEvent& e : events) {
                    if (e.kind != kind) continue;
                    ASSERT_LT(n, crossings->size());
                    const app::HorizonCrossing& c = (*crossings)[n++];
                    EXPECT_EQ(c.minuteOfDay, app::shownMinute(e));
                    EXPECT_EQ(c.azimuth_deg, e.azimuth_deg);
                }
                EXPECT_EQ(n, crossings->size());
            }
        }
    }
}

TEST(MonthTable, LengthOfTheDayAndTheAllDayCases) {
    const std::string polarNight = "太陽は一日中地平線の下にあります（極夜）。";
    const std::string midnightSun = "太陽は一日中地平線の上にあります（白夜）。";
    const std::string moonBelow = "月は一日中地平線の下にあります。";
    struct Case {
        bool tromso;  // else Tokyo
        int year, month, day;
        int daylightMinutes;
        AllDay sun, moon;
        std::vector<std::string> notes;
    };
    const Case cases[] = {
        {false, 2026, 12, 22, 9 * 60 + 45, AllDay::No, AllDay::No, {}},  // 16:32 less 06:47
        // Up until it sets at 00:04, and from 14:59 to its setting at 23:59.
        {true, 2026, 10, 16, 4 + 9 * 60, AllDay::No, AllDay::Below, {moonBelow}},
        {true, 2026, 12, 1, 0, AllDay::Below, AllDay::No, {polarNight}},
        {true, 2026, 12, 9, 0, AllDay::Below, AllDay::Below, {polarNight, moonBelow}},
        {true, 2026, 6, 21, 24 * 60, AllDay::Above, AllDay::No, {midnightSun}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.day));
        const std::optional<MonthTable> table =
            c.tromso ? app::monthTable(c.year, c.month, TROMSO_LAT, TROMSO_LON)
                     : app::monthTable(c.year, c.month, TOKYO_LAT, TOKYO_LON);
        ASSERT_TRUE(table);
        const MonthRow& row = rowOn(*table, c.day);
        EXPECT_EQ(row.daylightMinutes, c.daylightMinutes);
        EXPECT_EQ(row.sunAllDay, c.sun);
        EXPECT_EQ(row.moonAllDay, c.moon);
        EXPECT_EQ(row.allDayNotes, c.notes);
    }
}

TEST(MonthTable, WeekdayAndLunisolarDate) {
    struct Case {
        int year, month, day;
        int weekday;  // 0 Sunday
        astro::LunisolarDate lunisolar;
        astro::Rokuyo rokuyo;
    };
    const Case cases[] = {
        {2026, 12, 5, 6, {10, false, 27}, astro::Rokuyo::Shakko},
        {2026, 12, 6, 0, {10, false, 28}, astro::Rokuyo::Sensho},
        {2026, 12, 9, 3, {11, false, 1}, astro::Rokuyo::Taian},
        {2025, 7, 24, 4, {6, false, 30}, astro::Rokuyo::Taian},
        {2025, 7, 25, 5, {6, true, 1}, astro::Rokuyo::Shakko},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.day));
        const std::optional<MonthTable> table =
            app::monthTable(c.year, c.month, TOKYO_LAT, TOKYO_LON);
        ASSERT_TRUE(table);
        const MonthRow& row = rowOn(*table, c.day);
        EXPECT_EQ(row.weekday, c.weekday);
        ASSERT_TRUE(row.lunisolar);
        EXPECT_EQ(std::tie(row.lunisolar->month, row.lunisolar->leap, row.lunisolar->day),
                  std::tie(c.lunisolar.month, c.lunisolar.leap, c.lunisolar.day));
        EXPECT_EQ(row.rokuyo, c.rokuyo);
    }
}

TEST(MonthTable, MoonsAgeAtNoonCountsFromTheNewMoon) {
    // New moons of the almanac: 9 November 2026 16:02 and 9 December 2026 09:52 JST. The
    // age at 12:00 is the time since, within the minutes by which the series' new moon
    // differs from the almanac's.
    const double newMoons_jst[] = {2461354.0 + (16 * 60 + 2) / 1440.0 - 0.5,
                                   2461384.0 + (9 * 60 + 52) / 1440.0 - 0.5};
    const std::optional<MonthTable> table = app::monthTable(2026, 12, TOKYO_LAT, TOKYO_LON);
    ASSERT_TRUE(table);
    for (const MonthRow& row : table->rows) {
        // Noon JST of the day, as a Julian day counted in JST.
        const double noon_jst = 2461376.0 + (row.day - 1);
        const double newMoon = row.day < 9 ? newMoons_jst[0] : newMoons_jst[1];
        EXPECT_NEAR(row.noonMoonAge_days, noon_jst - newMoon, 0.02) << "12/" << row.day;
    }
}

TEST(MonthTable, PhasesTermsAndZassetsuOnTheirDays) {
    struct Case {
        int year, month, day;
        app::MarkKind kind;
        const char* name;
        std::optional<int> minuteOfDay;
    };
    const Case cases[] = {
        {2026, 12, 9, app::MarkKind::Phase, "新月", 9 * 60 + 52},
        {2026, 12, 22, app::MarkKind::SolarTerm, "冬至", 5 * 60 + 50},
        {2026, 12, 24, app::MarkKind::Phase, "満月", 10 * 60 + 28},
        {2026, 2, 3, app::MarkKind::Zassetsu, "節分", std::nullopt},
        {2026, 7, 20, app::MarkKind::Zassetsu, "土用の入り", 48},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<MonthTable> table =
            app::monthTable(c.year, c.month, TOKYO_LAT, TOKYO_LON);
        ASSERT_TRUE(table);
        int found = 0;
        for (const MonthRow& row : table->rows) {
            for (const app::AlmanacMark& mark : row.marks) {
                if (mark.name != c.name) continue;
                ++found;
                EXPECT_EQ(row.day, c.day);
                EXPECT_EQ(mark.kind, c.kind);
                EXPECT_EQ(mark.minuteOfDay, c.minuteOfDay);
            }
        }
        EXPECT_EQ(found, 1);
    }
}

TEST(MonthTable, MonthsListOfPhasesAndTermsInTimeOrder) {
    const std::optional<MonthTable> table = app::monthTable(2026, 12, TOKYO_LAT, TOKYO_LON);
    ASSERT_TRUE(table);
    const std::pair<int, const char*> expected[] = {{1, "下弦"},  {7, "大雪"},  {9, "新月"},
                                                    {17, "上弦"}, {22, "冬至"}, {24, "満月"},
                                                    {31, "下弦"}};
    ASSERT_EQ(table->phasesAndTerms.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(table->phasesAndTerms[i].day, expected[i].first);
        EXPECT_EQ(table->phasesAndTerms[i].name, expected[i].second);
    }
}

TEST(MonthTable, MonthsOutsideTheRangeOrTheAlmanac) {
    EXPECT_FALSE(app::monthTable(2026, 0, TOKYO_LAT, TOKYO_LON));
    EXPECT_FALSE(app::monthTable(2026, 13, TOKYO_LAT, TOKYO_LON));
    EXPECT_FALSE(app::monthTable(40000, 1, TOKYO_LAT, TOKYO_LON));
    // Before the almanac's years the days still have their events, without 旧暦 or phases.
    const std::optional<MonthTable> early = app::monthTable(1700, 3, TOKYO_LAT, TOKYO_LON);
    ASSERT_TRUE(early);
    EXPECT_EQ(early->rows.size(), 31u);
    EXPECT_FALSE(early->rows.front().lunisolar);
    EXPECT_TRUE(early->phasesAndTerms.empty());
    EXPECT_FALSE(early->rows.front().sunRises.empty());
}

}  // namespace
