// The differences between the program's figures and the reference, and their statistics.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "program.h"
#include "reference.h"

namespace accuracy {

// The compared quantities. Angles are program minus reference in arcminutes: right
// ascension as an angle (1 h = 15 degrees = 900'), not multiplied by cos(declination);
// azimuth as the plain difference of the two azimuths, left out (not a number) where the
// reference altitude is beyond +-AZIMUTH_ALTITUDE_LIMIT_DEG; "position" is the angle on the
// sky between the two places. The illuminated fraction is the plain difference.
enum Quantity : std::size_t {
    SUN_RIGHT_ASCENSION,
    SUN_DECLINATION,
    SUN_ALTITUDE,
    SUN_AZIMUTH,
    SUN_POSITION,
    MOON_RIGHT_ASCENSION,
    MOON_DECLINATION,
    MOON_ALTITUDE,
    MOON_AZIMUTH,
    MOON_POSITION,
    ILLUMINATED_FRACTION,
    QUANTITY_COUNT
};

// Above this altitude (and below its negative) the azimuth changes fast with any error of
// the place, and the azimuth difference says little.
inline constexpr double AZIMUTH_ALTITUDE_LIMIT_DEG = 80.0;

// A short name of each quantity for the CSV header, and a label for the table.
extern const std::array<const char*, QUANTITY_COUNT> QUANTITY_KEYS;
extern const std::array<const char*, QUANTITY_COUNT> QUANTITY_LABELS;

using ErrorRow = std::array<double, QUANTITY_COUNT>;

// The differences for one sample.
ErrorRow errorsOf(const ProgramFigures& program, const ReferenceFigures& reference);

// The angle on the sky between two equatorial places, degrees.
double separationDeg(const EquatorialPlace& a, const EquatorialPlace& b);

// `degrees` brought into [-180, 180).
double wrapDegrees(double degrees);

// Statistics of the magnitudes of one quantity's differences, not-a-number values left out.
struct Summary {
    std::size_t count;
    double largest;
    double percentile95;
    double median;
    double rms;
};
Summary summarize(const std::vector<ErrorRow>& rows, Quantity quantity);

}  // namespace accuracy
