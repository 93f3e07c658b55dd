#include "moon.h"

#include <array>

#include "angles.h"
#include "series.h"

namespace astro {

namespace {

constexpr std::array<PeriodicTerm, 18> MOON_LONGITUDE_TERMS = {{
    {6.2888, 44.963, 477198.868},
    {1.274, 10.74, 413335.35},
    {0.6583, 145.7, 890534.22},
    {0.2136, 179.93, 954397.74},
    {0.1851, 87.53, 35999.05},
    {0.1144, 276.5, 966404},
    {0.0588, 124.2, 63863.5},
    {0.0571, 13.2, 377336.3},
    {0.0533, 280.7, 1367733.1},
    {0.0458, 148.2, 854535.2},
    {0.0409, 47.4, 441199.8},
    {0.0347, 27.9, 445267.1},
    {0.0304, 222.5, 513197.9},
    {0.0154, 41, 75870},
    {0.0125, 52, 1443603},
    {0.011, 142, 489205},
    {0.0107, 246, 1303870},
    {0.01, 315, 1431597},
}};

constexpr std::array<PeriodicTerm, 8> MOON_LATITUDE_TERMS = {{
    {5.1281, 3.273, 483202.019},
    {0.2806, 138.24, 960400.89},
    {0.2777, 48.31, 6003.15},
    {0.1733, 52.43, 407332.2},
    {0.0554, 104, 896537.4},
    {0.0463, 82.5, 69866.7},
    {0.0326, 239, 1373736.2},
    {0.0172, 273.2, 1437599.8},
}};

}  // namespace

double moonMeanLongitude(double julianCenturies) {
    const double t = julianCenturies;
    return normalizeDegrees(218.316 + 481267.8809 * t - 0.00133 * t * t);
}

double moonGeometricLongitude(double julianCenturies) {
    double longitude = moonMeanLongitude(julianCenturies);
    for (const PeriodicTerm& term : MOON_LONGITUDE_TERMS) {
        longitude = longitude + cosineTerm(term, julianCenturies);
    }
    return normalizeDegrees(longitude);
}

double moonEclipticLatitude(double julianCenturies) {
    double latitude = cosineTerm(MOON_LATITUDE_TERMS[0], julianCenturies);
    for (std::size_t i = 1; i < MOON_LATITUDE_TERMS.size(); ++i) {
        latitude = latitude + cosineTerm(MOON_LATITUDE_TERMS[i], julianCenturies);
    }
    return latitude;
}

}  // namespace astro
