// The equation of time and its caption.
#include <gtest/gtest.h>

#include "astro/calculation.h"
#include "astro/equation_of_time.h"
#include "astro/julian_day.h"
#include "astro/moon_phase.h"

namespace {

using astro::equationOfTimeCaption;

TEST(EquationOfTimeCaption, BlanksUnitsAndSign) {
    EXPECT_EQ(equationOfTimeCaption(0), " 0分 0秒");
    EXPECT_EQ(equationOfTimeCaption(5.5), " 5分 30秒");
    EXPECT_EQ(equationOfTimeCaption(5.999), " 5分 59秒");  // seconds truncate
    EXPECT_EQ(equationOfTimeCaption(-0.25), "- 0分 15秒");
    EXPECT_EQ(equationOfTimeCaption(-16.5), "- 16分 30秒");
    EXPECT_EQ(equationOfTimeCaption(14.25), " 14分 15秒");
    // The sign is that of E, also under a second below zero, where both numbers show 0.
    EXPECT_EQ(equationOfTimeCaption(-0.001), "- 0分 0秒");
    EXPECT_EQ(equationOfTimeCaption(-1e-300), "- 0分 0秒");
    EXPECT_EQ(equationOfTimeCaption(-0.999 / 60.0), "- 0分 0秒");
    EXPECT_EQ(equationOfTimeCaption(-1.0 / 60.0), "- 0分 1秒");
    EXPECT_EQ(equationOfTimeCaption(-0.0), " 0分 0秒");  // negative zero is not below zero
    EXPECT_EQ(equationOfTimeCaption(0.001), " 0分 0秒");
}

TEST(MeanSun, AtTheOriginOf1900) {
    EXPECT_NEAR(astro::meanSunRightAscension(2415020.0), 18.646065555, 1e-9);
}

TEST(EquationOfTime, BroughtIntoHalfADayAroundZero) {
    // Mean Sun just past 0 h, apparent Sun just before 24 h: 1 minute, not -1439.
    EXPECT_NEAR(astro::equationOfTimeMinutes(0.01, 23.9933333333), 1.0, 1e-6);
    EXPECT_NEAR(astro::equationOfTimeMinutes(23.99, 0.02), -1.8, 1e-9);
    // A negative mean Sun, as truncation leaves it before 1900.
    EXPECT_NEAR(astro::equationOfTimeMinutes(-5.9, 18.2), -6.0, 1e-9);
    for (double mean = -23.99; mean < 24; mean += 0.37) {
        for (double sun = 0; sun < 24; sun += 0.41) {
            const double e = astro::equationOfTimeMinutes(mean, sun);
            ASSERT_GE(e, -720.0);
            ASSERT_LT(e, 720.0);
        }
    }
}

// The caption for a whole calculation at a JST date and time, as the window makes it.
std::string captionAt(double year, double month, double day, double hour) {
    astro::WorkingVariables v;
    EXPECT_FALSE(astro::calculatePass(v, {year, month, day, hour, 0, 0, 35.65, 139.75}));
    astro::computeMoonPhase(v);
    return v.equationOfTimeCaption;
}

// The signed whole minutes a caption shows.
int minutesOf(const std::string& caption) {
    const bool negative = caption.rfind("-", 0) == 0;
    const int minutes = std::stoi(caption.substr(negative ? 1 : 0));
    return negative ? -minutes : minutes;
}

TEST(EquationOfTime, KnownValuesThroughTheYear) {
    // Mean minus apparent Sun: about -14 min in mid-February, +16 min in early November.
    EXPECT_EQ(minutesOf(captionAt(2024, 2, 11, 12)), -14);
    EXPECT_EQ(minutesOf(captionAt(2024, 11, 3, 12)), 16);
    EXPECT_EQ(minutesOf(captionAt(2024, 7, 26, 12)), -6);
}

TEST(EquationOfTime, AroundTheMarchEquinoxShowsMinutesNotADay) {
    // Around 20 March the apparent Sun passes 0 h a few minutes after the mean Sun: the
    // equation of time stays about -7 to -8 min across the crossing.
    for (int day = 18; day <= 23; ++day) {
        for (int hour = 0; hour < 24; hour += 3) {
            const std::string caption = captionAt(2025, 3, day, hour);
            const int minutes = minutesOf(caption);
            EXPECT_LE(minutes, -6) << day << " " << hour << ": " << caption;
            EXPECT_GE(minutes, -9) << day << " " << hour << ": " << caption;
        }
    }
}

TEST(EquationOfTime, BeforeNineteenHundred) {
    // 1850-01-15: the truncation leaves the mean Sun negative; the equation of time is
    // about -9 min then.
    EXPECT_LT(astro::meanSunRightAscension(*astro::ymdYD(1850, 1, 15.125)), 0.0);
    EXPECT_EQ(minutesOf(captionAt(1850, 1, 15, 12)), -9);
}

}  // namespace
