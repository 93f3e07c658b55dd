// Sidereal time and the equatorial-to-horizon conversion: quadrants, hemispheres and the
// singular directions.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/horizon.h"

namespace {

constexpr double kTol = 1e-9;

TEST(SiderealTime, MeanSiderealTimeAtTheEpochNoon) {
    EXPECT_NEAR(astro::greenwichMeanSiderealTime(0, 12), 18.697374558, kTol);
    EXPECT_NEAR(astro::greenwichMeanSiderealTime(0, 0), 6.697374558, kTol);
}

TEST(SiderealTime, StaysInsideTheDayForNegativeHoursAndTimes) {
    for (double t : {-3.0, -0.5, -1e-6, 0.0, 0.25, 2.9}) {
        for (double h : {-23.99, -12.0, -0.01, 0.0, 11.5, 23.99}) {
            const double st = astro::greenwichMeanSiderealTime(t, h);
            EXPECT_GE(st, 0.0) << t << " " << h;
            EXPECT_LT(st, 24.0) << t << " " << h;
        }
    }
}

TEST(SiderealTime, SiderealDayOutrunsTheSolarDay) {
    // One solar day later the sidereal clock stands about 3 min 56.6 s further on.
    const double dayInCenturies = 1.0 / 36525.0;
    const double gain = astro::greenwichMeanSiderealTime(dayInCenturies, 0) -
                        astro::greenwichMeanSiderealTime(0, 0);
    EXPECT_NEAR(gain * 3600, 236.555, 0.01);
}

TEST(SiderealTime, ApparentAddsTheEquationOfTheEquinoxes) {
    astro::WorkingVariables v;
    v.julianCenturies = 0;
    v.nutationLongitude = -0.003781458;
    v.obliquity = 23.43929;
    astro::computeSiderealTime(v, 12);
    const double equinoxes = std::cos(23.43929 * 0.017453292519943) * -0.003781458 / 15;
    EXPECT_NEAR(v.siderealTime, 18.697374558 + equinoxes, kTol);
    EXPECT_LT(equinoxes, 0);
}

class Horizon : public ::testing::Test {
  protected:
    astro::WorkingVariables v;
    // A body at hour angle `hourAngle_deg` (positive west) and declination `dec`.
    void convert(double latitude, double hourAngle_deg, double dec) {
        v.latitude = latitude;
        v.longitude = 0;
        v.siderealTime = 12;
        v.horizonInputRightAscension = 12 - hourAngle_deg / 15;
        v.horizonInputDeclination = dec;
        astro::equatorialToHorizon(v);
    }
};

TEST_F(Horizon, OnTheMeridianSouthOfTheZenith) {
    convert(35, 0, 10);
    EXPECT_NEAR(v.horizonAzimuth, 180, kTol);
    EXPECT_NEAR(v.horizonAltitude, 90 - 35 + 10, kTol);
}

TEST_F(Horizon, OnTheMeridianNorthOfTheZenithIsZeroNot360) {
    convert(35, 0, 60);
    EXPECT_EQ(v.horizonAzimuth, 0.0);
    EXPECT_NEAR(v.horizonAltitude, 90 - 60 + 35, kTol);
    convert(35, 0, 89.9);
    EXPECT_EQ(v.horizonAzimuth, 0.0);
}

TEST_F(Horizon, WestAndEastHalves) {
    for (double h = 5; h < 180; h += 10) {
        convert(35, h, 0);
        EXPECT_GT(v.horizonAzimuth, 180) << h;
        EXPECT_LT(v.horizonAzimuth, 360) << h;
        convert(35, -h, 0);
        EXPECT_GT(v.horizonAzimuth, 0) << h;
        EXPECT_LT(v.horizonAzimuth, 180) << h;
    }
}

TEST_F(Horizon, EquatorAndSouthernHemisphere) {
    convert(0, 0, 20);
    EXPECT_EQ(v.horizonAzimuth, 0.0);
    EXPECT_NEAR(v.horizonAltitude, 70, kTol);
    convert(-35, 0, 10);  // culminates north of the zenith seen from the south
    EXPECT_EQ(v.horizonAzimuth, 0.0);
    EXPECT_NEAR(v.horizonAltitude, 90 - 45, kTol);
    convert(-35, 0, -60);
    EXPECT_NEAR(v.horizonAzimuth, 180, kTol);
    EXPECT_NEAR(v.horizonAltitude, 90 - 25, kTol);
}

TEST_F(Horizon, SetsDueWestAtTheEquinoxes) {
    // On the equator a body on the celestial equator sets due west at hour angle 90.
    convert(0, 90, 0);
    EXPECT_NEAR(v.horizonAzimuth, 270, 1e-6);
    EXPECT_NEAR(v.horizonAltitude, 0, 1e-6);
}

TEST_F(Horizon, ZenithIsFiniteAndStraightUp) {
    convert(35, 0, 35);  // north component exactly 0, sine of altitude at 1
    EXPECT_EQ(v.horizonAltitude, 90.0);
    EXPECT_EQ(v.horizonAzimuth, 90.0);
    convert(-20, 180, 20);  // nadir
    EXPECT_TRUE(std::isfinite(v.horizonAzimuth));
    EXPECT_NEAR(v.horizonAltitude, -90.0, 1e-6);
}

TEST_F(Horizon, ResultsAreFiniteAndInRangeEverywhere) {
    for (double lat = -90; lat <= 90; lat += 7.5) {
        for (double h = -360; h <= 360; h += 15) {
            for (double dec = -90; dec <= 90; dec += 7.5) {
                convert(lat, h, dec);
                ASSERT_TRUE(std::isfinite(v.horizonAltitude)) << lat << " " << h << " " << dec;
                ASSERT_GE(v.horizonAzimuth, 0.0);
                ASSERT_LT(v.horizonAzimuth, 360.0);
                ASSERT_LE(std::abs(v.horizonAltitude), 90.0);
            }
        }
    }
}

}  // namespace
