#include "day_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "constants.h"
#include "crossings.h"
#include "day_sky.h"
#include "rising_level.h"

namespace astro {

namespace {

// The day is sampled every half hour, from an hour before 00:00 to an hour after 24:00, and
// every crossing is refined between the samples. Within 60 degrees of the equator this
// misses nothing. The altitude h of a body at declination d, seen from latitude p, has
// sin h = sin p sin d + cos p cos d cos H with the hour angle H growing by about 15 degrees
// an hour (14.5 for the Moon), and d changing by at most 0.28 degrees an hour (the Moon).
// dh/dt = 0 where cos p cos d sin H dH/dt equals a term of the size of dd/dt, so where
// |sin H| <= (0.28 / 14.5) / (cos 60 cos 28.6) < 0.05: within 3 degrees of H = 0 and 180.
// The altitude therefore turns only near the upper and the lower meridian passage, at least
// 11 hours apart, far more than the two steps (one hour) that the crossing search allows
// between two turns; between turns it is monotonic. Each turn whose three samples lie on one
// side of a level is refined (golden section, to 0.05 s) and gives a crossing pair exactly
// when its extremum passes the level, so a Moon that touches the horizon for a few minutes,
// or seconds, is found, and one that only reaches it is not: grazing cases are decided by
// the extremum's altitude alone, the same way on every run. Beyond 60 degrees the turns stay
// near the meridian up to about 85 degrees, and the search holds; only within a few degrees
// of a pole may the Moon's own motion in declination make two turns close together.
constexpr double SAMPLE_STEP_SECONDS = 1800.0;
constexpr int SAMPLES_BEFORE_MIDNIGHT = 2;
constexpr int SAMPLES_AFTER_MIDNIGHT = 2;
static_assert(SAMPLES_BEFORE_MIDNIGHT * SAMPLE_STEP_SECONDS <= DaySky::MARGIN_SECONDS &&
                  SAMPLES_AFTER_MIDNIGHT * SAMPLE_STEP_SECONDS <= DaySky::MARGIN_SECONDS,
              "the day's sky must reach every sample of the search");

// Crossings are refined to a millisecond, then reported at the nearest whole second of the
// clock: the instant the window calculates when that time is typed. Turns are refined to
// 0.05 s: near a turn the altitude changes by (1/2) h'' t^2, nothing at that scale.
constexpr double CROSSING_TOLERANCE_SECONDS = 1e-3;
constexpr double TURN_TOLERANCE_SECONDS = 0.05;

// What a level is a level of, each seen from the Earth's surface (astro/rising_level.h): the
// Sun's centre (the twilights), the Sun's upper limb and the Moon's centre (rising and
// setting, with refraction).
enum class Curve { SunCentre, SunUpperLimb, MoonCentre };
constexpr std::size_t CURVE_COUNT = 3;

// A level of a curve and the events of crossing it upwards and downwards.
struct CurveLevel {
    Curve curve;
    Body body;
    double level_deg;
    DayEventKind rising;
    DayEventKind setting;
};

constexpr std::array<CurveLevel, 5> CURVE_LEVELS = {{
    {Curve::SunUpperLimb, Body::Sun, -HORIZONTAL_REFRACTION_DEG, DayEventKind::SunRise,
     DayEventKind::SunSet},
    {Curve::SunCentre, Body::Sun, CIVIL_TWILIGHT_ALTITUDE_DEG, DayEventKind::CivilDawn,
     DayEventKind::CivilDusk},
    {Curve::SunCentre, Body::Sun, NAUTICAL_TWILIGHT_ALTITUDE_DEG, DayEventKind::NauticalDawn,
     DayEventKind::NauticalDusk},
    {Curve::SunCentre, Body::Sun, ASTRONOMICAL_TWILIGHT_ALTITUDE_DEG,
     DayEventKind::AstronomicalDawn, DayEventKind::AstronomicalDusk},
    {Curve::MoonCentre, Body::Moon, -HORIZONTAL_REFRACTION_DEG, DayEventKind::MoonRise,
     DayEventKind::MoonSet},
}};

// The altitude that `curve` follows in `sky`, degrees, seen from the surface.
double valueOf(const SkyAt& sky, Curve curve) {
    switch (curve) {
        case Curve::SunCentre:
            return surfaceAltitude_deg(sky.sunAltitude, sky.sunDistance_km, sky.centreDepth_km);
        case Curve::SunUpperLimb:
            return surfaceAltitude_deg(sky.sunAltitude, sky.sunDistance_km, sky.centreDepth_km) +
                   sunSemidiameter_deg(sky.sunDistance_km);
        case Curve::MoonCentre:
            return surfaceAltitude_deg(sky.moonAltitude, sky.moonDistance_km, sky.centreDepth_km);
    }
    return sky.sunAltitude;
}

double altitudeOf(const SkyAt& sky, Body body) {
    return body == Body::Sun ? sky.sunAltitude : sky.moonAltitude;
}

double azimuthOf(const SkyAt& sky, Body body) {
    return body == Body::Sun ? sky.sunAzimuth_deg : sky.moonAzimuth_deg;
}

double hourAngleOf(const SkyAt& sky, Body body) {
    return body == Body::Sun ? sky.sunHourAngle : sky.moonHourAngle;
}

// Consecutive samples whose Julian days differ from the step by more than this (days) lie
// on either side of a jump of the sky. Every sample is reckoned in the day's own calendar,
// so none is expected; the split guards the search should one ever appear.
constexpr double CALENDAR_JUMP_DAYS = 1.0 / SECONDS_PER_DAY;

// A run of samples, from index `begin` to `end` (exclusive), over which the Julian day runs
// on without a jump.
struct Segment {
    std::size_t begin;
    std::size_t end;
};

// The sky over one day at one place, sampled on the search grid.
class SampledDay {
  public:
    // The samples of the day, or nothing when the calculation cannot carry the day.
    static std::optional<SampledDay> sampled(const CalendarDay& date, double latitude,
                                             double longitude) {
        std::optional<DaySky> daySky = DaySky::of(date, latitude, longitude);
        if (!daySky) return std::nullopt;
        SampledDay sky(std::move(*daySky));
        const int count = SAMPLES_BEFORE_MIDNIGHT +
                          static_cast<int>(SECONDS_PER_DAY / SAMPLE_STEP_SECONDS) +
                          SAMPLES_AFTER_MIDNIGHT + 1;
        sky.samples_.reserve(count);
        for (int k = 0; k < count; ++k) sky.samples_.push_back(sky.at(timeAt(k)));
        std::size_t begin = 0;
        for (std::size_t k = 1; k < sky.samples_.size(); ++k) {
            const double step = sky.samples_[k].julianDay - sky.samples_[k - 1].julianDay;
            if (std::abs(step - SAMPLE_STEP_SECONDS / SECONDS_PER_DAY) > CALENDAR_JUMP_DAYS) {
                sky.segments_.push_back({begin, k});
                begin = k;
            }
        }
        sky.segments_.push_back({begin, sky.samples_.size()});
        return sky;
    }

    // Seconds after 00:00 JST of sample `k`.
    static double timeAt(std::size_t k) {
        return (static_cast<double>(k) - SAMPLES_BEFORE_MIDNIGHT) * SAMPLE_STEP_SECONDS;
    }

    // The sky between the first and the last sample.
    SkyAt at(double seconds) const { return sky_.at(seconds); }

    // The runs of samples without a change of calendar: all of them, but on the day of one.
    const std::vector<Segment>& segments() const { return segments_; }

    // A curve over a run of samples, with the function that gives it between.
    SampledCurve sampledCurve(Curve curve, const Segment& segment) const {
        std::vector<double> values;
        values.reserve(segment.end - segment.begin);
        for (std::size_t k = segment.begin; k < segment.end; ++k) {
            values.push_back(valueOf(samples_[k], curve));
        }
        return SampledCurve([this, curve](double t) { return valueOf(at(t), curve); },
                            timeAt(segment.begin), SAMPLE_STEP_SECONDS, std::move(values),
                            TURN_TOLERANCE_SECONDS);
    }

    // The instants of the body's upper meridian passages over a run of samples: where its
    // hour angle, which only grows, passes 0 (and not where it wraps from 180 to -180).
    std::vector<double> transits(Body body, const Segment& segment) const {
        std::vector<double> found;
        const auto hourAngle = [this, body](double t) { return hourAngleOf(at(t), body); };
        for (std::size_t k = segment.begin; k + 1 < segment.end; ++k) {
            const double ha = hourAngleOf(samples_[k], body);
            const double next = hourAngleOf(samples_[k + 1], body);
            if (ha < 0 && next >= 0 && next - ha < 180) {
                found.push_back(refineCrossing(hourAngle, 0.0, timeAt(k), ha, timeAt(k + 1), next,
                                               CROSSING_TOLERANCE_SECONDS));
            }
        }
        return found;
    }

    // The event of `kind` at the whole second of the clock nearest to `seconds`, when that
    // second belongs to the day (00:00:00 to 23:59:59), with the body's altitude then.
    std::optional<DayEvent> eventAt(DayEventKind kind, Body body, double seconds) const {
        const double second = std::floor(seconds + 0.5);
        if (second < 0 || second >= SECONDS_PER_DAY) return std::nullopt;
        const SkyAt sky = at(second);
        return DayEvent{kind,
                        sky.julianDay,
                        altitudeOf(sky, body),
                        body,
                        static_cast<int>(second),
                        azimuthOf(sky, body)};
    }

  private:
    explicit SampledDay(DaySky sky) : sky_(std::move(sky)) {}

    DaySky sky_;
    std::vector<SkyAt> samples_;
    std::vector<Segment> segments_;
};

// A found event with the unrounded instant it was found at, to keep their order exact.
struct FoundEvent {
    double seconds;
    DayEvent event;
};

}  // namespace

std::vector<DayEvent> dayEvents(int year, int month, int day, double latitude, double longitude) {
    const std::optional<CalendarDay> date = calendarDayOf(year, month, day);
    if (!date || !std::isfinite(latitude) || !std::isfinite(longitude)) return {};
    const std::optional<SampledDay> sampled = SampledDay::sampled(*date, latitude, longitude);
    if (!sampled) return {};
    const SampledDay& sky = *sampled;

    std::vector<FoundEvent> found;
    const auto add = [&](DayEventKind kind, Body body, double seconds) {
        if (const std::optional<DayEvent> event = sky.eventAt(kind, body, seconds)) {
            found.push_back({seconds, *event});
        }
    };
    for (const Segment& segment : sky.segments()) {
        std::array<std::optional<SampledCurve>, CURVE_COUNT> curves;
        for (const CurveLevel& level : CURVE_LEVELS) {
            std::optional<SampledCurve>& curve = curves[static_cast<std::size_t>(level.curve)];
            if (!curve) curve = sky.sampledCurve(level.curve, segment);
            for (const LevelCrossing& c :
                 curve->crossings(level.level_deg, CROSSING_TOLERANCE_SECONDS)) {
                add(c.rising ? level.rising : level.setting, level.body, c.time);
            }
        }
        for (double t : sky.transits(Body::Sun, segment)) {
            add(DayEventKind::SunTransit, Body::Sun, t);
        }
        for (double t : sky.transits(Body::Moon, segment)) {
            add(DayEventKind::MoonTransit, Body::Moon, t);
        }
    }

    std::stable_sort(found.begin(), found.end(), [](const FoundEvent& a, const FoundEvent& b) {
        return a.seconds < b.seconds;
    });
    std::vector<DayEvent> events;
    events.reserve(found.size());
    for (const FoundEvent& f : found) events.push_back(f.event);
    return events;
}

std::vector<AltitudeSample> dayAltitudes(int year, int month, int day, double latitude,
                                         double longitude, int steps) {
    const std::optional<CalendarDay> date = calendarDayOf(year, month, day);
    if (!date || steps < 1) return {};
    const std::optional<DaySky> daySky = DaySky::of(*date, latitude, longitude);
    if (!daySky) return {};
    std::vector<AltitudeSample> samples;
    samples.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const SkyAt sky = daySky->at(SECONDS_PER_DAY * i / steps);
        samples.push_back({sky.julianDay, sky.sunAltitude, sky.moonAltitude,
                           sunRisingAltitude_deg(sky.sunDistance_km, sky.centreDepth_km),
                           moonRisingAltitude_deg(sky.moonDistance_km, sky.centreDepth_km)});
    }
    return samples;
}

}  // namespace astro
