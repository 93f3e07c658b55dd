#include "app/core/calculation_sequence.h"

#include <gtest/gtest.h>

#include "app/core/colour_scheme.h"
#include "app/core/number_format.h"
#include "app/core/refusal_message.h"
#include "astro/moon_phase.h"

namespace {

using app::CalculationOutcome;

// The numbers of the date, time and place boxes: year ... second (JST), latitude, longitude.
astro::EnteredValues entered(double year, double month, double day, double hour,
                             double latitude = 35.65, double longitude = 139.75) {
    return {year, month, day, hour, 0, 0, latitude, longitude};
}

// One calculation, without a window, the way 計算 shows it: the equation of time and, while
// the Moon is up, its phase at the entered instant and the colour its disc is drawn on.
TEST(CalculationSequence, ShowsTheEnteredInstantsPhaseAndScheme) {
    struct Case {
        const char* what;
        astro::EnteredValues entered;
        bool moonUp;
        bool growing;
        const char* fraction;  // as the window writes it; "" where only the sign is known
        const char* limbAngle;
        std::int16_t dayNightFlag;
    };
    const Case cases[] = {
        {"epoch, Moon down", entered(2000, 1, 1, 21), false, false, "", "", 1},
        {"thin crescent by day", entered(2024, 12, 3, 13), true, true, "0.037", "282.2", 2},
        {"waning, morning", entered(2024, 11, 19, 7), true, false, "", "", 2},
    };
    for (const Case& c : cases) {
        astro::WorkingVariables v;
        const CalculationOutcome outcome = app::runCalculation(v, c.entered);
        ASSERT_FALSE(outcome.refusal) << c.what;
        const app::CalculationShown& shown = outcome.shown;
        // The figures of the entered instant, never those of the hour-later pass.
        astro::WorkingVariables fresh;
        ASSERT_FALSE(astro::calculatePass(fresh, c.entered));
        astro::computeMoonPhase(fresh);
        EXPECT_EQ(shown.equationOfTimeCaption, fresh.equationOfTimeCaption) << c.what;
        EXPECT_EQ(shown.sun.rightAscension, fresh.sunRightAscension) << c.what;
        EXPECT_EQ(shown.moon.rightAscension, fresh.moonRightAscension) << c.what;
        EXPECT_EQ(shown.moon.declination, fresh.moonDeclination) << c.what;
        EXPECT_EQ(shown.moonUp, c.moonUp) << c.what;
        EXPECT_EQ(shown.moonDrawing.empty(), !c.moonUp) << c.what;
        EXPECT_EQ(v.dayNightFlag, c.dayNightFlag) << c.what;
        const app::Rgb background = app::colourSchemeFor(c.dayNightFlag)->background;
        EXPECT_EQ((app::Rgb{v.backRed, v.backGreen, v.backBlue}), background) << c.what;
        // The record keeps the entered instant's phase, restored after the hour-later pass.
        EXPECT_EQ(v.illuminatedFraction, v.savedIlluminatedFraction) << c.what;
        EXPECT_EQ(v.limbZenithAngle, v.savedLimbZenithAngle) << c.what;
        if (!c.moonUp) continue;
        EXPECT_EQ(shown.fractionGrowing, c.growing) << c.what;
        EXPECT_EQ(shown.illuminatedFraction, fresh.illuminatedFraction) << c.what;
        EXPECT_EQ(shown.limbZenithAngle_deg, fresh.limbZenithAngle) << c.what;
        if (*c.fraction == '\0') continue;
        EXPECT_EQ(app::formatFixed(shown.illuminatedFraction, 3, "."), c.fraction) << c.what;
        EXPECT_EQ(app::formatFixed(shown.limbZenithAngle_deg, 1, "."), c.limbAngle) << c.what;
    }
}

// A refused calculation leaves the record as the last one that ran left it.
TEST(CalculationSequence, ARefusalLeavesTheRecordAsItWas) {
    astro::WorkingVariables v;
    ASSERT_FALSE(app::runCalculation(v, entered(2024, 12, 3, 13)).refusal);
    const astro::WorkingVariables before = v;
    const CalculationOutcome outcome = app::runCalculation(v, entered(99999, 1, 1, 0));
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(outcome.refusal->passFault.field, astro::YEAR);
    EXPECT_EQ(v.julianDay, before.julianDay);
    EXPECT_EQ(v.julianCenturies, before.julianCenturies);
    EXPECT_EQ(v.moonAltitude, before.moonAltitude);
    EXPECT_EQ(v.equationOfTimeCaption, before.equationOfTimeCaption);
}

// What is refused, and what the user is told: the year's range for a year or an instant beyond
// it (the day window cannot show such a date either), the allowed range for a latitude beyond
// a pole. A longitude beyond 180 degrees names a real meridian and is calculated.
TEST(CalculationSequence, RefusesWhatNoPlaceOrYearHas) {
    const std::string yearMessage =
        "「年」の値が計算できる範囲（-32768年3月1日～32767年12月31日）を超えています。"
        "入力を確かめてください。";
    const std::string latitudeMessage =
        "「緯度」の値は -90～90 度の範囲で入力してください（北緯が正、南緯が負）。";
    struct Case {
        const char* what;
        astro::EnteredValues entered;
        std::string message;  // empty: calculated
    };
    const Case cases[] = {
        {"year beyond 16 bits", {99999, 1, 1, 0, 0, 0, 35, 135}, yearMessage},
        {"day carried past the years", {2024, 1, 99999999999, 0, 0, 0, 35, 135}, yearMessage},
        {"second carried past the years", {2024, 1, 1, 0, 0, 1e20, 35, 135}, yearMessage},
        {"before 1 March -32768", {-32768, 3, 0, 23, 59, 59, 35, 135}, yearMessage},
        {"1 March -32768", {-32768, 3, 1, 0, 0, 0, 35, 135}, ""},
        {"end of 32767", {32767, 12, 31, 23, 59, 59, 35, 135}, ""},
        {"latitude 100", {2024, 1, 1, 0, 0, 0, 100, 135}, latitudeMessage},
        {"latitude -91", {2024, 1, 1, 0, 0, 0, -91, 135}, latitudeMessage},
        {"south pole", {2024, 1, 1, 0, 0, 0, -90, 135}, ""},
        {"longitude 200", {2024, 1, 1, 0, 0, 0, 35, 200}, ""},
    };
    for (const Case& c : cases) {
        astro::WorkingVariables v;
        const CalculationOutcome outcome = app::runCalculation(v, c.entered);
        EXPECT_EQ(outcome.refusal ? app::refusalMessage(*outcome.refusal) : "", c.message)
            << c.what;
    }
}

}  // namespace
