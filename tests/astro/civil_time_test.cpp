// The JST date and time of a Julian day, against the calculation's own reckoning of typed
// dates: round trips over many instants and across October 1582, the rounding to the
// second, negative years and the ends of the range.
#include "astro/civil_time.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "astro/calculation.h"
#include "astro/julian_day.h"

namespace {

using astro::CivilTime;
using astro::civilTimeOf;

// The Julian day (UT) the calculation gives for date and time fields typed in JST.
double typedJulianDay(int year, int month, int day, int hour, int minute, double second) {
    const double utDay = astro::dayWithTime(day, hour, minute, second);
    const std::optional<double> jd =
        astro::ymdYD(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), utDay);
    EXPECT_TRUE(jd.has_value());
    return jd.value_or(0.0);
}

std::string text(const CivilTime& t) {
    return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day) +
           " " + std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" +
           std::to_string(t.second);
}

// Expects `jd` to read as exactly the fields given.
void expectFields(double jd, const CivilTime& want) {
    const std::optional<CivilTime> got = civilTimeOf(jd);
    ASSERT_TRUE(got.has_value()) << "jd " << jd;
    EXPECT_EQ(text(*got), text(want)) << "jd " << std::to_string(jd);
}

// Expects the typed fields to come back unchanged through their Julian day.
void expectRoundTrip(const CivilTime& typed) {
    expectFields(
        typedJulianDay(typed.year, typed.month, typed.day, typed.hour, typed.minute, typed.second),
        typed);
}

TEST(CivilTime, WorkedExamples) {
    expectFields(2451545.0, {2000, 1, 1, 21, 0, 0});   // J2000.0, noon UT
    expectFields(0.0, {-4712, 1, 1, 21, 0, 0});        // the origin, Julian calendar
    expectFields(2451544.125, {2000, 1, 1, 0, 0, 0});  // midnight JST is 15:00 UT before
    expectFields(2451544.125 - 1.0 / 86400, {1999, 12, 31, 23, 59, 59});
    expectFields(1721423.5 - 0.375, {1, 1, 1, 0, 0, 0});
    expectFields(1721117.5 - 0.375, {0, 3, 1, 0, 0, 0});
}

TEST(CivilTime, RoundTripsOfTypedFieldsOverSevenThousandYears) {
    std::mt19937_64 random(20241208);
    std::uniform_int_distribution<int> year(-4000, 3000);
    std::uniform_int_distribution<int> month(1, 12);
    std::uniform_int_distribution<int> hour(0, 23);
    std::uniform_int_distribution<int> minuteOrSecond(0, 59);
    for (int i = 0; i < 200000; ++i) {
        CivilTime t{year(random), month(random),          1,
                    hour(random), minuteOrSecond(random), minuteOrSecond(random)};
        t.day = std::uniform_int_distribution<int>(1, astro::daysInMonth(t.year, t.month))(random);
        if (t.year == 1582 && t.month == 10 && t.day > 4 && t.day < 15) continue;  // never were
        expectRoundTrip(t);
        if (HasFailure()) return;
    }
}

TEST(CivilTime, EveryMinuteAcrossTheCalendarReformOf1582) {
    // 1 to 4 October (Julian) and 15 to 18 October (Gregorian), every minute of the day with
    // a second of 0 and of 59.
    for (const int day : {1, 2, 3, 4, 15, 16, 17, 18, 31}) {
        for (int minuteOfDay = 0; minuteOfDay < 1440; ++minuteOfDay) {
            for (const int second : {0, 59}) {
                expectRoundTrip({1582, 10, day, minuteOfDay / 60, minuteOfDay % 60, second});
            }
        }
        if (HasFailure()) return;
    }
    // The last Julian second and the first Gregorian one are one second apart.
    const double first = typedJulianDay(1582, 10, 15, 0, 0, 0);
    EXPECT_EQ(first, 2299160.125);
    expectFields(first, {1582, 10, 15, 0, 0, 0});
    expectFields(first - 1.0 / 86400, {1582, 10, 4, 23, 59, 59});
    EXPECT_NEAR(first - typedJulianDay(1582, 10, 4, 23, 59, 59), 1.0 / 86400, 1e-9);
    // The dates that never existed read as the Julian dates they were typed as, that is ten
    // days later in the Gregorian calendar.
    expectFields(typedJulianDay(1582, 10, 10, 12, 0, 0), {1582, 10, 20, 12, 0, 0});
    // Leap days on both sides: 1500 was a Julian leap year, 1600 a Gregorian one.
    expectRoundTrip({1500, 2, 29, 23, 59, 59});
    expectRoundTrip({1600, 2, 29, 0, 0, 0});
    expectFields(typedJulianDay(1700, 2, 29, 12, 0, 0), {1700, 3, 1, 12, 0, 0});
}

TEST(CivilTime, RoundsToTheNearestSecondHalvesUp) {
    // Half a second typed comes back as the next second, carried through the minutes,
    // hours, days, months and years; less than half is dropped.
    expectFields(typedJulianDay(2024, 12, 31, 23, 59, 59.5), {2025, 1, 1, 0, 0, 0});
    expectFields(typedJulianDay(2024, 12, 31, 23, 59, 59.49), {2024, 12, 31, 23, 59, 59});
    expectFields(typedJulianDay(1582, 10, 4, 23, 59, 59.5), {1582, 10, 15, 0, 0, 0});
    expectFields(typedJulianDay(-1000, 2, 28, 23, 59, 59.5), {-1000, 2, 29, 0, 0, 0});
    expectFields(typedJulianDay(3000, 6, 30, 23, 59, 59.5), {3000, 7, 1, 0, 0, 0});
    expectFields(typedJulianDay(32000, 6, 30, 12, 30, 29.5), {32000, 6, 30, 12, 30, 30});
    // Any half second over the years, wherever the Julian day's last bit falls.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> year(-30000, 30000);
    for (int i = 0; i < 20000; ++i) {
        const int y = year(random);
        expectFields(typedJulianDay(y, 5, 10, 8, 20, 30.5), {y, 5, 10, 8, 20, 31});
        expectFields(typedJulianDay(y, 5, 10, 8, 20, 30.4), {y, 5, 10, 8, 20, 30});
        if (HasFailure()) return;
    }
}

TEST(CivilTime, NegativeYearsAndJulianDays) {
    // Year 0 and -4 are Julian leap years, -1 is not.
    expectRoundTrip({0, 2, 29, 12, 0, 0});
    expectRoundTrip({-4, 2, 29, 12, 0, 0});
    expectFields(typedJulianDay(-1, 2, 29, 12, 0, 0), {-1, 3, 1, 12, 0, 0});
    expectRoundTrip({-4713, 12, 31, 23, 59, 59});  // before Julian day 0
    expectRoundTrip({-32768, 3, 1, 0, 0, 0});
    expectRoundTrip({-32000, 1, 1, 0, 0, 0});
    EXPECT_LT(typedJulianDay(-32000, 1, 1, 0, 0, 0), -9e6);
    expectFields(-0.5, {-4712, 1, 1, 9, 0, 0});  // midnight UT
    expectFields(-1.0, {-4713, 12, 31, 21, 0, 0});
}

TEST(CivilTime, NothingBeyondTheSixteenBitYears) {
    expectRoundTrip({32767, 12, 31, 23, 59, 59});
    const double last = typedJulianDay(32767, 12, 31, 23, 59, 59);
    EXPECT_FALSE(civilTimeOf(last + 1.0 / 86400).has_value());
    // 1 January -32768 (Julian) at 00:00 JST, reached from March by days counted back.
    const double first = typedJulianDay(-32768, 3, -59, 0, 0, 0);
    expectFields(first, {-32768, 1, 1, 0, 0, 0});
    EXPECT_FALSE(civilTimeOf(first - 1.0 / 86400).has_value());
    for (const double jd : {1e300, -1e300, 1e8, std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(civilTimeOf(jd).has_value()) << jd;
    }
}

TEST(CivilTime, DaysInMonthFollowTheCalendarOfTheYear) {
    EXPECT_EQ(astro::daysInMonth(2024, 2), 29);
    EXPECT_EQ(astro::daysInMonth(2023, 2), 28);
    EXPECT_EQ(astro::daysInMonth(2000, 2), 29);
    EXPECT_EQ(astro::daysInMonth(1900, 2), 28);
    EXPECT_EQ(astro::daysInMonth(1500, 2), 29);  // Julian
    EXPECT_EQ(astro::daysInMonth(1582, 2), 28);
    EXPECT_EQ(astro::daysInMonth(0, 2), 29);
    EXPECT_EQ(astro::daysInMonth(-1, 2), 28);
    EXPECT_EQ(astro::daysInMonth(-100, 2), 29);  // Julian: every fourth year
    EXPECT_EQ(astro::daysInMonth(1582, 10), 31);
    EXPECT_EQ(astro::daysInMonth(2024, 4), 30);
    EXPECT_EQ(astro::daysInMonth(2024, 12), 31);
    EXPECT_EQ(astro::daysInMonth(2024, 13), 0);
    EXPECT_EQ(astro::daysInMonth(2024, 0), 0);
    // Agrees with the reckoning: the day after the last is the 1st of the next month.
    for (int year = -2000; year <= 2400; year += 7) {
        for (int month = 1; month <= 12; ++month) {
            if (year == 1582 && month == 10) continue;
            const int last = astro::daysInMonth(year, month);
            expectRoundTrip({year, month, last, 0, 0, 0});
            expectFields(typedJulianDay(year, month, last + 1, 0, 0, 0),
                         {month == 12 ? year + 1 : year, month % 12 + 1, 1, 0, 0, 0});
        }
        if (HasFailure()) return;
    }
}

}  // namespace
