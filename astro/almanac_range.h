// The span the almanac answers for, and the mean motions its searches start from.
#pragma once

namespace astro {

// Phases, solar terms and 雑節: UT instants in [1800-01-01 0h, 2401-01-01 0h).
inline constexpr double ALMANAC_FIRST_JULIAN_DAY = 2378496.5;
inline constexpr double ALMANAC_END_JULIAN_DAY = 2598007.5;
inline constexpr int ALMANAC_FIRST_YEAR = 1800;
inline constexpr int ALMANAC_LAST_YEAR = 2400;

// 旧暦 and 六曜: Gregorian dates of 1873 (Japan's first Gregorian year) to 2400.
inline constexpr int LUNISOLAR_FIRST_YEAR = 1873;
inline constexpr int LUNISOLAR_LAST_YEAR = 2400;

// A mean new moon (TT Julian day, Meeus's lunation 0 of 2000 January 6) and the mean synodic
// month, days: the mean instants are within about 14 hours of the true ones.
inline constexpr double MEAN_NEW_MOON_JULIAN_DAY = 2451550.09766;
inline constexpr double SYNODIC_MONTH_DAYS = 29.530588861;

// The mean tropical year, days: a solar term follows the one before by about 1/24 of it.
inline constexpr double TROPICAL_YEAR_DAYS = 365.242190;

}  // namespace astro
