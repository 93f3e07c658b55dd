// One calculation as 計算 runs it, over the numbers read from the boxes and the window's
// record of working variables, without the toolkit: the window shows what it returns.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/core/moon_drawing.h"
#include "astro/calculation.h"
#include "astro/working_variables.h"

namespace app {

// Why a calculation was refused.
enum class RefusalKind {
    PassFault,           // the pass could not carry the entered numbers (see `passFault`)
    InstantBeyondYears,  // the instant lies outside the years the boxes and the calendar carry
    LatitudeBeyondPole,  // the latitude lies beyond 90 degrees north or south
};
struct CalculationRefusal {
    RefusalKind kind;
    astro::PassFault passFault;  // for RefusalKind::PassFault only
};

// The Sun's or the Moon's four figures the window shows: right ascension (hours),
// declination, altitude and azimuth (degrees).
struct BodyFigures {
    double rightAscension = 0.0;
    double declination = 0.0;
    double altitude = 0.0;
    double azimuth = 0.0;
};

// What a calculation shows, all of the entered instant: the pass for one hour later leaves
// its own ephemeris in the record.
struct CalculationShown {
    BodyFigures sun;
    BodyFigures moon;
    std::string equationOfTimeCaption;  // UTF-8, as the phase calculation writes it
    // True while the Moon is up (altitude 0 or more): then its phase is shown and drawn.
    bool moonUp = false;
    double illuminatedFraction = 0.0;  // 0 to 1
    double limbZenithAngle_deg = 0.0;  // [0, 360)
    // True where the illuminated fraction one hour later is not smaller.
    bool fractionGrowing = false;
    // The Moon's disc, in the background of the scheme the Sun's altitude chose; empty while
    // the Moon is down.
    std::vector<PhaseLine> moonDrawing;
};

// Given a Julian day (UT); true where its JST date and time lie in the years the boxes carry,
// 1 March -32768 to 31 December 32767, so that the day window can show it too.
bool withinCarriedYears(double julianDay);

// Given the record `v`; sets its background colour to the scheme its day-or-night flag names
// (1 night, 2 day), and leaves it as it is for any other flag.
void takeColourScheme(astro::WorkingVariables& v);

// Given the record `v` after a pass; sets the day-or-night flag from the Sun's altitude: day
// above the horizon, night below, unchanged exactly on it.
void chooseDayOrNight(astro::WorkingVariables& v);

// Given the record `v` and the eight numbers read from the boxes; refuses the numbers the
// pass cannot carry, an instant outside the years (1 March -32768 to 31 December 32767 JST)
// and a latitude beyond ±90 degrees, leaving `v` as it was. Otherwise runs, in this order: the
// pass, the scheme the Sun's altitude chooses, the phase (its first figures kept), and while
// the Moon is up its drawing, the pass one hour later and the phase again, the kept figures
// then restored. Returns what the window shows, or why it refused.
struct CalculationOutcome {
    std::optional<CalculationRefusal> refusal;
    CalculationShown shown;
};
CalculationOutcome runCalculation(astro::WorkingVariables& v, const astro::EnteredValues& entered);

}  // namespace app
