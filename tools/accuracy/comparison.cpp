#include "comparison.h"
#include "units.h"

#include <algorithm>
#include <cmath>

namespace accuracy {

namespace {

constexpr double ARCMIN_PER_DEGREE = 60.0;

// The value at fraction `p` (0 to 1) of the sorted values, by the nearest rank.
double percentileOfSorted(const std::vector<double>& sorted, double p) {
    const std::size_t rank = static_cast<std::size_t>(std::ceil(p * sorted.size()));
    return sorted[rank == 0 ? 0 : rank - 1];
}

// The azimuth difference in arcminutes, or not a number when the body is too near the
// zenith or the nadir for the azimuth to mean much.
double azimuthError(double programAzimuth, const HorizonPlace& reference) {
    if (std::abs(reference.altitude_deg) > AZIMUTH_ALTITUDE_LIMIT_DEG) return NAN;
    return wrapDegrees(programAzimuth - reference.azimuth_deg) * ARCMIN_PER_DEGREE;
}

}  // namespace

const std::array<const char*, QUANTITY_COUNT> QUANTITY_KEYS = {
    "sun_ra",   "sun_dec",  "sun_alt", "sun_az",   "sun_pos", "moon_ra",
    "moon_dec", "moon_alt", "moon_az", "moon_pos", "fraction"};

const std::array<const char*, QUANTITY_COUNT> QUANTITY_LABELS = {
    "Sun right ascension (′)",
    "Sun declination (′)",
    "Sun altitude (′)",
    "Sun azimuth (′), altitude within ±80°",
    "Sun position on the sky (′)",
    "Moon right ascension (′)",
    "Moon declination (′)",
    "Moon altitude (′)",
    "Moon azimuth (′), altitude within ±80°",
    "Moon position on the sky (′)",
    "Moon illuminated fraction (0 to 1)"};

double wrapDegrees(double degrees) {
    const double wrapped = std::fmod(degrees + 180.0, 360.0);
    return (wrapped < 0 ? wrapped + 360.0 : wrapped) - 180.0;
}

double separationDeg(const EquatorialPlace& a, const EquatorialPlace& b) {
    const double d1 = a.declination_deg * DEG_TO_RAD;
    const double d2 = b.declination_deg * DEG_TO_RAD;
    const double da = (a.rightAscension_deg - b.rightAscension_deg) * DEG_TO_RAD;
    // The arctangent form keeps its precision for small angles.
    const double x = std::cos(d2) * std::sin(da);
    const double y = std::cos(d1) * std::sin(d2) - std::sin(d1) * std::cos(d2) * std::cos(da);
    const double z = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(da);
    return std::atan2(std::hypot(x, y), z) * RAD_TO_DEG;
}

ErrorRow errorsOf(const ProgramFigures& program, const ReferenceFigures& reference) {
    const EquatorialPlace sun{program.sunRightAscension_h * DEGREES_PER_HOUR,
                              program.sunDeclination_deg};
    const EquatorialPlace moon{program.moonRightAscension_h * DEGREES_PER_HOUR,
                               program.moonDeclination_deg};
    ErrorRow e{};
    e[SUN_RIGHT_ASCENSION] =
        wrapDegrees(sun.rightAscension_deg - reference.sun.rightAscension_deg) * ARCMIN_PER_DEGREE;
    e[SUN_DECLINATION] = (sun.declination_deg - reference.sun.declination_deg) * ARCMIN_PER_DEGREE;
    e[SUN_ALTITUDE] =
        (program.sunAltitude_deg - reference.sunHorizon.altitude_deg) * ARCMIN_PER_DEGREE;
    e[SUN_AZIMUTH] = azimuthError(program.sunAzimuth_deg, reference.sunHorizon);
    e[SUN_POSITION] = separationDeg(sun, reference.sun) * ARCMIN_PER_DEGREE;
    e[MOON_RIGHT_ASCENSION] =
        wrapDegrees(moon.rightAscension_deg - reference.moon.rightAscension_deg) *
        ARCMIN_PER_DEGREE;
    e[MOON_DECLINATION] =
        (moon.declination_deg - reference.moon.declination_deg) * ARCMIN_PER_DEGREE;
    e[MOON_ALTITUDE] =
        (program.moonAltitude_deg - reference.moonHorizon.altitude_deg) * ARCMIN_PER_DEGREE;
    e[MOON_AZIMUTH] = azimuthError(program.moonAzimuth_deg, reference.moonHorizon);
    e[MOON_POSITION] = separationDeg(moon, reference.moon) * ARCMIN_PER_DEGREE;
    e[ILLUMINATED_FRACTION] = program.illuminatedFraction - reference.illuminatedFraction;
    return e;
}

Summary summarize(const std::vector<ErrorRow>& rows, Quantity quantity) {
    std::vector<double> magnitudes;
    magnitudes.reserve(rows.size());
    double sumOfSquares = 0.0;
    for (const ErrorRow& row : rows) {
        if (std::isnan(row[quantity])) continue;
        magnitudes.push_back(std::abs(row[quantity]));
        sumOfSquares += row[quantity] * row[quantity];
    }
    if (magnitudes.empty()) return {0, NAN, NAN, NAN, NAN};
    std::sort(magnitudes.begin(), magnitudes.end());
    const double n = static_cast<double>(magnitudes.size());
    return {magnitudes.size(), magnitudes.back(), percentileOfSorted(magnitudes, 0.95),
            percentileOfSorted(magnitudes, 0.5), std::sqrt(sumOfSquares / n)};
}

}  // namespace accuracy
