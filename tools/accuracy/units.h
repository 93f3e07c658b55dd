// Units and epochs shared by the accuracy tool, at full precision (the tool's reference
// side; the program's own decimals live in astro/constants.h).
#pragma once

namespace accuracy {

inline constexpr double PI = 3.14159265358979323846;
inline constexpr double DEG_TO_RAD = PI / 180.0;
inline constexpr double RAD_TO_DEG = 180.0 / PI;
inline constexpr double DEGREES_PER_HOUR = 15.0;
inline constexpr double SECONDS_PER_HOUR = 3600.0;
inline constexpr double ARCSEC_PER_DEGREE = 3600.0;
// Julian day of the epoch J2000.0.
inline constexpr double JD_J2000 = 2451545.0;

}  // namespace accuracy
