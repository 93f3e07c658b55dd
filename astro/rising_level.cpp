#include "astro/rising_level.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace astro {

double centreDepth_km(double latitude_deg) {
    // The observer's geocentric position, and its component along the vertical.
    const double latitude_rad = latitude_deg * ERFA_DD2R;
    double position_m[3] = {0.0, 0.0, 0.0};
    eraGd2gc(ERFA_GRS80, 0.0, latitude_rad, 0.0, position_m);
    double vertical[3] = {std::cos(latitude_rad), 0.0, std::sin(latitude_rad)};
    return eraPdp(position_m, vertical) / 1000.0;
}

double sunSemidiameter_deg(double distance_km) {
    return std::asin(SUN_RADIUS_KM / distance_km) * ERFA_DR2D;
}

double surfaceAltitude_deg(double geocentricAltitude_deg, double distance_km, double depth_km) {
    // Body and observer in the vertical plane, lengths in units of the body's distance: the
    // observer depth / distance up the vertical from the centre.
    const double rise = depth_km / distance_km;
    const double h = geocentricAltitude_deg * ERFA_DD2R;
    return std::atan2(std::sin(h) - rise, std::cos(h)) * ERFA_DR2D;
}

double geocentricAltitude_deg(double surfaceAltitude_deg, double distance_km, double depth_km) {
    // The parallax in altitude p has sin p = (depth / distance) cos h' for the altitude h'
    // seen by the observer (the sine rule in the triangle of centre, observer and body).
    const double sinParallax = depth_km / distance_km * std::cos(surfaceAltitude_deg * ERFA_DD2R);
    return surfaceAltitude_deg + std::asin(sinParallax) * ERFA_DR2D;
}

double sunRisingAltitude_deg(double distance_km, double depth_km) {
    return geocentricAltitude_deg(-HORIZONTAL_REFRACTION_DEG - sunSemidiameter_deg(distance_km),
                                  distance_km, depth_km);
}

double moonRisingAltitude_deg(double distance_km, double depth_km) {
    return geocentricAltitude_deg(-HORIZONTAL_REFRACTION_DEG, distance_km, depth_km);
}

}  // namespace astro
