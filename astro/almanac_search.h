// Finding the instant an angle reaches a value: first with the low-precision series, then with
// Newton steps on the precise angle and its rate. Instants are Julian days in TT.
#pragma once

#include "astro/almanac_longitude.h"

namespace astro {

// The two ways of reckoning one angle, with the angle's mean rate, degrees per day.
struct CrossingAngle {
    double (*estimate_deg)(double julianDayTT);
    AngleAndRate (*precise)(double julianDayTT);
    double meanRate_degPerDay;
};

// How far from a JST midnight (days) an estimated new moon or solar term must lie for its JST
// day to be taken without the precise steps: the largest gap between the estimated and the
// precise instants over 1800-2400 (tools/almanac: 7.0 minutes for new moons, 43.6 for solar
// terms), doubled and rounded up.
inline constexpr double NEW_MOON_MIDNIGHT_MARGIN_DAYS = 15.0 / 1440.0;
inline constexpr double SOLAR_TERM_MIDNIGHT_MARGIN_DAYS = 90.0 / 1440.0;

// The Sun's apparent longitude, and the Moon's elongation in longitude from the Sun.
extern const CrossingAngle SUN_LONGITUDE;
extern const CrossingAngle MOON_SUN_ELONGATION;

// `angle_deg` - `target_deg` brought into [-180, 180), degrees.
double angleFromTarget_deg(double angle_deg, double target_deg);

// The instant, TT, at which the low-precision angle reaches `target_deg`, searched from
// `guessTT` within half a turn's travel either side; to about 0.1 s of the series' own answer.
double estimatedCrossing(const CrossingAngle& angle, double target_deg, double guessTT);

// The instant, TT, at which the precise angle reaches `target_deg`, from an estimate within
// an hour or so of it: Newton steps on the precise angle and rate until a step is under
// PRECISE_FINAL_STEP_DAYS, that last step taken without another evaluation.
double preciseCrossing(const CrossingAngle& angle, double target_deg, double estimateTT);

}  // namespace astro
