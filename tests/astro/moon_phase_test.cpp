// The Moon's phase: mean elements, illuminated fraction, limb angles and their degenerate
// directions.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/moon_phase.h"

namespace {

constexpr double kTol = 1e-9;

TEST(MoonPhase, MeanElementsAndFractionAtTheEpoch) {
    const astro::MeanElements e = astro::meanElements(0);
    EXPECT_EQ(e.elongation_deg, 297.8501921);
    EXPECT_EQ(e.sunAnomaly_deg, 357.5291092);
    EXPECT_EQ(e.moonAnomaly_deg, 134.9633964);
    const double i = astro::phaseAngle(e);
    EXPECT_NEAR(i, -122.787, 5e-4);
    EXPECT_NEAR(astro::illuminatedFractionOfPhaseAngle(i), 0.2292, 5e-5);
}

TEST(MoonPhase, FractionOfCardinalPhaseAngles) {
    EXPECT_NEAR(astro::illuminatedFractionOfPhaseAngle(0), 1.0, kTol);
    EXPECT_NEAR(astro::illuminatedFractionOfPhaseAngle(360), 1.0, kTol);
    EXPECT_NEAR(astro::illuminatedFractionOfPhaseAngle(180), 0.0, kTol);
    EXPECT_NEAR(astro::illuminatedFractionOfPhaseAngle(90), 0.5, kTol);
    EXPECT_NEAR(astro::illuminatedFractionOfPhaseAngle(-90), 0.5, kTol);
}

TEST(MoonPhase, MeanElementsGrowAtTheirRatesOverACentury) {
    // The rate terms are reduced by whole turns only.
    const astro::MeanElements e = astro::meanElements(1);
    EXPECT_NEAR(std::remainder(e.elongation_deg - (297.8501921 + 445267.1114034 - 0.0018819), 360),
                0, 1e-6);
    EXPECT_NEAR(std::remainder(e.moonAnomaly_deg - (134.9633964 + 477198.8675055 + 0.0087414), 360),
                0, 1e-6);
}

TEST(LimbAngle, ReducedDifferenceOfPositionAndParallacticAngles) {
    EXPECT_NEAR(astro::limbAngleFromZenith(-30, 20), 310, kTol);
    EXPECT_NEAR(astro::limbAngleFromZenith(200, 20), 180, kTol);
    EXPECT_EQ(astro::limbAngleFromZenith(20, 20), 0.0);
    EXPECT_NEAR(astro::limbAngleFromZenith(269, 0), 269, kTol);
    EXPECT_NEAR(astro::limbAngleFromZenith(-89, 359), 272, kTol);
}

TEST(LimbAngle, ADifferenceAHairBelowZeroIsZeroNot360) {
    // chi - q = -1e-14: the reduction gives -1e-14, and adding 360 rounds to exactly 360
    // (half a step of a double at 360 is 2.8e-14). The direction is straight up: 0.
    EXPECT_EQ(astro::limbAngleFromZenith(0, 1e-14), 0.0);
    EXPECT_EQ(astro::limbAngleFromZenith(-1e-14, 0), 0.0);
    EXPECT_EQ(astro::limbAngleFromZenith(-2e-14, 0), 0.0);
    // Just far enough below zero to stay below 360 after the addition, it stays there.
    const double w = astro::limbAngleFromZenith(-1e-13, 0);
    EXPECT_LT(w, 360.0);
    EXPECT_GT(w, 359.9);
}

TEST(LimbAngle, SameRightAscensionPointsNorthOrSouth) {
    // The Sun north of the Moon: the bright limb points north (0); south of it: 180.
    EXPECT_NEAR(astro::brightLimbPositionAngle(6, 23, 6, 5), 0, kTol);
    EXPECT_NEAR(astro::brightLimbPositionAngle(6, -23, 6, 5), 180, kTol);
}

TEST(LimbAngle, TheLimbFacingTheSunIsLit) {
    // The Sun at a larger right ascension (east of the Moon) lights the eastern limb,
    // position angle near 90; at a smaller one (west) the western limb, near 270.
    // chi comes in (-90, 270); the angle from a zero parallactic angle puts it in a turn.
    const double east =
        astro::limbAngleFromZenith(astro::brightLimbPositionAngle(10, 0.5, 6, 0.2), 0);
    const double west =
        astro::limbAngleFromZenith(astro::brightLimbPositionAngle(2, 0.5, 6, 0.2), 0);
    EXPECT_NEAR(east, 90, 1);
    EXPECT_NEAR(west, 270, 1);
}

TEST(LimbAngle, DegenerateQuotientsGiveFiniteAngles) {
    // The Sun and the Moon in the same direction: 0 / 0.
    const double chi = astro::brightLimbPositionAngle(6, 10, 6, 10);
    EXPECT_EQ(chi, 0.0);
    // The Moon on the meridian at a declination equal to the latitude: 0 / 0.
    const double q = astro::parallacticAngle(6, 6, 35, 35, 0);
    EXPECT_EQ(q, 0.0);
    // Denominator exactly 0 with a numerator: the two-argument arctangent's right angle.
    EXPECT_EQ(astro::parallacticAngle(6, 0, 0, 0, 0), 90.0);
    EXPECT_EQ(astro::parallacticAngle(6, 12, 0, 0, 0), 270.0);
}

TEST(ParallacticAngle, OnTheEquatorAndInRange) {
    // On the equator: numerator sin H, denominator -sin(dec) cos H.
    const double q = astro::parallacticAngle(8, 6, -10, 0, 0);  // H = 30
    const double n = std::sin(30 * 0.017453292519943);
    const double d = -std::sin(-10 * 0.017453292519943) * std::cos(30 * 0.017453292519943);
    EXPECT_NEAR(q, std::atan(n / d) * 57.295779513082, kTol);
    for (double st = 0; st < 24; st += 1.3) {
        for (double lat = -80; lat <= 80; lat += 20) {
            const double p = astro::parallacticAngle(st, 3, 15, lat, 139.75);
            EXPECT_GE(p, 0.0);
            EXPECT_LE(p, 360.0);
        }
    }
}

TEST(MoonPhase, ComputeMoonPhaseWritesEveryOutput) {
    astro::WorkingVariables v;
    v.julianDay = 2451545.0;
    v.julianCenturies = 0;
    v.sunRightAscension = 18.752231927;
    v.sunDeclination = -23.033884372;
    v.moonRightAscension = 14.830020975;
    v.moonDeclination = -10.894057871;
    v.siderealTime = 18.697;
    v.latitude = 35.65;
    v.longitude = 139.75;
    astro::computeMoonPhase(v);
    EXPECT_NEAR(v.illuminatedFraction, 0.2292, 5e-5);
    EXPECT_GE(v.limbZenithAngle, 0.0);
    EXPECT_LT(v.limbZenithAngle, 360.0);
    EXPECT_FALSE(v.equationOfTimeCaption.empty());
}

}  // namespace
