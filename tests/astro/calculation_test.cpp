// The calculation pass over entered numbers: the time arithmetic, the order of its steps,
// and the numbers it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "astro/calculation.h"
#include "astro/ephemeris.h"
#include "astro/moon_phase.h"

namespace {

using astro::EnteredValues;
using astro::PassFaultKind;

constexpr double kInf = std::numeric_limits<double>::infinity();

astro::WorkingVariables passAt(const EnteredValues& entered) {
    astro::WorkingVariables v;
    const auto fault = astro::calculatePass(v, entered);
    EXPECT_FALSE(fault.has_value());
    return v;
}

TEST(TimeArithmetic, WorkedExampleOfJ2000) {
    EXPECT_EQ(astro::dayWithTime(1, 21, 0, 0), 1.5);
    EXPECT_EQ(astro::hourOfDay(1.5), 12.0);
    const auto v = passAt({2000, 1, 1, 21, 0, 0, 35.65, 139.75});
    EXPECT_EQ(v.julianDay, 2451545.0);
    EXPECT_EQ(v.julianCenturies, 0.0);
    EXPECT_NEAR(v.sunRightAscension, 18.752231927, 1e-9);
    EXPECT_NEAR(v.moonRightAscension, 14.830020975, 1e-9);
}

TEST(TimeArithmetic, JapanStandardTimeOffsetAndOverflowingFields) {
    EXPECT_EQ(astro::dayWithTime(1, 9, 0, 0), 1.0);
    EXPECT_EQ(passAt({2024, 5, 1, 24, 0, 0, 35, 135}).julianDay,
              passAt({2024, 5, 2, 0, 0, 0, 35, 135}).julianDay);
    EXPECT_NEAR(passAt({2024, 5, 1, 9, 90, 0, 35, 135}).julianDay,
                passAt({2024, 5, 1, 10, 30, 0, 35, 135}).julianDay, 1e-9);
    // Before 09:00 on the 1st the UT date is the last day of the month before.
    const double d = astro::dayWithTime(1, 5, 0, 0);
    EXPECT_LT(d, 1.0);
    EXPECT_NEAR(astro::hourOfDay(d), 20.0, 1e-9);
    EXPECT_EQ(passAt({2024, 3, 1, 5, 0, 0, 35, 135}).julianDay,
              passAt({2024, 2, 29, 29, 0, 0, 35, 135}).julianDay);
}

TEST(TimeArithmetic, NegativeDayGivesNegativeHourThatSiderealTimeAbsorbs) {
    const double d = astro::dayWithTime(0, 3, 0, 0);  // -0.25 days
    EXPECT_LT(d, 0.0);
    EXPECT_NEAR(astro::hourOfDay(d), -6.0, 1e-12);
    const auto v = passAt({2024, 1, 0, 3, 0, 0, 35, 135});
    EXPECT_GE(v.siderealTime, -0.001);
    EXPECT_LT(v.siderealTime, 24.001);
}

// October 1582 as typed in Japan Standard Time: every date before the 15th is reckoned in
// the Julian calendar, every date from the 15th on in the Gregorian one. Julian day numbers
// reckoned by hand: 1582-10-0.0 is 2299155.5 in the Julian calendar, 2299145.5 in the
// Gregorian (B = -10), and the UT day is the JST day and time less 9 hours.
TEST(CalculationPass, CalendarReformOf1582AsTypedInJapanStandardTime) {
    const auto jdAt = [](double day, double hour, double minute, double second) {
        return passAt({1582, 10, day, hour, minute, second, 35.65, 139.75}).julianDay;
    };
    // The last second of 14 October JST (UT day 14.62499), still Julian.
    EXPECT_NEAR(jdAt(14, 23, 59, 59), 2299170.125 - 1.0 / 86400, 1e-8);
    // One second later, 15 October 00:00 JST (UT day 14.625): Gregorian.
    EXPECT_EQ(jdAt(15, 0, 0, 0), 2299160.125);
    // 15 October 08:59 JST, whose UT day is still the 14th: Gregorian.
    EXPECT_NEAR(jdAt(15, 8, 59, 0), 2299160.125 + 8.0 / 24 + 59.0 / 1440, 1e-8);
    // 4 October and 10 October (a day that never existed), both at 12:00 JST: Julian.
    EXPECT_EQ(jdAt(4, 12, 0, 0), 2299159.625);
    EXPECT_EQ(jdAt(10, 12, 0, 0), 2299165.625);
    EXPECT_EQ(jdAt(10, 0, 0, 0), 2299165.125);
}

TEST(CalculationPass, AllBoxesEmptyStillCalculates) {
    const auto v = passAt({0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(std::isfinite(v.sunAltitude));
    EXPECT_TRUE(std::isfinite(v.moonAzimuth));
    EXPECT_EQ(v.latitude, 0.0);
}

TEST(CalculationPass, YearAndMonthRoundHalfToEven) {
    EXPECT_EQ(*astro::toInt16RoundHalfEven(2.5), 2);
    EXPECT_EQ(*astro::toInt16RoundHalfEven(3.5), 4);
    EXPECT_EQ(*astro::toInt16RoundHalfEven(-2.5), -2);
    EXPECT_EQ(*astro::toInt16RoundHalfEven(32767.4), 32767);
    EXPECT_EQ(*astro::toInt16RoundHalfEven(-32768.5), -32768);
    EXPECT_FALSE(astro::toInt16RoundHalfEven(32767.5));
    EXPECT_FALSE(astro::toInt16RoundHalfEven(-32769));
    EXPECT_FALSE(astro::toInt16RoundHalfEven(1e10));
    EXPECT_EQ(passAt({2024, 2.5, 10, 12, 0, 0, 35, 135}).julianDay,
              passAt({2024, 2, 10, 12, 0, 0, 35, 135}).julianDay);
    EXPECT_EQ(passAt({2024, 3.5, 10, 12, 0, 0, 35, 135}).julianDay,
              passAt({2024, 4, 10, 12, 0, 0, 35, 135}).julianDay);
}

TEST(CalculationPass, HorizonCoordinatesOfBothBodies) {
    // 2000-01-01 21:00 JST at Tokyo: the Sun is down, in the north-west to north.
    const auto v = passAt({2000, 1, 1, 21, 0, 0, 35.65, 139.75});
    EXPECT_LT(v.sunAltitude, -40);
    EXPECT_GE(v.sunAzimuth, 0);
    EXPECT_LT(v.sunAzimuth, 360);
    // 2000-01-01 12:00 JST: the Sun is near culmination, low in the south.
    const auto noon = passAt({2000, 1, 1, 12, 0, 0, 35.65, 139.75});
    EXPECT_NEAR(noon.sunAltitude, 90 - 35.65 - 23.0, 1.5);
    EXPECT_NEAR(noon.sunAzimuth, 180, 5);
    // The second slot pair holds the Moon's.
    EXPECT_EQ(noon.horizonAltitude, noon.moonAltitude);
    EXPECT_EQ(noon.horizonAzimuth, noon.moonAzimuth);
}

TEST(CalculationPass, OverwritesEverythingFromTheEntries) {
    astro::WorkingVariables fresh;
    astro::WorkingVariables reused = passAt({1990, 7, 4, 3, 0, 0, -33.87, 151.2});
    astro::calculateHourLater(reused);
    const EnteredValues entered{2024, 12, 8, 11, 29, 30, 43.067, 141.35};
    ASSERT_FALSE(astro::calculatePass(fresh, entered));
    ASSERT_FALSE(astro::calculatePass(reused, entered));
    EXPECT_EQ(fresh.julianCenturies, reused.julianCenturies);
    EXPECT_EQ(fresh.sunAltitude, reused.sunAltitude);
    EXPECT_EQ(fresh.moonAzimuth, reused.moonAzimuth);
    EXPECT_EQ(fresh.siderealTime, reused.siderealTime);
}

TEST(HourLater, ShiftsOnlyTheEphemeris) {
    auto v = passAt({2024, 12, 8, 11, 0, 0, 35.65, 139.75});
    const auto first = v;
    astro::calculateHourLater(v);
    EXPECT_EQ(v.julianDay, first.julianDay);
    EXPECT_EQ(v.julianCenturies, (first.julianDay + 1.0 / 24.0 - 2451545.0) / 36525.0);
    EXPECT_EQ(v.siderealTime, first.siderealTime);
    EXPECT_EQ(v.sunAltitude, first.sunAltitude);
    EXPECT_EQ(v.moonAzimuth, first.moonAzimuth);
    // The Moon moves about half a degree an hour, about 0.036 h of right ascension.
    EXPECT_NEAR(v.moonRightAscension - first.moonRightAscension, 0.036, 0.02);
}

TEST(CalculationPass, RefusesWhatItCannotCarry) {
    astro::WorkingVariables v;
    v.sunAltitude = 12.5;  // must survive every refused pass
    const EnteredValues ok{2024, 12, 8, 11, 0, 0, 35.65, 139.75};
    for (std::size_t field = 0; field < ok.size(); ++field) {
        for (double bad : {kInf, -kInf, std::numeric_limits<double>::quiet_NaN()}) {
            EnteredValues entered = ok;
            entered[field] = bad;
            const auto fault = astro::calculatePass(v, entered);
            ASSERT_TRUE(fault);
            EXPECT_EQ(fault->kind, PassFaultKind::NotFinite);
            EXPECT_EQ(fault->field, field);
        }
    }
    auto fault = astro::calculatePass(v, {32768, 1, 1, 0, 0, 0, 0, 0});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, PassFaultKind::OutsideSixteenBits);
    EXPECT_EQ(fault->field, astro::YEAR);
    fault = astro::calculatePass(v, {-32768, 2, 1, 0, 0, 0, 0, 0});  // year - 1 would wrap
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, astro::YEAR);
    fault = astro::calculatePass(v, {2000, 32756, 1, 0, 0, 0, 0, 0});  // month + 12 would wrap
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, astro::MONTH);
    fault = astro::calculatePass(v, {2000, -40000, 1, 0, 0, 0, 0, 0});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->field, astro::MONTH);
    // Finite fields whose sum or square would leave the range of a double.
    fault = astro::calculatePass(v, {2000, 1, 1e308, 0, 0, 1e308, 0, 0});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, PassFaultKind::InstantOutOfRange);
    fault = astro::calculatePass(v, {2000, 1, 1e300, 0, 0, 0, 0, 0});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, PassFaultKind::InstantOutOfRange);
    EXPECT_EQ(v.sunAltitude, 12.5);
}

// Every result of a whole calculation, as the calculate command makes it.
void expectAllFinite(const EnteredValues& entered) {
    astro::WorkingVariables v;
    if (astro::calculatePass(v, entered)) return;
    astro::computeMoonPhase(v);
    const astro::WorkingVariables first = v;
    astro::calculateHourLater(v);
    astro::computeMoonPhase(v);
    for (const astro::WorkingVariables* r :
         {&first, static_cast<const astro::WorkingVariables*>(&v)}) {
        for (double x :
             {r->sunRightAscension, r->sunDeclination, r->moonRightAscension, r->moonDeclination,
              r->sunAltitude, r->sunAzimuth, r->moonAltitude, r->moonAzimuth, r->siderealTime,
              r->illuminatedFraction, r->limbZenithAngle}) {
            ASSERT_TRUE(std::isfinite(x)) << entered[0] << " " << entered[2] << " " << entered[6];
        }
        ASSERT_GE(r->limbZenithAngle, 0.0);
        ASSERT_LT(r->limbZenithAngle, 360.0);
        ASSERT_GE(r->illuminatedFraction, 0.0);
        ASSERT_LE(r->illuminatedFraction, 1.0);
        ASSERT_EQ(r->equationOfTimeCaption.find("nan"), std::string::npos);
    }
}

TEST(CalculationPass, FiniteEntriesGiveFiniteResults) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> unit(-1, 1);
    const double scales[] = {1, 10, 1e3, 1e6, 1e12, 1e100, 1e300, 1e308};
    for (int i = 0; i < 3000; ++i) {
        EnteredValues e;
        for (double& x : e) x = unit(rng) * scales[rng() % std::size(scales)];
        expectAllFinite(e);
    }
    expectAllFinite({-32768, 3, 1, 0, 0, 0, 90, 0});
    expectAllFinite({32767, 12, 31, 23, 59, 59, -90, 180});
    expectAllFinite({2024, 6, 21, 12, 0, 0, 23.44, 135});
    expectAllFinite({2024, 6, 21, 12, 0, 0, 1e308, -1e308});
}

}  // namespace
