#include "day_sky.h"

#include <cmath>
#include <limits>
#include <utility>
#include <variant>

#include "calculation.h"
#include "constants.h"
#include "julian_day.h"
#include "rising_level.h"

namespace astro {

namespace {

constexpr double SECONDS_PER_HOUR = 3600.0;
constexpr double SECONDS_PER_MINUTE = 60.0;

// A number that fits a 16-bit signed integer, or nothing.
std::optional<std::int16_t> toInt16(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

// The calculation's UT Julian day of the instant `seconds` after 00:00 JST of `date`, in the
// day's calendar; nothing when the calculation cannot carry it.
std::optional<double> typedJulianDay(const CalendarDay& date, double seconds) {
    const std::variant<PassInstant, PassFault> instant =
        passInstant(date.year, date.month, dayWithTimeAt(date.day, seconds), date.calendar);
    if (const PassInstant* carried = std::get_if<PassInstant>(&instant)) {
        return carried->julianDay;
    }
    return std::nullopt;
}

// The precise sky over a span, built again only when the span differs from the last one this
// thread asked for: the day's events and its chart ask for the same day one after the other,
// and the sky (ERFA at its nodes) is most of what either costs. The sky depends on the span
// alone, so a kept one is the very sky that would be built.
std::optional<PreciseSky> lastPreciseSkyOver(double first, double last) {
    struct Kept {
        double first;
        double last;
        PreciseSky sky;
    };
    thread_local std::optional<Kept> kept;
    if (kept && kept->first == first && kept->last == last) return kept->sky;
    std::optional<PreciseSky> sky = PreciseSky::over(first, last);
    if (sky) kept = Kept{first, last, *sky};
    return sky;
}

}  // namespace

std::optional<CalendarDay> calendarDayOf(int year, int month, int day) {
    const std::optional<std::int16_t> year16 = toInt16(year);
    const std::optional<std::int16_t> month16 = toInt16(month);
    if (!year16 || !month16) return std::nullopt;
    const double midnight = dayWithTimeAt(day, 0);
    const Calendar calendar = calendarOf(*year16, *month16, midnight);
    if (!std::holds_alternative<PassInstant>(passInstant(*year16, *month16, midnight, calendar))) {
        return std::nullopt;
    }
    return CalendarDay{*year16, *month16, day, calendar};
}

double dayWithTimeAt(int day, double seconds) {
    const double hour = std::floor(seconds / SECONDS_PER_HOUR);
    const double minute = std::floor((seconds - hour * SECONDS_PER_HOUR) / SECONDS_PER_MINUTE);
    const double second = seconds - hour * SECONDS_PER_HOUR - minute * SECONDS_PER_MINUTE;
    return dayWithTime(day, hour, minute, second);
}

std::optional<DaySky> DaySky::of(const CalendarDay& date, double latitude, double longitude) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude)) return std::nullopt;
    const std::optional<double> first = typedJulianDay(date, -MARGIN_SECONDS);
    const std::optional<double> last = typedJulianDay(date, SECONDS_PER_DAY + MARGIN_SECONDS);
    if (!first || !last) return std::nullopt;
    std::optional<PreciseSky> sky = lastPreciseSkyOver(*first, *last);
    if (!sky) return std::nullopt;
    return DaySky(date, latitude, longitude, std::move(*sky));
}

DaySky::DaySky(const CalendarDay& date, double latitude, double longitude, PreciseSky sky)
    : date_(date),
      latitude_(latitude),
      longitude_(longitude),
      centreDepth_km_(centreDepth_km(latitude)),
      sky_(std::move(sky)) {}

double DaySky::julianDayAt(double seconds) const {
    // Both ends of the margins were carried, and the calculation refuses an instant only by
    // its year and month or by one far beyond them, so every instant between is carried.
    return typedJulianDay(date_, seconds).value();
}

SkyAt DaySky::at(double seconds) const {
    const double julianDay = julianDayAt(seconds);
    const double siderealTime_deg = sky_.siderealTime_deg(julianDay);
    const SkyPlace sun = sky_.sun(julianDay);
    const SkyPlace moon = sky_.moon(julianDay);
    const HorizonPlace sunThere = horizonPlace(sun, siderealTime_deg, latitude_, longitude_);
    const HorizonPlace moonThere = horizonPlace(moon, siderealTime_deg, latitude_, longitude_);
    return {julianDay,
            sunThere.altitude_deg,
            moonThere.altitude_deg,
            sunThere.hourAngle_deg,
            moonThere.hourAngle_deg,
            sun.distance_km,
            moon.distance_km,
            centreDepth_km_,
            sunThere.azimuth_deg,
            moonThere.azimuth_deg};
}

}  // namespace astro
