#include "astro/almanac_search.h"

#include <cmath>

namespace astro {

namespace {

// The low-precision search stops when a step is below this, days (about 0.01 s).
constexpr double ESTIMATE_TOLERANCE_DAYS = 1e-7;
constexpr int MAX_ESTIMATE_STEPS = 30;

// A Newton step on the precise angle from within this many days (20 minutes) of the crossing
// leaves under 0.3 s: the error after a step is the square of the one before times half the
// relative change of the rate, at most 0.016 per day for the Moon's elongation.
constexpr double PRECISE_FINAL_STEP_DAYS = 20.0 / 1440.0;
constexpr int MAX_PRECISE_STEPS = 8;

// Days of a secant step of the low-precision search's numerical rate.
constexpr double RATE_INTERVAL_DAYS = 1e-3;

// Mean rates: the Sun's 360 degrees a tropical year, the elongation's a synodic month.
constexpr double SUN_MEAN_RATE_DEG_PER_DAY = 360.0 / 365.242190;
constexpr double ELONGATION_MEAN_RATE_DEG_PER_DAY = 360.0 / 29.530588861;

}  // namespace

const CrossingAngle SUN_LONGITUDE{estimatedSunLongitude_deg, preciseSunLongitude,
                                  SUN_MEAN_RATE_DEG_PER_DAY};
const CrossingAngle MOON_SUN_ELONGATION{estimatedMoonSunElongation_deg, preciseMoonSunElongation,
                                        ELONGATION_MEAN_RATE_DEG_PER_DAY};

double angleFromTarget_deg(double angle_deg, double target_deg) {
    const double difference = std::fmod(angle_deg - target_deg, 360.0);
    if (difference < -180.0) return difference + 360.0;
    if (difference >= 180.0) return difference - 360.0;
    return difference;
}

double estimatedCrossing(const CrossingAngle& angle, double target_deg, double guessTT) {
    double t = guessTT;
    for (int i = 0; i < MAX_ESTIMATE_STEPS; ++i) {
        const double offset = angleFromTarget_deg(angle.estimate_deg(t), target_deg);
        const double later =
            angleFromTarget_deg(angle.estimate_deg(t + RATE_INTERVAL_DAYS), target_deg);
        double rate = (later - offset) / RATE_INTERVAL_DAYS;
        // A rate far from the mean (a wrap inside the interval) falls back to the mean.
        if (!(rate > 0.3 * angle.meanRate_degPerDay && rate < 3.0 * angle.meanRate_degPerDay))
            rate = angle.meanRate_degPerDay;
        const double step = -offset / rate;
        t += step;
        if (std::fabs(step) < ESTIMATE_TOLERANCE_DAYS) break;
    }
    return t;
}

double preciseCrossing(const CrossingAngle& angle, double target_deg, double estimateTT) {
    double t = estimateTT;
    for (int i = 0; i < MAX_PRECISE_STEPS; ++i) {
        const AngleAndRate now = angle.precise(t);
        const double step = -angleFromTarget_deg(now.angle_deg, target_deg) / now.rate_degPerDay;
        t += step;
        if (std::fabs(step) < PRECISE_FINAL_STEP_DAYS) break;
    }
    return t;
}

}  // namespace astro
