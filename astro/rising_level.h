// The altitude of a body's geocentric centre at which it rises and sets by the conventions
// of the national almanac: the horizontal refraction 35'08", no elevation of the observer,
// the Sun's upper limb and the Moon's centre on the horizon seen from the Earth's surface,
// with the semidiameter and the horizontal parallax that the body's distance gives.
#pragma once

namespace astro {

// The almanac's refraction at the horizon, degrees (35'08").
inline constexpr double HORIZONTAL_REFRACTION_DEG = (35.0 + 8.0 / 60.0) / 60.0;

// Equatorial radius of the Earth (GRS 80) and radius of the Sun (IAU 1976, 959.63" at one
// astronomical unit), kilometres.
inline constexpr double EARTH_EQUATORIAL_RADIUS_KM = 6378.137;
inline constexpr double SUN_RADIUS_KM = 696000.0;

// Horizontal parallax, degrees: the angle the Earth's equatorial radius subtends at
// `distance_km` (more than the radius).
double horizontalParallax_deg(double distance_km);

// The Sun's semidiameter, degrees, at `distance_km` from the Earth's centre.
double sunSemidiameter_deg(double distance_km);

// The geocentric altitude of a body's centre, degrees, at which a point `depression_deg`
// below it (the upper limb is the semidiameter above the centre) stands at the apparent
// altitude -35'08" for an observer on the surface: the body `distance_km` away, seen from
// one Earth radius nearer, stands lower by its parallax in altitude.
double geocentricRisingAltitude_deg(double depression_deg, double distance_km);

// Sunrise and sunset: the Sun's upper limb on the horizon. About -0.85 degrees.
double sunRisingAltitude_deg(double distance_km);

// Moonrise and moonset: the Moon's centre on the horizon. +0.31 to +0.44 degrees.
double moonRisingAltitude_deg(double distance_km);

}  // namespace astro
