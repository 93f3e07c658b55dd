#include "day_sky.h"

#include <cmath>
#include <limits>
#include <variant>

#include "calculation.h"
#include "constants.h"
#include "julian_day.h"
#include "working_variables.h"

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

// The hour angle, degrees, positive west of the meridian, of a body at `rightAscension`
// (hours) for the sidereal time (hours) and longitude (degrees), as the horizon conversion
// forms it, brought into [-180, 180].
double hourAngle(double siderealTime, double rightAscension, double longitude) {
    return std::remainder((siderealTime - rightAscension) * 15 + longitude, 360.0);
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

std::optional<SkyAt> skyAt(const CalendarDay& date, double seconds, double latitude,
                           double longitude) {
    const std::variant<PassInstant, PassFault> instant =
        passInstant(date.year, date.month, dayWithTimeAt(date.day, seconds), date.calendar);
    if (!std::holds_alternative<PassInstant>(instant)) return std::nullopt;
    WorkingVariables v;
    calculatePassAt(v, std::get<PassInstant>(instant), latitude, longitude);
    SkyAt sky{};
    sky.julianDay = v.julianDay;
    sky.sunAltitude = v.sunAltitude;
    sky.sunHourAngle = hourAngle(v.siderealTime, v.sunRightAscension, v.longitude);
    sky.moonAltitude = v.moonAltitude;
    sky.moonHourAngle = hourAngle(v.siderealTime, v.moonRightAscension, v.longitude);
    return sky;
}

}  // namespace astro
