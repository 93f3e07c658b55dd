// The day's events as the list shows them: times to the nearest minute, events that do not
// happen or happen twice, transit altitudes, and the sentences for a body up or down all
// day.
#include "app/core/day_summary.h"

#include <gtest/gtest.h>

namespace {

using astro::AltitudeSample;
using astro::DayEvent;
using astro::DayEventKind;

// 2024-12-08 00:00 JST as a Julian day (UT).
constexpr double DAY_START = 2460652.125;

double at(int hour, int minute, double second) {
    return DAY_START + (hour * 3600 + minute * 60 + second) / 86400.0;
}

// An event shown at a clock time of the day, its instant that very second.
DayEvent event(DayEventKind kind, int hour, int minute, int second, double altitude) {
    const int clockSeconds = hour * 3600 + minute * 60 + second;
    return {kind, at(hour, minute, second), altitude, astro::Body::Sun, clockSeconds};
}

// A day's samples with the Sun and the Moon at the same altitudes all day, and the altitudes
// at which they rise: the Sun's about -0.85 degrees, the Moon's +0.31 to +0.44 with its
// distance.
std::vector<AltitudeSample> samples(double sun, double moon, double moonRising = 0.37) {
    std::vector<AltitudeSample> out;
    for (int i = 0; i <= 24; ++i)
        out.push_back({DAY_START + i / 24.0, sun, moon, -0.85, moonRising});
    return out;
}

std::string value(const std::vector<app::DayRow>& rows, const std::string& name) {
    for (const app::DayRow& row : rows) {
        if (row.name == name) return row.value;
    }
    return "(no row " + name + ")";
}

// An event is shown at its own clock second to the nearest minute, halves up, in the chart
// and the rows alike; the instant it carries plays no part. A crossing at 06:37:29.6 is the
// clock second 06:37:30, so 06:38, however its instant would round.
TEST(DaySummary, TimesAreTheEventsOwnClockSecondToTheNearestMinute) {
    const struct {
        int clockSeconds;
        double julianDay;
        int minute;
    } cases[] = {
        {6 * 3600 + 37 * 60 + 29, at(6, 37, 29), 6 * 60 + 37},
        {6 * 3600 + 37 * 60 + 30, at(6, 37, 29.6), 6 * 60 + 38},
        {6 * 3600 + 37 * 60 + 30, at(6, 37, 29.4), 6 * 60 + 38},
        {6 * 3600 + 37 * 60, at(6, 37, 0), 6 * 60 + 37},
        {0, DAY_START, 0},
        {23 * 3600 + 59 * 60 + 30, at(23, 59, 30), 1440},
    };
    for (const auto& c : cases) {
        const DayEvent e{DayEventKind::SunRise, c.julianDay, -0.8333, astro::Body::Sun,
                         c.clockSeconds};
        EXPECT_EQ(app::shownMinute(e), c.minute) << c.clockSeconds;
    }
    EXPECT_EQ(app::clockText(6 * 60 + 8), "06:08");
    EXPECT_EQ(app::clockText(0), "00:00");
    EXPECT_EQ(app::clockText(1440), "24:00");
}

TEST(DaySummary, RowsOfAnOrdinaryDay) {
    const std::vector<DayEvent> events = {
        event(DayEventKind::AstronomicalDawn, 5, 7, 10, -18),
        event(DayEventKind::NauticalDawn, 5, 38, 0, -12),
        event(DayEventKind::CivilDawn, 6, 9, 45, -6),
        event(DayEventKind::SunRise, 6, 37, 31, -0.8333),
        event(DayEventKind::SunTransit, 11, 32, 40, 31.55),
        event(DayEventKind::MoonRise, 11, 49, 0, 0.125),
        event(DayEventKind::SunSet, 16, 28, 0, -0.8333),
        event(DayEventKind::CivilDusk, 16, 56, 0, -6),
        event(DayEventKind::NauticalDusk, 17, 28, 0, -12),
        event(DayEventKind::MoonTransit, 17, 31, 0, -2.04),
        event(DayEventKind::AstronomicalDusk, 17, 59, 0, -18),
        event(DayEventKind::MoonSet, 23, 22, 0, 0.125),
    };
    const app::DaySummary s = app::summariseDay(events, samples(0, 0), 7.249, ",");
    ASSERT_EQ(s.sun.size(), 3u);
    EXPECT_EQ(s.sun[0].name, "日の出");
    EXPECT_EQ(s.sun[0].value, "06:38");
    EXPECT_EQ(value(s.sun, "南中"), "11:33（高度 31,6°）");
    EXPECT_EQ(value(s.sun, "日の入り"), "16:28");
    ASSERT_EQ(s.twilight.size(), 6u);
    EXPECT_EQ(s.twilight[0].name, "天文薄明の始まり");
    EXPECT_EQ(s.twilight[0].value, "05:07");
    EXPECT_EQ(value(s.twilight, "航海薄明の始まり"), "05:38");
    EXPECT_EQ(value(s.twilight, "市民薄明の始まり"), "06:10");
    EXPECT_EQ(value(s.twilight, "市民薄明の終わり"), "16:56");
    EXPECT_EQ(value(s.twilight, "航海薄明の終わり"), "17:28");
    EXPECT_EQ(s.twilight[5].name, "天文薄明の終わり");
    ASSERT_EQ(s.moon.size(), 4u);
    EXPECT_EQ(value(s.moon, "月の出"), "11:49");
    EXPECT_EQ(value(s.moon, "月の南中"), "17:31（高度 -2,0°）");
    EXPECT_EQ(value(s.moon, "月の入り"), "23:22");
    EXPECT_EQ(value(s.moon, "月齢"), "7,2");
    EXPECT_TRUE(s.notes.empty());
}

TEST(DaySummary, MissingAndTwiceHappeningEvents) {
    const std::vector<DayEvent> events = {
        event(DayEventKind::MoonSet, 0, 12, 0, 0.125),
        event(DayEventKind::SunRise, 6, 0, 0, -0.8333),
        event(DayEventKind::SunSet, 17, 0, 0, -0.8333),
        event(DayEventKind::MoonSet, 23, 59, 45, 0.125),
    };
    const app::DaySummary s = app::summariseDay(events, samples(0, 0), 0.04, ".");
    EXPECT_EQ(value(s.moon, "月の入り"), "00:12、24:00");
    EXPECT_EQ(value(s.moon, "月の出"), "なし");
    EXPECT_EQ(value(s.moon, "月の南中"), "なし");
    EXPECT_EQ(value(s.sun, "南中"), "なし");
    EXPECT_EQ(value(s.twilight, "天文薄明の始まり"), "なし");
    EXPECT_EQ(value(s.moon, "月齢"), "0.0");
    EXPECT_TRUE(s.notes.empty());  // rising or setting happens: no body stays up or down
}

TEST(DaySummary, SentencesForABodyUpOrDownAllDay) {
    const std::vector<DayEvent> none;
    EXPECT_EQ(app::summariseDay(none, samples(10, -10), 1, ".").notes,
              (std::vector<std::string>{"太陽は一日中地平線の上にあります（白夜）。",
                                        "月は一日中地平線の下にあります。"}));
    EXPECT_EQ(app::summariseDay(none, samples(-30, 20), 1, ".").notes,
              (std::vector<std::string>{"太陽は一日中地平線の下にあります（極夜）。",
                                        "月は一日中地平線の上にあります。"}));
    // The levels are those of rising and setting: the Sun's centre at -0.5° is still up, the
    // Moon's at +0.1° still down.
    EXPECT_EQ(app::summariseDay(none, samples(-0.5, 0.1), 1, ".").notes,
              (std::vector<std::string>{"太陽は一日中地平線の上にあります（白夜）。",
                                        "月は一日中地平線の下にあります。"}));
    // Each sample's own rising altitude: the Moon at +0.4° is up when it rises at +0.31°
    // (far), down when it rises at +0.44° (near).
    EXPECT_EQ(app::summariseDay(none, samples(10, 0.4, 0.31), 1, ".").notes.back(),
              "月は一日中地平線の上にあります。");
    EXPECT_EQ(app::summariseDay(none, samples(10, 0.4, 0.44), 1, ".").notes.back(),
              "月は一日中地平線の下にあります。");
    // Either side at some sample: no sentence.
    std::vector<AltitudeSample> mixed = samples(10, 10);
    mixed[5].sunAltitude = -10;
    mixed[20].moonAltitude = -10;
    EXPECT_TRUE(app::summariseDay(none, mixed, 1, ".").notes.empty());
    // No samples, no day.
    const app::DaySummary empty = app::summariseDay(none, {}, 1, ".");
    EXPECT_TRUE(empty.sun.empty() && empty.moon.empty() && empty.notes.empty());
}

}  // namespace
