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
DayEvent event(DayEventKind kind, int hour, int minute, int second, double altitude,
               double azimuth = 0.0) {
    const int clockSeconds = hour * 3600 + minute * 60 + second;
    return {kind, at(hour, minute, second), altitude, astro::Body::Sun, clockSeconds, azimuth};
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
        event(DayEventKind::SunRise, 6, 37, 31, -0.8333, 117.4),
        event(DayEventKind::SunTransit, 11, 32, 40, 31.55),
        event(DayEventKind::MoonRise, 11, 49, 0, 0.125, 359.6),
        event(DayEventKind::SunSet, 16, 28, 0, -0.8333, 242.5),
        event(DayEventKind::CivilDusk, 16, 56, 0, -6),
        event(DayEventKind::NauticalDusk, 17, 28, 0, -12),
        event(DayEventKind::MoonTransit, 17, 31, 0, -2.04),
        event(DayEventKind::AstronomicalDusk, 17, 59, 0, -18),
        event(DayEventKind::MoonSet, 23, 22, 0, 0.125, 0.4),
    };
    const app::DaySummary s = app::summariseDay(events, samples(0, 0), 7.249, ",");
    ASSERT_EQ(s.sun.size(), 3u);
    EXPECT_EQ(s.sun[0].name, "日の出");
    EXPECT_EQ(s.sun[0].value, "06:38（方位 117°）");
    EXPECT_EQ(value(s.sun, "南中"), "11:33（高度 31,6°）");
    EXPECT_EQ(value(s.sun, "日の入り"), "16:28（方位 243°）");
    ASSERT_EQ(s.twilight.size(), 6u);
    EXPECT_EQ(s.twilight[0].name, "天文薄明の始まり");
    EXPECT_EQ(s.twilight[0].value, "05:07");
    EXPECT_EQ(value(s.twilight, "航海薄明の始まり"), "05:38");
    EXPECT_EQ(value(s.twilight, "市民薄明の始まり"), "06:10");
    EXPECT_EQ(value(s.twilight, "市民薄明の終わり"), "16:56");
    EXPECT_EQ(value(s.twilight, "航海薄明の終わり"), "17:28");
    EXPECT_EQ(s.twilight[5].name, "天文薄明の終わり");
    ASSERT_EQ(s.moon.size(), 4u);
    EXPECT_EQ(value(s.moon, "月の出"), "11:49（方位 0°）");
    EXPECT_EQ(value(s.moon, "月の南中"), "17:31（高度 -2,0°）");
    EXPECT_EQ(value(s.moon, "月の入り"), "23:22（方位 0°）");
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
    const app::DaySummary s = app::summariseDay(events, samples(-20, 0), 0.04, ".");
    EXPECT_EQ(value(s.moon, "月の入り"), "00:12（方位 0°）、24:00（方位 0°）");
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
    mixed[5].sunAltitude = -30;
    mixed[20].moonAltitude = -10;
    EXPECT_TRUE(app::summariseDay(none, mixed, 1, ".").notes.empty());
    // No samples, no day.
    const app::DaySummary empty = app::summariseDay(none, {}, 1, ".");
    EXPECT_TRUE(empty.sun.empty() && empty.moon.empty() && empty.notes.empty());
}

// A night that never gets dark: the Sun sets but its lowest sample stays above a twilight
// level whose dawn and dusk do not happen; the sentence names the shallowest such level. A
// Sun up all day has its own sentence and no other.
TEST(DaySummary, SentenceForANightThatStaysInTwilight) {
    using K = DayEventKind;
    const std::vector<DayEvent> setsAndRises = {event(K::SunSet, 0, 30, 0, -0.83),
                                                event(K::SunRise, 2, 30, 0, -0.83)};
    std::vector<DayEvent> civilToo = setsAndRises;
    civilToo.push_back(event(K::CivilDusk, 1, 0, 0, -6));
    civilToo.push_back(event(K::CivilDawn, 2, 0, 0, -6));
    std::vector<DayEvent> nauticalToo = civilToo;
    nauticalToo.push_back(event(K::NauticalDusk, 1, 10, 0, -12));
    nauticalToo.push_back(event(K::NauticalDawn, 1, 50, 0, -12));
    std::vector<DayEvent> allLevels = nauticalToo;
    allLevels.push_back(event(K::AstronomicalDusk, 1, 20, 0, -18));
    allLevels.push_back(event(K::AstronomicalDawn, 1, 40, 0, -18));
    const struct {
        const std::vector<DayEvent>* events;
        double lowestSun;
        std::string sentence;  // empty: none
    } cases[] = {
        {&setsAndRises, -1.6, "太陽は一晩中 −6° より下に沈まず、夜の間も市民薄明が続きます。"},
        {&civilToo, -9, "太陽は一晩中 −12° より下に沈まず、夜の間も航海薄明が続きます。"},
        {&nauticalToo, -15, "太陽は一晩中 −18° より下に沈まず、夜の間も天文薄明が続きます。"},
        {&allLevels, -20, ""},
    };
    for (const auto& c : cases) {
        std::vector<AltitudeSample> day = samples(10, 10);
        day[3].sunAltitude = c.lowestSun;
        day[3].moonAltitude = -10;  // the Moon rises and sets: no sentence of its own
        const std::vector<std::string> notes = app::summariseDay(*c.events, day, 1, ".").notes;
        EXPECT_EQ(notes, c.sentence.empty() ? std::vector<std::string>{}
                                            : std::vector<std::string>{c.sentence})
            << c.lowestSun;
    }
    // Up all day: 白夜 alone, though no twilight happens.
    EXPECT_EQ(app::summariseDay({}, samples(5, 10), 1, ".").notes,
              (std::vector<std::string>{"太陽は一日中地平線の上にあります（白夜）。",
                                        "月は一日中地平線の上にあります。"}));
}

}  // namespace
