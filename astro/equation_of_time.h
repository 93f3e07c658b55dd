// The equation of time: the mean Sun's right ascension minus the apparent Sun's.
#pragma once

#include <string>

#include "working_variables.h"

namespace astro {

// Right ascension of the mean Sun, hours, for a Julian day (UT). Reduced by truncation,
// so it lies in (-24, 24): negative for many instants before 1900.
double meanSunRightAscension(double julianDay);

// The equation of time, minutes of time, from the mean and the apparent Sun's right
// ascensions (hours), brought into [-720, 720) by whole days, so that right ascensions on
// either side of 0 h give the difference about zero instead of one near +-1440.
double equationOfTimeMinutes(double meanSunRightAscension, double sunRightAscension);

// Caption of the equation of time E (minutes): the whole minutes, "分", the truncated
// seconds, "秒", each number preceded by one blank, and a leading "-" when E is negative
// (5.5 gives " 5分 30秒", -0.25 gives "- 0分 15秒", -0.001 gives "- 0分 0秒"). UTF-8.
std::string equationOfTimeCaption(double equationMinutes);

// Sets `equationOfTimeCaption` from `julianDay` and `sunRightAscension`.
void updateEquationOfTime(WorkingVariables& v);

}  // namespace astro
