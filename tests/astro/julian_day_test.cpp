#include "astro/julian_day.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using astro::ymdYD;

double jd(int year, int month, double day) {
    const auto result =
        ymdYD(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), day);
    EXPECT_TRUE(result.has_value()) << year << "-" << month << "-" << day;
    return result.value_or(0.0);
}

TEST(JulianDay, WorkedExamplesAreExact) {
    EXPECT_EQ(jd(2000, 1, 1.5), 2451545.0);
    EXPECT_EQ(jd(1987, 1, 27.0), 2446822.5);
    EXPECT_EQ(jd(1582, 10, 4.0), 2299159.5);
    EXPECT_EQ(jd(1582, 11, 1.0), 2299177.5);
    EXPECT_EQ(jd(0, 3, 1.0), 1721117.5);
    EXPECT_EQ(jd(1, 1, 1.0), 1721423.5);
    EXPECT_EQ(jd(-4712, 1, 1.5), 0.0);
}

TEST(JulianDay, MonthsOutsideTheYearCountOnArithmetically) {
    EXPECT_EQ(jd(2001, 0, 1.0), 2451879.5);
    EXPECT_EQ(jd(2000, 12, 1.0), 2451879.5);
    EXPECT_EQ(jd(2000, 13, 1.0), 2451910.5);
    EXPECT_EQ(jd(2001, 1, 1.0), 2451910.5);
    EXPECT_EQ(jd(2000, 14, 1.0), jd(2001, 2, 1.0));
    EXPECT_EQ(jd(2001, -1, 1.0), jd(2000, 11, 1.0));
}

TEST(JulianDay, DaysOutsideTheMonthCountOnLinearly) {
    EXPECT_EQ(jd(2001, 3, 0.0), jd(2001, 2, 28.0));
    EXPECT_EQ(jd(2000, 3, 0.0), jd(2000, 2, 29.0));  // a leap year
    EXPECT_EQ(jd(2001, 3, -1.0), jd(2001, 2, 27.0));
    EXPECT_EQ(jd(2001, 1, 32.0), jd(2001, 2, 1.0));
    EXPECT_EQ(jd(2000, 1, 1.75) - jd(2000, 1, 1.25), 0.5);
}

TEST(JulianDay, CalendarReformOf1582) {
    // The last Julian day and the first Gregorian one are consecutive.
    EXPECT_EQ(jd(1582, 10, 15.0) - jd(1582, 10, 4.0), 1.0);
    EXPECT_EQ(jd(1582, 11, 1.0) - jd(1582, 10, 4.0), 18.0);
    // The switch lies at UT day 14.625, 15 October 00:00 in Japan Standard Time: the
    // Gregorian reckoning holds from there on, also for the hours of the 15th (JST) whose
    // UT day is still the 14th.
    EXPECT_EQ(jd(1582, 10, 14.625), 2299160.125);
    EXPECT_EQ(jd(1582, 10, 14.625), jd(1582, 10, 15.0) - 0.375);
    EXPECT_EQ(jd(1582, 10, 31.0) + 1.0, jd(1582, 11, 1.0));
    // Before it the Julian one: 4 October, and the days that never existed (typed 5 to 14
    // October JST) counted on from it.
    EXPECT_NEAR(jd(1582, 10, 4.99) - jd(1582, 10, 1.0), 3.99, 1e-9);
    EXPECT_EQ(jd(1582, 10, 10.0), jd(1582, 10, 4.0) + 6.0);
    EXPECT_EQ(jd(1582, 10, 14.5), 2299170.0);
    EXPECT_NEAR(jd(1582, 10, 14.624), 2299170.124, 1e-9);
    EXPECT_EQ(jd(1582, 9, 30.0) + 1.0, jd(1582, 10, 1.0));
}

TEST(JulianDay, YearsAroundZeroFollowTheFloorOf365Point25Y) {
    EXPECT_EQ(jd(1, 1, 1.0) - jd(0, 1, 1.0), 366.0);  // year 0 is a leap year
    EXPECT_EQ(jd(0, 1, 1.0) - jd(-1, 1, 1.0), 365.0);
    EXPECT_EQ(jd(-3, 1, 1.0) - jd(-4, 1, 1.0), 366.0);  // -4 is a leap year too
}

TEST(JulianDay, SixteenBitOverflowIsReportedNotWrapped) {
    constexpr int kMin = std::numeric_limits<std::int16_t>::min();
    constexpr int kMax = std::numeric_limits<std::int16_t>::max();
    EXPECT_FALSE(ymdYD(kMin, 2, 1.0).has_value());
    EXPECT_FALSE(ymdYD(kMin, 1, 1.0).has_value());
    EXPECT_FALSE(ymdYD(kMin, -5, 1.0).has_value());
    EXPECT_TRUE(ymdYD(kMin, 3, 1.0).has_value());
    EXPECT_TRUE(ymdYD(kMin + 1, 1, 1.0).has_value());
    EXPECT_TRUE(ymdYD(2000, 32755, 1.0).has_value());
    EXPECT_FALSE(ymdYD(2000, 32756, 1.0).has_value());
    EXPECT_FALSE(ymdYD(2000, kMax, 1.0).has_value());
    EXPECT_TRUE(ymdYD(kMax, kMin, 1.0).has_value());
}

}  // namespace
