// The Sun and the Moon from the precise positions (astro/precise_position.h) over a span of
// Universal Time as long as a day and its margins, for the many instants at which a day's
// rising, setting and chart look at them. ERFA is evaluated only at a few nodes: the Sun
// every 13 hours at most, interpolated by a parabola through the three nodes nearest, and the
// Moon every 4 hours at most, interpolated by a cubic through the four nodes around. Both
// stay within 0.02" of ERFA's own places between the nodes.
//
// Over the span, TT runs from UT by the Delta T (astro/delta_t.h) of the span's middle: over
// a day Delta T changes by under a millisecond, or by the one second of a leap second.
// Precession and nutation are taken at the middle too, and so is the equation of the origins
// that turns the Earth rotation angle of each instant into the Greenwich apparent sidereal
// time (IAU 2006/2000A, ERFA's eraGst06, with UT1 taken for UT). Over a day and its margins
// (26 hours) the places stay within 0.17" of ERFA's at each instant, and the sidereal time
// within 0.16"; over the longest span, a day and a half, within 0.25".
#pragma once

#include <array>
#include <optional>
#include <vector>

namespace astro {

// A body's apparent geocentric place at one instant, true equator and equinox of date.
struct SkyPlace {
    double rightAscension_deg;  // [0, 360)
    double declination_deg;     // -90 to 90
    double distance_km;         // from the Earth's centre to the body's
};

// A place seen from a point of the Earth at one instant: geometric altitude and azimuth of
// the geocentric direction and its hour angle.
struct HorizonPlace {
    double altitude_deg;   // -90 to 90
    double hourAngle_deg;  // [-180, 180], positive west of the meridian
    double azimuth_deg;    // [0, 360), from north through east (east 90)
};

// A body's places at nodes evenly spread over a span, and the polynomial through the
// `points` nodes nearest an instant between them.
class InterpolatedPlaces {
  public:
    using Vector = std::array<double, 3>;

    // `positions_au` at the UT Julian days first + k step, k = 0 to size - 1 (size at least
    // `points`), in the frame of date; `points` is 3 (a parabola) or more.
    InterpolatedPlaces(double firstJulianDay, double step_days, std::vector<Vector> positions_au,
                       int points);

    // The place at the UT Julian day `julianDay` (between the first and the last node; the
    // end polynomials carry on outside). Not a number for a Julian day that is not finite.
    SkyPlace at(double julianDay) const;

  private:
    double first_;
    double step_;
    std::vector<Vector> positions_au_;
    int points_;
};

class PreciseSky {
  public:
    // The longest span a sky is made for, days.
    static constexpr double MAX_SPAN_DAYS = 1.5;

    // The sky for UT Julian days from `firstJulianDay` to `lastJulianDay`; nothing when
    // either is not finite, the last comes before the first, or the span is longer than
    // MAX_SPAN_DAYS.
    static std::optional<PreciseSky> over(double firstJulianDay, double lastJulianDay);

    SkyPlace sun(double julianDay) const { return sun_.at(julianDay); }
    SkyPlace moon(double julianDay) const { return moon_.at(julianDay); }

    // Greenwich apparent sidereal time, degrees in [0, 360), at the UT Julian day.
    double siderealTime_deg(double julianDay) const;

  private:
    PreciseSky(InterpolatedPlaces sun, InterpolatedPlaces moon, double equationOfOrigins_rad);

    InterpolatedPlaces sun_;
    InterpolatedPlaces moon_;
    double equationOfOrigins_rad_;
};

// Where `place` stands for an observer at `latitude_deg` (north positive) and
// `longitude_deg` (east positive) when the Greenwich sidereal time is `siderealTime_deg`.
HorizonPlace horizonPlace(const SkyPlace& place, double siderealTime_deg, double latitude_deg,
                          double longitude_deg);

}  // namespace astro
