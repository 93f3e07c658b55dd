// The Sun and Moon series, the obliquity and the ecliptic-to-equatorial conversion,
// against the worked reference figures (to 1e-9 of the unit).
#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/ecliptic.h"
#include "astro/ephemeris.h"
#include "astro/moon.h"
#include "astro/sun.h"

namespace {

constexpr double kTol = 1e-9;

astro::WorkingVariables ephemerisAt(double t) {
    astro::WorkingVariables v;
    v.julianCenturies = t;
    astro::computeEphemeris(v);
    return v;
}

TEST(NormalizeDegrees, ReducesIntoOneTurn) {
    EXPECT_NEAR(astro::normalizeDegrees(-10), 350, kTol);
    EXPECT_NEAR(astro::normalizeDegrees(720), 0, kTol);
    EXPECT_NEAR(astro::normalizeDegrees(-360), 0, kTol);
    EXPECT_NEAR(astro::normalizeDegrees(1234.5), 154.5, kTol);
    EXPECT_NEAR(astro::normalizeDegrees(-1e-7), 359.9999999, kTol);
    for (double angle : {-1e9, -725.25, -1e-300, 0.0, 359.999999, 1e12}) {
        const double r = astro::normalizeDegrees(angle);
        EXPECT_GE(r, 0.0) << angle;
        EXPECT_LT(r, 360.0) << angle;
    }
}

TEST(SunSeries, AtTheEpoch) {
    EXPECT_NEAR(astro::sunGeometricLongitude(0), 280.383049684, kTol);
    const auto v = ephemerisAt(0);
    EXPECT_NEAR(v.sunDistance, 0.983311050, kTol);
    EXPECT_NEAR(v.nutationLongitude, -0.003781458, kTol);
    EXPECT_NEAR(v.sunLongitude, 280.373478604, kTol);
    EXPECT_NEAR(v.sunRightAscension, 18.752231927, kTol);
    EXPECT_NEAR(v.sunDeclination, -23.033884372, kTol);
}

TEST(SunSeries, AQuarterCenturyOn) {
    EXPECT_NEAR(astro::sunGeometricLongitude(0.25), 280.567553014, kTol);
    const auto v = ephemerisAt(0.25);
    EXPECT_NEAR(v.sunDistance, 0.983324777, kTol);
    EXPECT_NEAR(v.nutationLongitude, 0.000008868, kTol);
    EXPECT_NEAR(v.sunLongitude, 280.561772340, kTol);
    EXPECT_NEAR(v.sunRightAscension, 18.765811143, kTol);
    EXPECT_NEAR(v.sunDeclination, -23.015912761, kTol);
}

TEST(SunSeries, HalfACenturyBeforeTheEpoch) {
    EXPECT_NEAR(astro::sunGeometricLongitude(-0.5), 280.014076979, kTol);
    const auto v = ephemerisAt(-0.5);
    EXPECT_NEAR(v.sunLongitude, 280.007412087, kTol);
    EXPECT_NEAR(v.sunRightAscension, 18.725823030, kTol);
    EXPECT_NEAR(v.sunDeclination, -23.068266054, kTol);
}

TEST(SunSeries, ApparentLongitudeIsNotReducedAgain) {
    // Just above 0 geometric, the corrections take the longitude below 0.
    const double apparent = astro::apparentSunLongitude(0.001, 1.0, -0.003);
    EXPECT_LT(apparent, 0.0);
    EXPECT_NEAR(apparent, 0.001 - 0.005693 - 0.003, 1e-15);
}

TEST(MoonSeries, AtTheEpoch) {
    EXPECT_NEAR(astro::moonGeometricLongitude(0), 223.323732959, kTol);
    EXPECT_NEAR(astro::moonEclipticLatitude(0), 5.177599430, kTol);
    const auto v = ephemerisAt(0);
    EXPECT_NEAR(v.convLongitude, 223.319951501, kTol);  // apparent, left in the slot
    EXPECT_NEAR(v.convLatitude, 5.177599430, kTol);
    EXPECT_NEAR(v.moonRightAscension, 14.830020975, kTol);
    EXPECT_NEAR(v.moonDeclination, -10.894057871, kTol);
    EXPECT_EQ(v.convRightAscension, v.moonRightAscension);
    EXPECT_EQ(v.convDeclination, v.moonDeclination);
}

TEST(MoonSeries, AQuarterCenturyOn) {
    const auto v = ephemerisAt(0.25);
    EXPECT_NEAR(v.convLongitude, 290.570132151, kTol);
    EXPECT_NEAR(v.convLatitude, -4.709352915, kTol);
    EXPECT_NEAR(v.moonRightAscension, 19.535817616, kTol);
    EXPECT_NEAR(v.moonDeclination, -26.515401817, kTol);
}

TEST(MoonSeries, HalfACenturyBeforeTheEpoch) {
    const auto v = ephemerisAt(-0.5);
    EXPECT_NEAR(v.convLongitude, 61.399484188, kTol);
    EXPECT_NEAR(v.convLatitude, 3.776218918, kTol);
    EXPECT_NEAR(v.moonRightAscension, 3.895769874, kTol);
    EXPECT_NEAR(v.moonDeclination, 24.141716732, kTol);
}

TEST(MoonSeries, RangesHoldForAnyTime) {
    for (double t = -300; t <= 300; t += 0.737) {
        const double longitude = astro::moonGeometricLongitude(t);
        EXPECT_GE(longitude, 0.0);
        EXPECT_LT(longitude, 360.0);
        EXPECT_LE(std::abs(astro::moonEclipticLatitude(t)), 6.0112);
    }
}

class Conversion : public ::testing::Test {
  protected:
    astro::WorkingVariables v;
    void SetUp() override {
        v.julianCenturies = 0;
        astro::computeObliquity(v);
    }
    void convert(double longitude, double latitude) {
        v.convLongitude = longitude;
        v.convLatitude = latitude;
        astro::eclipticToEquatorial(v);
    }
};

TEST_F(Conversion, ObliquityAtTheEpoch) {
    EXPECT_EQ(v.obliquity, 23.43929);
    EXPECT_NEAR(astro::meanObliquity(1), 23.43929 - 0.01300417, 1e-15);
}

TEST_F(Conversion, CardinalLongitudes) {
    convert(0, 0);
    EXPECT_NEAR(v.convRightAscension, 0, kTol);
    EXPECT_NEAR(v.convDeclination, 0, kTol);
    convert(90, 0);
    EXPECT_NEAR(v.convRightAscension, 6, kTol);
    EXPECT_NEAR(v.convDeclination, 23.43929, kTol);
    convert(180, 0);
    EXPECT_NEAR(v.convRightAscension, 12, kTol);
    convert(270, 0);
    EXPECT_NEAR(v.convRightAscension, 18, kTol);
    EXPECT_NEAR(v.convDeclination, -23.43929, kTol);
}

TEST_F(Conversion, SunAndMoonAtTheEpoch) {
    convert(280.373478604, 0);
    EXPECT_NEAR(v.convRightAscension, 18.752231927, kTol);
    EXPECT_NEAR(v.convDeclination, -23.033884372, kTol);
    convert(223.319951501, 5.177599430);
    EXPECT_NEAR(v.convRightAscension, 14.830020975, kTol);
    EXPECT_NEAR(v.convDeclination, -10.894057871, kTol);
}

TEST_F(Conversion, LongitudesAroundZeroStayInsideTheDay) {
    convert(-0.005, 0);
    EXPECT_NEAR(v.convRightAscension, 23.999694173, kTol);
    convert(360, 0);
    EXPECT_LT(v.convRightAscension, 24.0);
    EXPECT_NEAR(v.convRightAscension, 24.0, kTol);
    convert(360.003, 0);
    EXPECT_NEAR(v.convRightAscension, 0.000183, 1e-6);
}

}  // namespace
