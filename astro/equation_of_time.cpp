#include "equation_of_time.h"

#include <cmath>

#include "constants.h"

namespace astro {

namespace {

// A whole number as a caption shows it: one blank in place of a plus sign, then the digits.
std::string blankSignedWhole(double whole) {
    return " " + std::to_string(static_cast<long long>(whole));
}

// The whole minutes and the truncated seconds of a non-negative number of minutes.
struct MinutesSeconds {
    double minutes;
    double seconds;
};
MinutesSeconds minutesSecondsOf(double nonNegativeMinutes) {
    const double minutes = std::trunc(nonNegativeMinutes);
    return {minutes, std::trunc(60 * (nonNegativeMinutes - minutes))};
}

}  // namespace

double meanSunRightAscension(double julianDay) {
    const double t1900 = (julianDay - JD_1900) / DAYS_PER_JULIAN_CENTURY;
    double a = 8640184.542 * t1900 / 3600;
    a = 24 * (a / 24 - std::trunc(a / 24));
    const double b = t1900 * (t1900 * 0.0929) / 3600;
    // 18 h 38 min 45.836 s.
    const double c = 38.0 / 60 + 18 + 45.836 / 3600;
    const double s = c + a + b;
    return 24 * (s / 24 - std::trunc(s / 24));
}

double equationOfTimeMinutes(double meanSunRightAscension, double sunRightAscension) {
    double e = 60 * (meanSunRightAscension - sunRightAscension);
    if (!std::isfinite(e)) return e;
    while (e >= MINUTES_PER_DAY / 2) e = e - MINUTES_PER_DAY;
    while (e < -MINUTES_PER_DAY / 2) e = e + MINUTES_PER_DAY;
    return e;
}

std::string equationOfTimeCaption(double equationMinutes) {
    const bool negative = equationMinutes < 0;
    const MinutesSeconds shown = minutesSecondsOf(negative ? -equationMinutes : equationMinutes);
    // The sign is that of E itself, so under a second below zero shows as "- 0分 0秒".
    return (negative ? "-" : "") + blankSignedWhole(shown.minutes) + "分" +
           blankSignedWhole(shown.seconds) + "秒";
}

void updateEquationOfTime(WorkingVariables& v) {
    const double e = equationOfTimeMinutes(meanSunRightAscension(v.julianDay), v.sunRightAscension);
    v.equationOfTimeCaption = equationOfTimeCaption(e);
}

}  // namespace astro
