#include "app/core/calculation_sequence.h"

#include <cmath>

#include "app/core/colour_scheme.h"
#include "astro/civil_time.h"
#include "astro/julian_day.h"
#include "astro/moon_phase.h"

namespace app {

namespace {

// The largest latitude in magnitude, degrees: the poles.
constexpr double POLE_LATITUDE_DEG = 90.0;

// The first instant the boxes carry, 1 March -32768 00:00 JST, as a Julian day (UT): January
// and February of that year would be reckoned in year -32769.
double firstCarriedJulianDay() {
    constexpr std::int16_t FIRST_YEAR = -32768;
    constexpr std::int16_t FIRST_MONTH = 3;
    return *astro::ymdYD(FIRST_YEAR, FIRST_MONTH, astro::dayWithTime(1, 0, 0, 0));
}

// Given the record after a pass; the Moon's phase figures kept across the pass for one hour
// later.
void keepPhase(astro::WorkingVariables& v) {
    v.savedLimbZenithAngle = v.limbZenithAngle;
    v.savedIlluminatedFraction = v.illuminatedFraction;
}

// Given the record after the pass for one hour later; the kept phase figures back in place.
void restorePhase(astro::WorkingVariables& v) {
    v.limbZenithAngle = v.savedLimbZenithAngle;
    v.illuminatedFraction = v.savedIlluminatedFraction;
}

// Given the record with the phase of the entered instant; the lines of the Moon's disc in
// the record's background.
std::vector<PhaseLine> drawMoonPhase(const astro::WorkingVariables& v) {
    return moonPhaseLines(v.illuminatedFraction, v.limbZenithAngle,
                          Rgb{v.backRed, v.backGreen, v.backBlue});
}

}  // namespace

bool withinCarriedYears(double julianDay) {
    return julianDay >= firstCarriedJulianDay() && astro::civilTimeOf(julianDay).has_value();
}

void takeColourScheme(astro::WorkingVariables& v) {
    if (const std::optional<ColourScheme> scheme = colourSchemeFor(v.dayNightFlag)) {
        v.backRed = scheme->background.red;
        v.backGreen = scheme->background.green;
        v.backBlue = scheme->background.blue;
    }
}

void chooseDayOrNight(astro::WorkingVariables& v) {
    if (v.sunAltitude > 0) v.dayNightFlag = DAY_FLAG;
    if (v.sunAltitude < 0) v.dayNightFlag = NIGHT_FLAG;
}

CalculationOutcome runCalculation(astro::WorkingVariables& v, const astro::EnteredValues& entered) {
    CalculationOutcome outcome;
    // The pass runs on a copy, so that a refusal leaves the record as it was.
    astro::WorkingVariables passed = v;
    if (const std::optional<astro::PassFault> fault = astro::calculatePass(passed, entered)) {
        outcome.refusal = CalculationRefusal{RefusalKind::PassFault, *fault};
        return outcome;
    }
    if (!withinCarriedYears(passed.julianDay)) {
        outcome.refusal = CalculationRefusal{RefusalKind::InstantBeyondYears, {}};
        return outcome;
    }
    if (std::abs(passed.latitude) > POLE_LATITUDE_DEG) {
        outcome.refusal = CalculationRefusal{RefusalKind::LatitudeBeyondPole, {}};
        return outcome;
    }
    v = std::move(passed);

    CalculationShown& shown = outcome.shown;
    shown.sun = {v.sunRightAscension, v.sunDeclination, v.sunAltitude, v.sunAzimuth};
    shown.moon = {v.moonRightAscension, v.moonDeclination, v.moonAltitude, v.moonAzimuth};
    chooseDayOrNight(v);
    takeColourScheme(v);
    astro::computeMoonPhase(v);
    shown.equationOfTimeCaption = v.equationOfTimeCaption;
    keepPhase(v);
    if (v.moonAltitude >= 0) {
        shown.moonDrawing = drawMoonPhase(v);
        astro::calculateHourLater(v);
        astro::computeMoonPhase(v);
        shown.moonUp = true;
        shown.illuminatedFraction = v.savedIlluminatedFraction;
        shown.limbZenithAngle_deg = v.savedLimbZenithAngle;
        const double change = v.illuminatedFraction - v.savedIlluminatedFraction;
        shown.fractionGrowing = change >= 0;
        restorePhase(v);
    }
    return outcome;
}

}  // namespace app
