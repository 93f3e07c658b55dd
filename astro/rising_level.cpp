#include "astro/rising_level.h"

#include <erfam.h>

#include <cmath>

namespace astro {

double horizontalParallax_deg(double distance_km) {
    return std::asin(EARTH_EQUATORIAL_RADIUS_KM / distance_km) * ERFA_DR2D;
}

double sunSemidiameter_deg(double distance_km) {
    return std::asin(SUN_RADIUS_KM / distance_km) * ERFA_DR2D;
}

double geocentricRisingAltitude_deg(double depression_deg, double distance_km) {
    // Seen from the surface the altitude is h' = -refraction - depression; from the centre,
    // one radius further down, the body stands higher by p with sin p = sin(HP) cos h'.
    const double surfaceAltitude_deg = -HORIZONTAL_REFRACTION_DEG - depression_deg;
    const double sinParallax =
        EARTH_EQUATORIAL_RADIUS_KM / distance_km * std::cos(surfaceAltitude_deg * ERFA_DD2R);
    return surfaceAltitude_deg + std::asin(sinParallax) * ERFA_DR2D;
}

double sunRisingAltitude_deg(double distance_km) {
    return geocentricRisingAltitude_deg(sunSemidiameter_deg(distance_km), distance_km);
}

double moonRisingAltitude_deg(double distance_km) {
    return geocentricRisingAltitude_deg(0.0, distance_km);
}

}  // namespace astro
