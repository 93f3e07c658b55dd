// The month at a place: one row per day of a Japan Standard Time calendar month with the
// day's 旧暦 date and 六曜, the risings and settings of the Sun and the Moon with their
// directions, the length of the day, the Moon's age at noon and the day's phase, solar term
// and 雑節; and the month's phases and solar terms. What the month window shows and its
// copies, the CSV file and the calendar file write, without a toolkit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/almanac.h"
#include "astro/day_events.h"

namespace app {

// A rising or a setting: the clock minute it is shown at and the direction it happens in.
struct HorizonCrossing {
    // Minutes after 00:00 JST, 0 to 1440, the event's clock second rounded to the minute as
    // the day window rounds it (1440 is "24:00", an event in the day's last half minute).
    int minuteOfDay;
    // The body's azimuth then, degrees from north through east in [0, 360), as the main
    // window gives azimuths: the event's own (astro::DayEvent::azimuth_deg).
    double azimuth_deg;
};

// Where a body that neither rises nor sets on a day stays: above or below its rising level.
enum class AllDay { No, Above, Below };

// What sort of almanac event a mark is.
enum class MarkKind { Phase, SolarTerm, Zassetsu };

// A phase, a solar term or a 雑節 on its JST date.
struct AlmanacMark {
    MarkKind kind;
    // Which one: the astro::LunarPhase or astro::Zassetsu as a number, or the term's solar
    // longitude in degrees (0, 15, ..., 345).
    int code;
    // Its Japanese name in UTF-8 (満月, 冬至, 節分, ...).
    std::string name;
    int year;
    int month;
    int day;
    // The clock minute of its instant, 0 to 1440, rounded as the day window rounds; nothing
    // for a 雑節 that is a date only (節分, 彼岸の入り, 八十八夜, 二百十日).
    std::optional<int> minuteOfDay;
    // Its instant, UT Julian day, unrounded; nothing where `minuteOfDay` is nothing.
    std::optional<double> julianDay;
};

// One day of the month.
struct MonthRow {
    int day;
    // Day of the week, 0 Sunday to 6 Saturday.
    int weekday;
    // The 旧暦 date and 六曜; nothing outside the years the almanac reckons them in.
    std::optional<astro::LunisolarDate> lunisolar;
    std::optional<astro::Rokuyo> rokuyo;
    // Each rising and setting of the day in time order: none when it does not happen, two
    // when it happens twice.
    std::vector<HorizonCrossing> sunRises;
    std::vector<HorizonCrossing> sunSets;
    std::vector<HorizonCrossing> moonRises;
    std::vector<HorizonCrossing> moonSets;
    // A body with neither a rising nor a setting that day, above or below all day.
    AllDay sunAllDay = AllDay::No;
    AllDay moonAllDay = AllDay::No;
    // The day window's sentences for a body above or below all day, in its order.
    std::vector<std::string> allDayNotes;
    // Minutes the Sun is above its rising level within the day, from the minutes shown: the
    // setting less the rising on an ordinary day, 1440 all day above, 0 all day below.
    int daylightMinutes = 0;
    // The Moon's age at 12:00 JST, days.
    double noonMoonAge_days = 0.0;
    // The day's phases, solar terms and 雑節, in that order.
    std::vector<AlmanacMark> marks;
};

// A month at a place.
struct MonthTable {
    int year;
    int month;
    double latitude_deg;
    double longitude_deg;
    std::vector<MonthRow> rows;
    // The month's phases and solar terms in time order.
    std::vector<AlmanacMark> phasesAndTerms;
};

// The JST month `year`-`month` at the place (degrees, north and east positive): a row for
// every day of the month, each event from astro::dayEvents at its clock second. Nothing for a
// month outside 1 to 12 or a month the calculation cannot carry on any of its days.
std::optional<MonthTable> monthTable(int year, int month, double latitude_deg,
                                     double longitude_deg);

// The row of the JST day `year`-`month`-`day` at the place, as the month table holds it,
// from the day's events as astro::dayEvents gives them for that day and place: what the day
// window shows of the day's almanac. Nothing when the calculation cannot carry the day.
std::optional<MonthRow> monthRowOf(int year, int month, int day, double latitude_deg,
                                   double longitude_deg,
                                   const std::vector<astro::DayEvent>& events);

// The phases, solar terms and 雑節 whose instants (or dates) fall in the JST month
// `year`-`month`, in date order (phases before terms before 雑節 on one day, each sort in
// time order). Empty outside the almanac's years or for a month outside 1 to 12.
std::vector<AlmanacMark> almanacMarks(int year, int month);

}  // namespace app
