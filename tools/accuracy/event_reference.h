// The reference side of the day's events: rising, setting, transits and twilights found on
// libnova's apparent places (VSOP87 Sun, full ELP 2000-82B Moon, as in reference.h), its
// sidereal time and horizon; libnova's own rise, set and transit functions; and the
// reference's new Moon.
#pragma once

#include <array>
#include <vector>

#include "astro/day_events.h"
#include "reference.h"

namespace accuracy {

enum class Body { Sun, Moon };

// The body whose altitude an event of `kind` is about, and the altitude it is counted at
// (degrees; not a number for a transit).
Body bodyOf(astro::DayEventKind kind);
double levelOf(astro::DayEventKind kind);
bool isTransit(astro::DayEventKind kind);

// The reference's apparent places of the Sun and the Moon over a span of Julian days, computed
// every four hours and interpolated between (four-point Lagrange, on the right ascension
// unwrapped): the places change smoothly, and the interpolation is good to 0.001".
class ReferencePlaces {
  public:
    // Places for Julian ephemeris days from `first` to `last`.
    ReferencePlaces(double first, double last);

    EquatorialPlace at(Body body, double julianEphemerisDay) const;

  private:
    static constexpr int NODES_PER_DAY = 6;
    double firstNode_;
    std::array<std::vector<double>, 2> rightAscensions_;  // unwrapped, degrees
    std::array<std::vector<double>, 2> declinations_;
};

// The sky of one JST day at one place seen through the reference: altitude and hour angle of
// either body at a Universal Time Julian day, with the places taken at that Julian day plus
// `ephemerisShiftDays` (0 to compare the series themselves, Delta T for the real sky) and the
// apparent sidereal time at the Universal Time.
class ReferenceSky {
  public:
    ReferenceSky(const ReferencePlaces& places, double dayStartJd, double latitude,
                 double longitude, double ephemerisShiftDays);

    double altitude(Body body, double julianDayUt) const;
    double hourAngle(Body body, double julianDayUt) const;  // degrees in [-180, 180]
    // Rate of change of the altitude, degrees a second.
    double altitudeRate(Body body, double julianDayUt) const;
    // True when the body's altitude turns within three hours of `julianDayUt` at an extreme
    // within `margin` degrees of `level`: a crossing there is grazing.
    bool grazesNear(Body body, double julianDayUt, double level, double margin) const;

  private:
    double siderealTime(double julianDayUt) const;

    const ReferencePlaces& places_;
    double latitude_;
    double longitude_;
    double shift_;
    double equationOfEquinoxes_h_;
};

// One event found by a reference.
struct ReferenceEvent {
    astro::DayEventKind kind;
    double julianDay;  // UT
};

// Every event whose instant lies between `fromJd` and `toJd` (UT) on the reference sky:
// the altitude sampled every two minutes, each crossing bisected to a millisecond, each turn
// of the altitude whose three samples lie on one side of a level refined and counted as a
// crossing pair when it passes the level; transits where the hour angle passes 0.
std::vector<ReferenceEvent> referenceEvents(const ReferenceSky& sky, double fromJd, double toJd);

// libnova's own rise, set and transit times (ln_get_body_rst_horizon on the reference's
// places: the Meeus method, interpolating three daily places) for the 24 hours from each of
// `windowStartsJd` (UT). libnova evaluates the places at TT = UT + its Delta T; the places
// handed to it are taken Delta T earlier, so that it sees them at the same Julian day as the
// program. Transits come from the rise-and-set horizon of each body; a body that neither
// rises nor sets on a window gives nothing for it.
std::vector<ReferenceEvent> libnovaEvents(const std::vector<double>& windowStartsJd,
                                          double latitude, double longitude);

// The reference's new Moon nearest to `guessJd`: where the apparent ecliptic longitudes of
// the Moon and the Sun, at the Julian ephemeris day, are equal. Secant steps to 1e-7 day.
double referenceNewMoon(double guessJd);

}  // namespace accuracy
