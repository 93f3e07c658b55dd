// Constants shared by the calculations, each named once. The angle factors are the
// decimals the series were fitted with, used as written rather than full-precision
// values of pi/180 and 180/pi, so that every result reproduces the reference figures.
#pragma once

namespace astro {

// Degrees to radians, applied before every sine and cosine.
inline constexpr double DEG = 0.017453292519943;
// Radians to degrees, applied to the result of every arctangent.
inline constexpr double RAD = 57.295779513082;
// Twice DEG, for the double angles 2D and 2M' of the phase angle.
inline constexpr double DOUBLE_DEG = 0.034906585039886;

// Julian day of the epoch J2000.0 and the length of a Julian century in days.
inline constexpr double JD_J2000 = 2451545.0;
inline constexpr double DAYS_PER_JULIAN_CENTURY = 36525.0;
// Julian day of the epoch 1900 January 0.5, origin of the mean Sun's right ascension.
inline constexpr double JD_1900 = 2415020.0;

// Japan Standard Time runs a fixed 9 hours ahead of Universal Time: 9 / 24 day.
inline constexpr double JST_OFFSET_DAYS = 9.0 / 24.0;

// Minutes in a day; the equation of time is brought into half a day either side of zero.
inline constexpr double MINUTES_PER_DAY = 1440.0;

// The largest time argument, in Julian centuries, that a calculation accepts. The series
// square T, so beyond this the arithmetic would leave the range of a double; the bound is
// far beyond any instant the series describe, and far inside that range.
inline constexpr double MAX_ABS_JULIAN_CENTURIES = 1e150;

// Seconds in a day.
inline constexpr double SECONDS_PER_DAY = 86400.0;

// A clock time read back from a Julian day is rounded to the nearest second, halves up. The
// Julian day's last bit is worth up to 80 microseconds in the range the boxes carry, so a
// time typed with half a second may come out a hair below the half: halves within this many
// seconds of it round up, as the half typed does.
inline constexpr double HALF_SECOND_ALLOWANCE_SECONDS = 1e-3;

// Altitudes of the Sun's centre (geometric, degrees) at which civil, nautical and
// astronomical twilight begin and end. Rising and setting: astro/rising_level.h.
inline constexpr double CIVIL_TWILIGHT_ALTITUDE_DEG = -6.0;
inline constexpr double NAUTICAL_TWILIGHT_ALTITUDE_DEG = -12.0;
inline constexpr double ASTRONOMICAL_TWILIGHT_ALTITUDE_DEG = -18.0;

}  // namespace astro
