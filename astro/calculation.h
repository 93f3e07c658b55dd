// The calculation pass over numbers already read from the window's boxes, and the pass for
// one hour later that tells how the illuminated fraction changes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

#include "julian_day.h"
#include "working_variables.h"

namespace astro {

// The eight numbers a calculation starts from, in the order the boxes are read: year,
// month, day, hour, minute, second (Japan Standard Time), latitude, longitude (degrees).
enum EnteredField : std::size_t {
    YEAR,
    MONTH,
    DAY,
    HOUR,
    MINUTE,
    SECOND,
    LATITUDE,
    LONGITUDE,
    ENTERED_FIELD_COUNT
};
using EnteredValues = std::array<double, ENTERED_FIELD_COUNT>;

// Why a pass could not run. The record is left untouched in every case.
enum class PassFaultKind {
    NotFinite,           // the field's number is infinite or not a number
    OutsideSixteenBits,  // the year or month does not fit, or its reckoning would wrap
    InstantOutOfRange,   // the date and time together leave the range the series can carry
};
struct PassFault {
    PassFaultKind kind;
    EnteredField field;  // the field to name to the user; DAY for the date and time as a whole
};

// A whole number rounded to the nearest, halves to the even neighbour (2.5 gives 2, 3.5
// gives 4), when it fits 16 bits; nothing otherwise.
std::optional<std::int16_t> toInt16RoundHalfEven(double value);

// The UT day of the month with its fraction, from the JST day and time, left to right.
double dayWithTime(double day, double hour, double minute, double second);

// The hour of the day in UT from `dayWithTime`: negative when the day is.
double hourOfDay(double dayWithTime);

// Julian centuries since J2000.0 of a Julian day.
double julianCenturiesOf(double julianDay);

// The instant a pass is made for: Julian day (UT), Julian centuries since J2000.0, and the
// UT hour of the day (from `hourOfDay`) that the sidereal time is reckoned from.
struct PassInstant {
    double julianDay;
    double julianCenturies;
    double utHour;
};

// The instant of the UT day of the month with its fraction `dayWithTime` (finite) of
// `year`-`month`, reckoned in `calendar`; or the fault when the calculation cannot carry it
// (the year or month reckoning would wrap, or T beyond the series' range).
std::variant<PassInstant, PassFault> passInstant(std::int16_t year, std::int16_t month,
                                                 double dayWithTime, Calendar calendar);

// The steps of the pass from a carried instant at the place (degrees): latitude, longitude,
// Julian day and T, the ephemeris, the sidereal time and the Sun's and the Moon's horizon
// coordinates, in that order, all into `v`.
void calculatePassAt(WorkingVariables& v, const PassInstant& instant, double latitude,
                     double longitude);

// Runs the calculation pass: Julian day and T, the ephemeris, the sidereal time and the
// Sun's and the Moon's horizon coordinates, all into `v`. Returns the fault when the
// entered numbers cannot be carried; `v` is then unchanged.
std::optional<PassFault> calculatePass(WorkingVariables& v, const EnteredValues& entered);

// The ephemeris for one hour after `julianDay`: sets `julianCenturies` and every result of
// the ephemeris pass; `julianDay`, the sidereal time and the horizon coordinates stay.
void calculateHourLater(WorkingVariables& v);

}  // namespace astro
