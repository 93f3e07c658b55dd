#include "day_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "constants.h"
#include "crossings.h"
#include "day_sky.h"

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

// Crossings are refined to a millisecond, then reported at the nearest whole second of the
// clock: the instant the window calculates when that time is typed. Turns are refined to
// 0.05 s: near a turn the altitude changes by (1/2) h'' t^2, nothing at that scale.
constexpr double CROSSING_TOLERANCE_SECONDS = 1e-3;
constexpr double TURN_TOLERANCE_SECONDS = 0.05;

// A level of a body's altitude and the events of crossing it upwards and downwards.
struct AltitudeLevel {
    Body body;
    double altitude_deg;
    DayEventKind rising;
    DayEventKind setting;
};

constexpr std::array<AltitudeLevel, 5> ALTITUDE_LEVELS = {{
    {Body::Sun, SUN_RISE_SET_ALTITUDE_DEG, DayEventKind::SunRise, DayEventKind::SunSet},
    {Body::Sun, CIVIL_TWILIGHT_ALTITUDE_DEG, DayEventKind::CivilDawn, DayEventKind::CivilDusk},
    {Body::Sun, NAUTICAL_TWILIGHT_ALTITUDE_DEG, DayEventKind::NauticalDawn,
     DayEventKind::NauticalDusk},
    {Body::Sun, ASTRONOMICAL_TWILIGHT_ALTITUDE_DEG, DayEventKind::AstronomicalDawn,
     DayEventKind::AstronomicalDusk},
    {Body::Moon, MOON_RISE_SET_ALTITUDE_DEG, DayEventKind::MoonRise, DayEventKind::MoonSet},
}};

double altitudeOf(const SkyAt& sky, Body body) {
    return body == Body::Sun ? sky.sunAltitude : sky.moonAltitude;
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
class DaySky {
  public:
    // The samples of the day, or nothing when the calculation cannot carry one of them.
    static std::optional<DaySky> sampled(const CalendarDay& date, double latitude,
                                         double longitude) {
        DaySky sky(date, latitude, longitude);
        const int count = SAMPLES_BEFORE_MIDNIGHT +
                          static_cast<int>(SECONDS_PER_DAY / SAMPLE_STEP_SECONDS) +
                          SAMPLES_AFTER_MIDNIGHT + 1;
        sky.samples_.reserve(count);
        for (int k = 0; k < count; ++k) {
            const std::optional<SkyAt> sample = skyAt(date, timeAt(k), latitude, longitude);
            if (!sample) return std::nullopt;
            sky.samples_.push_back(*sample);
        }
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

    // The sky between the first and the last sample. The calculation carries every instant
    // there, since it carried both ends (it refuses by the year and month, or by an instant
    // too far from J2000.0), so `value` cannot throw.
    SkyAt at(double seconds) const { return skyAt(date_, seconds, latitude_, longitude_).value(); }

    // The runs of samples without a change of calendar: all of them, but on the day of one.
    const std::vector<Segment>& segments() const { return segments_; }

    // The body's altitude over a run of samples, with the function that gives it between.
    SampledCurve altitudeCurve(Body body, const Segment& segment) const {
        std::vector<double> values;
        values.reserve(segment.end - segment.begin);
        for (std::size_t k = segment.begin; k < segment.end; ++k) {
            values.push_back(altitudeOf(samples_[k], body));
        }
        return SampledCurve([this, body](double t) { return altitudeOf(at(t), body); },
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
        return DayEvent{kind, sky.julianDay, altitudeOf(sky, body), body, static_cast<int>(second)};
    }

  private:
    DaySky(const CalendarDay& date, double latitude, double longitude)
        : date_(date), latitude_(latitude), longitude_(longitude) {}

    CalendarDay date_;
    double latitude_;
    double longitude_;
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
    const std::optional<DaySky> sampled = DaySky::sampled(*date, latitude, longitude);
    if (!sampled) return {};
    const DaySky& sky = *sampled;

    std::vector<FoundEvent> found;
    const auto add = [&](DayEventKind kind, Body body, double seconds) {
        if (const std::optional<DayEvent> event = sky.eventAt(kind, body, seconds)) {
            found.push_back({seconds, *event});
        }
    };
    for (const Segment& segment : sky.segments()) {
        std::array<std::optional<SampledCurve>, 2> curves;
        for (const AltitudeLevel& level : ALTITUDE_LEVELS) {
            std::optional<SampledCurve>& curve = curves[static_cast<std::size_t>(level.body)];
            if (!curve) curve = sky.altitudeCurve(level.body, segment);
            for (const LevelCrossing& c :
                 curve->crossings(level.altitude_deg, CROSSING_TOLERANCE_SECONDS)) {
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
    if (!date || steps < 1 || !std::isfinite(latitude) || !std::isfinite(longitude)) return {};
    std::vector<AltitudeSample> samples;
    samples.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double seconds = SECONDS_PER_DAY * i / steps;
        const std::optional<SkyAt> sky = skyAt(*date, seconds, latitude, longitude);
        if (!sky) return {};
        samples.push_back({sky->julianDay, sky->sunAltitude, sky->moonAltitude});
    }
    return samples;
}

}  // namespace astro
