#include "event_reference.h"
#include "units.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include <libnova/libnova.h>

namespace accuracy {

namespace {

using astro::DayEventKind;

constexpr double SECONDS_PER_DAY = 86400.0;
constexpr double MINUTES_PER_DAY = 1440.0;

// The reference scans the altitude every two minutes; crossings are bisected to a
// millisecond, turns of the altitude refined to a tenth of a second.
constexpr double SCAN_STEP_DAYS = 2.0 / MINUTES_PER_DAY;
constexpr double CROSSING_TOLERANCE_DAYS = 0.001 / SECONDS_PER_DAY;
constexpr double TURN_TOLERANCE_DAYS = 0.1 / SECONDS_PER_DAY;
// The altitude's rate is the difference over a minute.
constexpr double RATE_HALF_SPAN_DAYS = 30.0 / SECONDS_PER_DAY;
// A crossing is grazing when a turn of the altitude within this many days of it lies near
// the level; the turns are looked for on samples this far apart.
constexpr double GRAZING_SEARCH_DAYS = 3.0 / 24.0;
constexpr double GRAZING_SCAN_STEP_DAYS = 5.0 / MINUTES_PER_DAY;

// Events of the same kind that libnova gives from two windows within this many days of
// each other are one event.
constexpr double DUPLICATE_DAYS = 10.0 / MINUTES_PER_DAY;

// The golden ratio's conjugate, the fraction of a bracket a golden-section step keeps.
constexpr double GOLDEN_FRACTION = 0.6180339887498949;

// Secant steps for the new Moon stop at this many days.
constexpr double NEW_MOON_TOLERANCE_DAYS = 1e-7;
constexpr int MAX_NEW_MOON_STEPS = 50;

// A level of altitude and the events of crossing it upwards and downwards.
struct Level {
    Body body;
    double altitude_deg;
    DayEventKind rising;
    DayEventKind setting;
};
constexpr std::array<Level, 5> LEVELS = {{
    {Body::Sun, LN_SOLAR_STANDART_HORIZON, DayEventKind::SunRise, DayEventKind::SunSet},
    {Body::Sun, LN_SOLAR_CIVIL_HORIZON, DayEventKind::CivilDawn, DayEventKind::CivilDusk},
    {Body::Sun, LN_SOLAR_NAUTIC_HORIZON, DayEventKind::NauticalDawn, DayEventKind::NauticalDusk},
    {Body::Sun, LN_SOLAR_ASTRONOMICAL_HORIZON, DayEventKind::AstronomicalDawn,
     DayEventKind::AstronomicalDusk},
    {Body::Moon, LN_LUNAR_STANDART_HORIZON, DayEventKind::MoonRise, DayEventKind::MoonSet},
}};

std::size_t indexOf(Body body) {
    return body == Body::Sun ? 0 : 1;
}

// `degrees` reduced into [0, 360).
double reduceDegrees(double degrees) {
    const double reduced = std::fmod(degrees, 360.0);
    return reduced < 0 ? reduced + 360.0 : reduced;
}

// Where f (a function of the Julian day) changes sign between a and b, f(a) = fa and
// f(b) = fb being of opposite signs: bisection to `tolerance`.
double bisect(const std::function<double(double)>& f, double a, double fa, double b,
              double tolerance) {
    const bool belowAtA = fa < 0;
    while (b - a > tolerance) {
        const double c = (a + b) / 2;
        if ((f(c) < 0) == belowAtA) {
            a = c;
        } else {
            b = c;
        }
    }
    return (a + b) / 2;
}

// The extreme value of f on [a, b] (its maximum, or with `maximum` false its minimum) and
// where it lies: golden-section search.
std::pair<double, double> extremum(const std::function<double(double)>& f, double a, double b,
                                   bool maximum, double tolerance) {
    const double sign = maximum ? 1.0 : -1.0;
    double x1 = b - GOLDEN_FRACTION * (b - a);
    double x2 = a + GOLDEN_FRACTION * (b - a);
    double f1 = sign * f(x1);
    double f2 = sign * f(x2);
    while (b - a > tolerance) {
        if (f1 >= f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - GOLDEN_FRACTION * (b - a);
            f1 = sign * f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + GOLDEN_FRACTION * (b - a);
            f2 = sign * f(x2);
        }
    }
    return f1 >= f2 ? std::make_pair(x1, sign * f1) : std::make_pair(x2, sign * f2);
}

// Samples of a function of the Julian day from `from` every `step`.
struct Samples {
    double from;
    double step;
    std::vector<double> values;
    double at(std::size_t i) const { return from + static_cast<double>(i) * step; }
};

Samples sample(const std::function<double(double)>& f, double from, double to, double step) {
    Samples s{from, step, {}};
    const auto count = static_cast<std::size_t>(std::ceil((to - from) / step)) + 1;
    for (std::size_t i = 0; i < count; ++i) s.values.push_back(f(s.at(i)));
    return s;
}

// The turns of the sampled function: interior samples beyond both neighbours, refined.
struct Turn {
    std::size_t index;
    bool maximum;
    double time;
    double value;
};
std::vector<Turn> turnsOf(const std::function<double(double)>& f, const Samples& s) {
    std::vector<Turn> turns;
    for (std::size_t j = 1; j + 1 < s.values.size(); ++j) {
        const double before = s.values[j - 1];
        const double at = s.values[j];
        const double after = s.values[j + 1];
        const bool maximum = at > before && at >= after;
        const bool minimum = at < before && at <= after;
        if (!maximum && !minimum) continue;
        const auto [time, value] =
            extremum(f, s.at(j - 1), s.at(j + 1), maximum, TURN_TOLERANCE_DAYS);
        turns.push_back({j, maximum, time, value});
    }
    return turns;
}

// Where the sampled f crosses `level`: (Julian day, rising).
std::vector<std::pair<double, bool>> crossingsOf(const std::function<double(double)>& f,
                                                 const Samples& s, const std::vector<Turn>& turns,
                                                 double level) {
    std::vector<std::pair<double, bool>> found;
    const auto g = [&f, level](double t) { return f(t) - level; };
    for (std::size_t i = 0; i + 1 < s.values.size(); ++i) {
        const double a = s.values[i] - level;
        const double b = s.values[i + 1] - level;
        if ((a < 0) != (b < 0)) {
            found.emplace_back(bisect(g, s.at(i), a, s.at(i + 1), CROSSING_TOLERANCE_DAYS), a < 0);
        }
    }
    for (const Turn& turn : turns) {
        const double before = s.values[turn.index - 1] - level;
        const double at = s.values[turn.index] - level;
        const double after = s.values[turn.index + 1] - level;
        const double extreme = turn.value - level;
        const bool hidden = turn.maximum ? (before < 0 && at < 0 && after < 0 && extreme >= 0)
                                         : (before >= 0 && at >= 0 && after >= 0 && extreme < 0);
        if (!hidden) continue;
        found.emplace_back(
            bisect(g, s.at(turn.index - 1), before, turn.time, CROSSING_TOLERANCE_DAYS),
            turn.maximum);
        found.emplace_back(
            bisect(g, turn.time, extreme, s.at(turn.index + 1), CROSSING_TOLERANCE_DAYS),
            !turn.maximum);
    }
    return found;
}

// Apparent ecliptic longitude, degrees, of an apparent place of date, with the true
// obliquity of date.
double apparentLongitude(const EquatorialPlace& place, double julianEphemerisDay) {
    ln_nutation nutation{};
    ln_get_nutation(julianEphemerisDay, &nutation);
    const double e = (nutation.ecliptic + nutation.obliquity) * DEG_TO_RAD;
    const double a = place.rightAscension_deg * DEG_TO_RAD;
    const double d = place.declination_deg * DEG_TO_RAD;
    return std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a)) *
           RAD_TO_DEG;
}

// The Moon's apparent longitude minus the Sun's, degrees in [-180, 180).
double referenceElongation(double julianEphemerisDay) {
    const double moon = apparentLongitude(apparentMoon(julianEphemerisDay), julianEphemerisDay);
    const double sun = apparentLongitude(apparentSun(julianEphemerisDay), julianEphemerisDay);
    return std::remainder(moon - sun, 360.0);
}

// Places handed to libnova's rise-and-set function, remembered by Julian day: it asks for
// the same three days again for every level and every window.
std::map<double, EquatorialPlace> g_libnovaSunPlaces;
std::map<double, EquatorialPlace> g_libnovaMoonPlaces;

// The place at libnova's TT `julianDay`, taken Delta T earlier: the place of the same Julian
// day as the program's.
void libnovaPlace(std::map<double, EquatorialPlace>& cache, EquatorialPlace (*place)(double),
                  double julianDay, ln_equ_posn* out) {
    auto found = cache.find(julianDay);
    if (found == cache.end()) {
        const double deltaT_days = ln_get_dynamical_time_diff(julianDay) / SECONDS_PER_DAY;
        found = cache.emplace(julianDay, place(julianDay - deltaT_days)).first;
    }
    out->ra = found->second.rightAscension_deg;
    out->dec = found->second.declination_deg;
}

void libnovaSunPlace(double julianDay, ln_equ_posn* out) {
    libnovaPlace(g_libnovaSunPlaces, apparentSun, julianDay, out);
}

void libnovaMoonPlace(double julianDay, ln_equ_posn* out) {
    libnovaPlace(g_libnovaMoonPlaces, apparentMoon, julianDay, out);
}

}  // namespace

Body bodyOf(DayEventKind kind) {
    switch (kind) {
        case DayEventKind::MoonRise:
        case DayEventKind::MoonTransit:
        case DayEventKind::MoonSet:
            return Body::Moon;
        default:
            return Body::Sun;
    }
}

bool isTransit(DayEventKind kind) {
    return kind == DayEventKind::SunTransit || kind == DayEventKind::MoonTransit;
}

double levelOf(DayEventKind kind) {
    for (const Level& level : LEVELS) {
        if (level.rising == kind || level.setting == kind) return level.altitude_deg;
    }
    return NAN;
}

ReferencePlaces::ReferencePlaces(double first, double last)
    : firstNode_(std::floor(first * NODES_PER_DAY) / NODES_PER_DAY - 1.0 / NODES_PER_DAY) {
    const int count = static_cast<int>(std::ceil((last - firstNode_) * NODES_PER_DAY)) + 3;
    for (Body body : {Body::Sun, Body::Moon}) {
        std::vector<double>& ra = rightAscensions_[indexOf(body)];
        std::vector<double>& dec = declinations_[indexOf(body)];
        for (int i = 0; i < count; ++i) {
            const double jde = firstNode_ + static_cast<double>(i) / NODES_PER_DAY;
            const EquatorialPlace p = body == Body::Sun ? apparentSun(jde) : apparentMoon(jde);
            double alpha = p.rightAscension_deg;
            if (!ra.empty()) alpha += 360.0 * std::round((ra.back() - alpha) / 360.0);
            ra.push_back(alpha);
            dec.push_back(p.declination_deg);
        }
    }
}

EquatorialPlace ReferencePlaces::at(Body body, double julianEphemerisDay) const {
    const std::vector<double>& ra = rightAscensions_[indexOf(body)];
    const std::vector<double>& dec = declinations_[indexOf(body)];
    const double x = (julianEphemerisDay - firstNode_) * NODES_PER_DAY;
    const int last = static_cast<int>(ra.size()) - 4;
    const int i0 = std::clamp(static_cast<int>(std::floor(x)) - 1, 0, last);
    double alpha = 0.0;
    double delta = 0.0;
    for (int i = i0; i < i0 + 4; ++i) {
        double weight = 1.0;
        for (int j = i0; j < i0 + 4; ++j) {
            if (j != i) weight *= (x - j) / (i - j);
        }
        alpha += weight * ra[static_cast<std::size_t>(i)];
        delta += weight * dec[static_cast<std::size_t>(i)];
    }
    return {reduceDegrees(alpha), delta};
}

ReferenceSky::ReferenceSky(const ReferencePlaces& places, double dayStartJd, double latitude,
                           double longitude, double ephemerisShiftDays)
    : places_(places), latitude_(latitude), longitude_(longitude), shift_(ephemerisShiftDays) {
    // The equation of the equinoxes changes by less than 0.02 s in a day: it is taken once,
    // at noon of the day, as reference.cpp forms it.
    ln_nutation nutation{};
    ln_get_nutation(dayStartJd + 0.5 + shift_, &nutation);
    const double trueObliquity = (nutation.ecliptic + nutation.obliquity) * DEG_TO_RAD;
    equationOfEquinoxes_h_ = nutation.longitude * std::cos(trueObliquity) / DEGREES_PER_HOUR;
}

double ReferenceSky::siderealTime(double julianDayUt) const {
    return ln_get_mean_sidereal_time(julianDayUt) + equationOfEquinoxes_h_;
}

double ReferenceSky::altitude(Body body, double julianDayUt) const {
    return horizonOf(places_.at(body, julianDayUt + shift_), siderealTime(julianDayUt), latitude_,
                     longitude_)
        .altitude_deg;
}

double ReferenceSky::hourAngle(Body body, double julianDayUt) const {
    const EquatorialPlace p = places_.at(body, julianDayUt + shift_);
    return std::remainder(
        siderealTime(julianDayUt) * DEGREES_PER_HOUR + longitude_ - p.rightAscension_deg, 360.0);
}

double ReferenceSky::altitudeRate(Body body, double julianDayUt) const {
    return (altitude(body, julianDayUt + RATE_HALF_SPAN_DAYS) -
            altitude(body, julianDayUt - RATE_HALF_SPAN_DAYS)) /
           (2 * RATE_HALF_SPAN_DAYS * SECONDS_PER_DAY);
}

bool ReferenceSky::grazesNear(Body body, double julianDayUt, double level, double margin) const {
    const auto f = [this, body](double t) { return altitude(body, t); };
    const Samples s = sample(f, julianDayUt - GRAZING_SEARCH_DAYS,
                             julianDayUt + GRAZING_SEARCH_DAYS, GRAZING_SCAN_STEP_DAYS);
    for (const Turn& turn : turnsOf(f, s)) {
        if (std::abs(turn.value - level) <= margin) return true;
    }
    return false;
}

std::vector<ReferenceEvent> referenceEvents(const ReferenceSky& sky, double fromJd, double toJd) {
    std::vector<ReferenceEvent> events;
    for (Body body : {Body::Sun, Body::Moon}) {
        const auto altitude = [&sky, body](double t) { return sky.altitude(body, t); };
        const Samples s = sample(altitude, fromJd, toJd, SCAN_STEP_DAYS);
        const std::vector<Turn> turns = turnsOf(altitude, s);
        for (const Level& level : LEVELS) {
            if (level.body != body) continue;
            for (const auto& [time, rising] : crossingsOf(altitude, s, turns, level.altitude_deg)) {
                events.push_back({rising ? level.rising : level.setting, time});
            }
        }
        const auto hourAngle = [&sky, body](double t) { return sky.hourAngle(body, t); };
        const Samples h = sample(hourAngle, fromJd, toJd, SCAN_STEP_DAYS);
        for (std::size_t i = 0; i + 1 < h.values.size(); ++i) {
            const double a = h.values[i];
            const double b = h.values[i + 1];
            if (a < 0 && b >= 0 && b - a < 180) {
                events.push_back(
                    {body == Body::Sun ? DayEventKind::SunTransit : DayEventKind::MoonTransit,
                     bisect(hourAngle, h.at(i), a, h.at(i + 1), CROSSING_TOLERANCE_DAYS)});
            }
        }
    }
    std::sort(events.begin(), events.end(), [](const ReferenceEvent& a, const ReferenceEvent& b) {
        return a.julianDay < b.julianDay;
    });
    return events;
}

std::vector<ReferenceEvent> libnovaEvents(const std::vector<double>& windowStartsJd,
                                          double latitude, double longitude) {
    g_libnovaSunPlaces.clear();
    g_libnovaMoonPlaces.clear();
    ln_lnlat_posn observer{longitude, latitude};  // libnova: east positive
    std::vector<ReferenceEvent> events;
    for (double start : windowStartsJd) {
        for (const Level& level : LEVELS) {
            ln_rst_time rst{};
            const bool moon = level.body == Body::Moon;
            const int circumpolar =
                ln_get_body_rst_horizon(start, &observer, moon ? libnovaMoonPlace : libnovaSunPlace,
                                        level.altitude_deg, &rst);
            if (circumpolar != 0) continue;
            events.push_back({level.rising, rst.rise});
            events.push_back({level.setting, rst.set});
            const bool riseAndSetLevel = level.altitude_deg == LN_SOLAR_STANDART_HORIZON ||
                                         level.altitude_deg == LN_LUNAR_STANDART_HORIZON;
            if (riseAndSetLevel) {
                events.push_back(
                    {moon ? DayEventKind::MoonTransit : DayEventKind::SunTransit, rst.transit});
            }
        }
    }
    std::sort(events.begin(), events.end(), [](const ReferenceEvent& a, const ReferenceEvent& b) {
        return a.julianDay < b.julianDay;
    });
    std::vector<ReferenceEvent> distinct;
    for (const ReferenceEvent& e : events) {
        const bool repeated = std::any_of(distinct.begin(), distinct.end(), [&e](const auto& d) {
            return d.kind == e.kind && std::abs(d.julianDay - e.julianDay) < DUPLICATE_DAYS;
        });
        if (!repeated) distinct.push_back(e);
    }
    return distinct;
}

double referenceNewMoon(double guessJd) {
    double t0 = guessJd;
    double t1 = guessJd + 0.01;
    double e0 = referenceElongation(t0);
    double e1 = referenceElongation(t1);
    for (int i = 0; i < MAX_NEW_MOON_STEPS && std::abs(t1 - t0) > NEW_MOON_TOLERANCE_DAYS; ++i) {
        const double t2 = t1 - e1 * (t1 - t0) / (e1 - e0);
        t0 = t1;
        e0 = e1;
        t1 = t2;
        e1 = referenceElongation(t1);
    }
    return t1;
}

}  // namespace accuracy
