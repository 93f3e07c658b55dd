#include "calculation.h"

#include <cmath>
#include <limits>

#include "constants.h"
#include "ephemeris.h"
#include "horizon.h"
#include "julian_day.h"

namespace astro {

std::optional<std::int16_t> toInt16RoundHalfEven(double value) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

double dayWithTime(double day, double hour, double minute, double second) {
    return day + hour / 24 + minute / 1440 + second / 86400 - JST_OFFSET_DAYS;
}

double hourOfDay(double dayWithTime) {
    return (dayWithTime - std::trunc(dayWithTime)) * 24;
}

double julianCenturiesOf(double julianDay) {
    return (julianDay - JD_J2000) / DAYS_PER_JULIAN_CENTURY;
}

std::variant<PassInstant, PassFault> passInstant(std::int16_t year, std::int16_t month,
                                                 double dayWithTime, Calendar calendar) {
    const std::optional<double> julianDay = ymdYDIn(calendar, year, month, dayWithTime);
    if (!julianDay) {
        return PassFault{PassFaultKind::OutsideSixteenBits, month <= 2 ? YEAR : MONTH};
    }
    const double julianCenturies = julianCenturiesOf(*julianDay);
    if (!(std::abs(julianCenturies) <= MAX_ABS_JULIAN_CENTURIES)) {
        return PassFault{PassFaultKind::InstantOutOfRange, DAY};
    }
    return PassInstant{*julianDay, julianCenturies, hourOfDay(dayWithTime)};
}

void calculatePassAt(WorkingVariables& v, const PassInstant& instant, double latitude,
                     double longitude) {
    v.latitude = latitude;
    v.longitude = longitude;
    v.julianDay = instant.julianDay;
    v.julianCenturies = instant.julianCenturies;
    computeEphemeris(v);
    computeSiderealTime(v, instant.utHour);

    v.horizonInputRightAscension = v.sunRightAscension;
    v.horizonInputDeclination = v.sunDeclination;
    equatorialToHorizon(v);
    v.sunAltitude = v.horizonAltitude;
    v.sunAzimuth = v.horizonAzimuth;

    v.horizonInputRightAscension = v.moonRightAscension;
    v.horizonInputDeclination = v.moonDeclination;
    equatorialToHorizon(v);
    v.moonAltitude = v.horizonAltitude;
    v.moonAzimuth = v.horizonAzimuth;
}

std::optional<PassFault> calculatePass(WorkingVariables& v, const EnteredValues& entered) {
    for (std::size_t i = 0; i < entered.size(); ++i) {
        if (!std::isfinite(entered[i])) {
            return PassFault{PassFaultKind::NotFinite, static_cast<EnteredField>(i)};
        }
    }
    const std::optional<std::int16_t> year = toInt16RoundHalfEven(entered[YEAR]);
    if (!year) return PassFault{PassFaultKind::OutsideSixteenBits, YEAR};
    const std::optional<std::int16_t> month = toInt16RoundHalfEven(entered[MONTH]);
    if (!month) return PassFault{PassFaultKind::OutsideSixteenBits, MONTH};

    const double day = dayWithTime(entered[DAY], entered[HOUR], entered[MINUTE], entered[SECOND]);
    if (!std::isfinite(day)) return PassFault{PassFaultKind::InstantOutOfRange, DAY};
    const std::variant<PassInstant, PassFault> instant =
        passInstant(*year, *month, day, calendarOf(*year, *month, day));
    if (const PassFault* fault = std::get_if<PassFault>(&instant)) return *fault;
    calculatePassAt(v, std::get<PassInstant>(instant), entered[LATITUDE], entered[LONGITUDE]);
    return std::nullopt;
}

void calculateHourLater(WorkingVariables& v) {
    v.julianCenturies = (v.julianDay + 1.0 / 24.0 - JD_J2000) / DAYS_PER_JULIAN_CENTURY;
    computeEphemeris(v);
}

}  // namespace astro
