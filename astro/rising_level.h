// The altitude of a body's geocentric centre at which it rises and sets by the conventions
// of the national almanac: the horizontal refraction 35'08", no elevation of the observer,
// the Sun's upper limb and the Moon's centre on the horizon seen from the Earth's surface,
// with the semidiameter and the parallax that the body's distance gives.
//
// The observer stands at sea level on the Earth's ellipsoid (GRS 80), so the Earth's centre
// lies below by the observer's geocentric distance along the vertical: the equatorial radius
// at the equator, 0.3 % less at the poles. The parallax in altitude is the horizontal
// parallax scaled by that depth; the centre's slight offset from the vertical (up to 21 km)
// turns the azimuth, not the altitude, of a body on the horizon.
#pragma once

namespace astro {

// The almanac's refraction at the horizon, degrees (35'08").
inline constexpr double HORIZONTAL_REFRACTION_DEG = (35.0 + 8.0 / 60.0) / 60.0;

// Radius of the Sun (IAU 1976, 959.63" at one astronomical unit), kilometres.
inline constexpr double SUN_RADIUS_KM = 696000.0;

// The depth of the Earth's centre below an observer at sea level at the geodetic
// `latitude_deg`, along the vertical, kilometres (6356.8 at the poles to 6378.1).
double centreDepth_km(double latitude_deg);

// The Sun's semidiameter, degrees, at `distance_km` from the Earth's centre.
double sunSemidiameter_deg(double distance_km);

// The altitude, degrees, at which a body `distance_km` from the Earth's centre, standing at
// `geocentricAltitude_deg` (geometric, seen from the centre), is seen by an observer
// `depth_km` above the centre: lower by the parallax.
double surfaceAltitude_deg(double geocentricAltitude_deg, double distance_km, double depth_km);

// The geocentric altitude, degrees, at which a body `distance_km` away is seen at
// `surfaceAltitude_deg` by an observer `depth_km` above the centre: surfaceAltitude_deg undone.
double geocentricAltitude_deg(double surfaceAltitude_deg, double distance_km, double depth_km);

// Sunrise and sunset: the geocentric altitude of the Sun's centre when its upper limb,
// seen by the observer `depth_km` above the centre, stands at -35'08" (refraction lifts it
// onto the horizon). About -0.85 degrees.
double sunRisingAltitude_deg(double distance_km, double depth_km);

// Moonrise and moonset: the geocentric altitude of the Moon's centre when, seen by the
// observer `depth_km` above the centre, it stands at -35'08". +0.31 to +0.44 degrees.
double moonRisingAltitude_deg(double distance_km, double depth_km);

}  // namespace astro
