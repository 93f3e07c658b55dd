#include "astro/delta_t.h"

#include <erfa.h>

#include <array>
#include <cmath>
#include <initializer_list>

#include "astro/constants.h"

namespace astro {

namespace {

// Days in a Julian year, for the decimal year of a Julian day.
constexpr double DAYS_PER_JULIAN_YEAR = 365.25;

// TT - TAI, seconds (the offset at which TT continues the ephemeris time scale).
constexpr double TT_MINUS_TAI_S = 32.184;

// First year of the leap-second table, and the year from which ERFA's table (release 2021)
// is no longer vouched for and the extrapolation takes over.
constexpr double FIRST_LEAP_SECOND_YEAR = 1972.0;
constexpr double EXTRAPOLATION_YEAR = 2027.0;

// Years in which Espenak & Meeus's forecast hands over to its linear join to the long-term
// parabola, and in which that join comes to nothing.
constexpr double FORECAST_JOIN_YEAR = 2050.0;
constexpr double PARABOLA_JOIN_END_YEAR = 2150.0;

// One piece of Espenak & Meeus's Delta T: from `fromYear` (inclusive) on, the polynomial
// sum c[k] t^k with t = (year - originYear) / scaleYears, seconds.
struct DeltaTPiece {
    double fromYear;
    double originYear;
    double scaleYears;
    std::array<double, 8> coefficients;
};

// Espenak & Meeus (2006), NASA/TP-2006-214141, from -500 to 1972 (the 1961-1986 piece is
// used to 1972 only), in order of `fromYear`.
constexpr std::array<DeltaTPiece, 10> ESPENAK_MEEUS_PIECES{{
    {-500.0,
     0.0,
     100.0,
     {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521, 0.0}},
    {500.0,
     1000.0,
     100.0,
     {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073, 0.0}},
    {1600.0, 1600.0, 1.0, {120.0, -0.9808, -0.01532, 1.0 / 7129.0, 0.0, 0.0, 0.0, 0.0}},
    {1700.0, 1700.0, 1.0, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0, 0.0, 0.0, 0.0}},
    {1800.0,
     1800.0,
     1.0,
     {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
      0.000000000875}},
    {1860.0,
     1860.0,
     1.0,
     {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0, 0.0, 0.0}},
    {1900.0, 1900.0, 1.0, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197, 0.0, 0.0, 0.0}},
    {1920.0, 1920.0, 1.0, {21.20, 0.84493, -0.076100, 0.0020936, 0.0, 0.0, 0.0, 0.0}},
    {1941.0, 1950.0, 1.0, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0, 0.0, 0.0, 0.0, 0.0}},
    {1961.0, 1975.0, 1.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0, 0.0, 0.0, 0.0, 0.0}},
}};

// Decimal year (Julian years from J2000.0 added to 2000) of a Julian day.
double decimalYear(double julianDay) {
    return 2000.0 + (julianDay - JD_J2000) / DAYS_PER_JULIAN_YEAR;
}

// Morrison & Stephenson's (2004) long-term parabola, seconds, at a decimal year.
double longTermParabola_s(double year) {
    const double u = (year - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
}

// Espenak & Meeus's polynomial, seconds, at a decimal year from -500 to 1972.
double espenakMeeus_s(double year) {
    const DeltaTPiece* piece = &ESPENAK_MEEUS_PIECES.front();
    for (const DeltaTPiece& p : ESPENAK_MEEUS_PIECES)
        if (year >= p.fromYear) piece = &p;
    const double t = (year - piece->originYear) / piece->scaleYears;
    double sum = 0.0;
    for (auto c = piece->coefficients.rbegin(); c != piece->coefficients.rend(); ++c)
        sum = sum * t + *c;
    return sum;
}

// TT - UTC, seconds, at a UTC Julian day from 1972 on: TAI - UTC from ERFA's leap-second
// table plus TT - TAI. UTC is kept within 0.9 s of UT1, so this is Delta T to 0.9 s.
double leapSecondDeltaT_s(double julianDay) {
    int year, month, day;
    double fractionOfDay;
    eraJd2cal(julianDay, 0.0, &year, &month, &day, &fractionOfDay);
    double taiMinusUtc_s = 0.0;
    eraDat(year, month, day, fractionOfDay, &taiMinusUtc_s);
    return TT_MINUS_TAI_S + taiMinusUtc_s;
}

// Julian day of the first instant of a decimal year reckoned as decimalYear() does.
double julianDayOfDecimalYear(double year) {
    return JD_J2000 + (year - 2000.0) * DAYS_PER_JULIAN_YEAR;
}

// Espenak & Meeus's extrapolation for 2005-2050, seconds, at a decimal year.
double espenakMeeusForecast_s(double year) {
    const double t = year - 2000.0;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
}

// How much Espenak & Meeus's forecast overshoots the leap-second table where the table ends
// (6.5 s with the table of 2017), seconds.
double forecastOvershoot_s() {
    const double joinValue_s = leapSecondDeltaT_s(julianDayOfDecimalYear(EXTRAPOLATION_YEAR));
    return espenakMeeusForecast_s(EXTRAPOLATION_YEAR) - joinValue_s;
}

// Delta T from the end of the leap-second table to 2050, seconds: Espenak & Meeus's forecast
// moved down to meet the table's last value.
double nearForecastDeltaT_s(double year) {
    return espenakMeeusForecast_s(year) - forecastOvershoot_s();
}

// Delta T from 2050 to 2150, seconds: as Espenak & Meeus join their forecast to the long-term
// parabola, the parabola less a linear term that meets the forecast in 2050 and vanishes in
// 2150 (their 0.5628 s/year, here a little more for the forecast moved down).
double farForecastDeltaT_s(double year) {
    const double gap_s =
        longTermParabola_s(FORECAST_JOIN_YEAR) - nearForecastDeltaT_s(FORECAST_JOIN_YEAR);
    const double slope_sPerYear = gap_s / (PARABOLA_JOIN_END_YEAR - FORECAST_JOIN_YEAR);
    return longTermParabola_s(year) - slope_sPerYear * (PARABOLA_JOIN_END_YEAR - year);
}

}  // namespace

double deltaT(double julianDay) {
    const double year = decimalYear(julianDay);
    if (!std::isfinite(year)) return longTermParabola_s(year);
    if (year < ESPENAK_MEEUS_PIECES.front().fromYear) return longTermParabola_s(year);
    if (year < FIRST_LEAP_SECOND_YEAR) return espenakMeeus_s(year);
    if (year < EXTRAPOLATION_YEAR) return leapSecondDeltaT_s(julianDay);
    if (year < FORECAST_JOIN_YEAR) return nearForecastDeltaT_s(year);
    if (year < PARABOLA_JOIN_END_YEAR) return farForecastDeltaT_s(year);
    return longTermParabola_s(year);
}

}  // namespace astro
