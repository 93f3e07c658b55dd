// The Sun and the Moon at instants of one Japan Standard Time calendar day, from the precise
// positions, at the instants the calculation forms from the times typed into the window.
#pragma once

#include <cstdint>
#include <optional>

#include "julian_day.h"
#include "precise_sky.h"

namespace astro {

// A calendar day as the calculation holds it: year and month as 16-bit integers, the day of
// the month as typed (not validated: day 0 is the last day of the month before, day 32 of
// January is 1 February), and the calendar its 00:00 JST is reckoned in. The change of
// calendar falls on a JST midnight, so every instant of the day is reckoned in that calendar,
// and instants carried on beyond the day are reckoned in it too.
struct CalendarDay {
    std::int16_t year;
    std::int16_t month;
    int day;
    Calendar calendar;
};

// The day, when the calculation carries it; nothing when the year or month does not fit 16
// bits or the calculation would refuse the date (year -32768 with month 2 or less, month
// 32756 or more). Whether it refuses depends on the year and month alone: no whole day
// moves the time argument anywhere near the bound the calculation puts on it.
std::optional<CalendarDay> calendarDayOf(int year, int month, int day);

// The UT day of the month with its fraction (the calculation's `dayWithTime`) of the instant
// `seconds` after 00:00 JST of `day`. The seconds are split into hours, minutes and seconds
// and combined as the calculation combines the boxes, so that a whole number of seconds
// gives the very value the calculation forms from that clock time. `seconds` may be
// negative or beyond the day.
double dayWithTimeAt(int day, double seconds);

// Where the two bodies stand at one instant, for one place.
struct SkyAt {
    double julianDay;        // UT, as the calculation's `julianDay` for that time typed in
    double sunAltitude;      // degrees, geometric, of the centre seen from the Earth's centre
    double moonAltitude;     // degrees, as the Sun's
    double sunHourAngle;     // degrees in [-180, 180], positive west of the meridian
    double moonHourAngle;    // degrees in [-180, 180]
    double sunDistance_km;   // from the Earth's centre to the Sun's
    double moonDistance_km;  // from the Earth's centre to the Moon's
    double centreDepth_km;   // the Earth's centre below the observer (astro/rising_level.h)
    double sunAzimuth_deg;   // [0, 360), from north through east, of the geocentric direction
    double moonAzimuth_deg;  // [0, 360), as the Sun's
};

// The sky of one day at one place from the precise positions (astro/precise_sky.h), from
// MARGIN_SECONDS before 00:00 JST to as long after 24:00: ERFA at a few nodes, interpolated.
class DaySky {
  public:
    static constexpr double MARGIN_SECONDS = 3600.0;

    // The sky of `date` at the place (degrees, north and east positive); nothing when the
    // calculation cannot carry the first or the last instant, or the place is not finite.
    static std::optional<DaySky> of(const CalendarDay& date, double latitude, double longitude);

    // The bodies at `seconds` after 00:00 JST (within the margins), at the instant the
    // calculation forms from that time in the day's calendar (`dayWithTimeAt`).
    SkyAt at(double seconds) const;

  private:
    DaySky(const CalendarDay& date, double latitude, double longitude, PreciseSky sky);

    // The calculation's UT Julian day of `seconds` after 00:00 JST of the day.
    double julianDayAt(double seconds) const;

    CalendarDay date_;
    double latitude_;
    double longitude_;
    double centreDepth_km_;
    PreciseSky sky_;
};

}  // namespace astro
