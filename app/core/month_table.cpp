#include "app/core/month_table.h"

#include <algorithm>
#include <cmath>

#include "app/core/almanac_names.h"
#include "app/core/day_summary.h"
#include "astro/civil_time.h"
#include "astro/constants.h"
#include "astro/day_events.h"
#include "astro/day_sky.h"
#include "astro/julian_day.h"
#include "astro/moon_age.h"

namespace app {

namespace {

using astro::DayEventKind;

constexpr int SECONDS_PER_MINUTE = 60;
constexpr int MINUTES_PER_DAY = 1440;
constexpr int DAYS_PER_WEEK = 7;
// The clock second of noon, where the Moon's age of the row is taken.
constexpr int NOON_SECONDS = 12 * 3600;
// Steps of the altitudes the all-day sides and sentences are judged from. A body that
// neither rises nor sets stays on one side of its level all day, so a coarse sampling gives
// the same side as the day window's finer one.
constexpr int ALL_DAY_STEPS = 24;
// A second, in days: the phases and terms are searched this far beyond the month so that an
// instant rounding into its first or out of its last second is placed by its clock second.
constexpr double ONE_SECOND_DAYS = 1.0 / astro::SECONDS_PER_DAY;

// The calculation's Julian day (UT) of `seconds` after 00:00 JST of the calendar day, as the
// window forms it from the boxes; nothing when the date cannot be carried.
std::optional<double> julianDayAt(int year, int month, int day, double seconds) {
    const std::optional<astro::CalendarDay> date = astro::calendarDayOf(year, month, day);
    if (!date) return std::nullopt;
    return astro::ymdYDIn(date->calendar, date->year, date->month,
                          astro::dayWithTimeAt(date->day, seconds));
}

// The day of the week of a calendar date, 0 Sunday to 6 Saturday, from the Julian day of its
// 00:00 (a date's own midnight, whatever the meridian): Julian day 0.5 began a Tuesday, so
// the day after the midnight J counts floor(J + 1.5) days from a Sunday.
int weekdayOf(int year, int month, int day) {
    const std::optional<double> midnight =
        astro::ymdYD(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), day);
    const long long shifted = static_cast<long long>(std::floor(*midnight + 1.5));
    return static_cast<int>(((shifted % DAYS_PER_WEEK) + DAYS_PER_WEEK) % DAYS_PER_WEEK);
}

// The clock minute of a clock time, halves up, as the day window rounds an event's clock
// second: 0 to 1440.
int minuteOfClock(const astro::CivilTime& clock) {
    const int seconds = (clock.hour * 60 + clock.minute) * SECONDS_PER_MINUTE + clock.second;
    return std::min((seconds + SECONDS_PER_MINUTE / 2) / SECONDS_PER_MINUTE, MINUTES_PER_DAY);
}

// Every event of `kind` among the day's events, with its minute and direction.
std::vector<HorizonCrossing> crossingsOf(DayEventKind kind,
                                         const std::vector<astro::DayEvent>& events) {
    std::vector<HorizonCrossing> crossings;
    for (const astro::DayEvent& event : events) {
        if (event.kind != kind) continue;
        crossings.push_back({shownMinute(event), event.azimuth_deg});
    }
    return crossings;
}

// Where a body stays on a day without its rising and setting, from whether it stood above its
// rising level at the day's first sample; AllDay::No when it rises or sets.
AllDay allDayOf(const std::vector<HorizonCrossing>& rises, const std::vector<HorizonCrossing>& sets,
                bool aboveAtFirstSample) {
    if (!rises.empty() || !sets.empty()) return AllDay::No;
    return aboveAtFirstSample ? AllDay::Above : AllDay::Below;
}

// Minutes between the risings and settings shown that the body is above its level, starting
// above when the first of them is a setting (or all day above when there are none).
int minutesAbove(const std::vector<HorizonCrossing>& rises,
                 const std::vector<HorizonCrossing>& sets, AllDay allDay) {
    if (allDay != AllDay::No) return allDay == AllDay::Above ? MINUTES_PER_DAY : 0;
    // Each crossing as (minute, +1 rising / -1 setting), in time order.
    std::vector<std::pair<int, int>> crossings;
    for (const HorizonCrossing& c : rises) crossings.push_back({c.minuteOfDay, 1});
    for (const HorizonCrossing& c : sets) crossings.push_back({c.minuteOfDay, -1});
    std::stable_sort(crossings.begin(), crossings.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // Neither, with no samples to say on which side: nothing known to count.
    if (crossings.empty()) return 0;
    bool above = crossings.front().second < 0;
    int since = 0;
    int total = 0;
    for (const auto& [minute, direction] : crossings) {
        if (above) total += minute - since;
        above = direction > 0;
        since = minute;
    }
    if (above) total += MINUTES_PER_DAY - since;
    return total;
}

// A mark for an instant (UT Julian day) placed on the JST date of its clock second (to the
// nearest second, as the boxes would show it); nothing when that date cannot be read.
std::optional<AlmanacMark> timedMark(MarkKind kind, int code, const char* name, double julianDay) {
    const std::optional<astro::CivilTime> clock = astro::civilTimeOf(julianDay);
    if (!clock) return std::nullopt;
    return AlmanacMark{
        kind, code, name, clock->year, clock->month, clock->day, minuteOfClock(*clock), julianDay};
}

// The order of marks in a month: by date, then phases, terms and 雑節, each by time.
bool markBefore(const AlmanacMark& a, const AlmanacMark& b) {
    if (a.day != b.day) return a.day < b.day;
    if (a.kind != b.kind) return a.kind < b.kind;
    return a.minuteOfDay.value_or(-1) < b.minuteOfDay.value_or(-1);
}

// The row of one day from its events, without its marks, or nothing when the calculation
// cannot carry the day.
std::optional<MonthRow> rowOf(int year, int month, int day, double latitude_deg,
                              double longitude_deg, const std::vector<astro::DayEvent>& events) {
    const std::optional<astro::CalendarDay> date = astro::calendarDayOf(year, month, day);
    if (!date) return std::nullopt;
    const std::optional<double> noon_jd = julianDayAt(year, month, day, NOON_SECONDS);
    if (!noon_jd) return std::nullopt;

    MonthRow row;
    row.day = day;
    row.weekday = weekdayOf(year, month, day);
    row.lunisolar = astro::lunisolarDate(year, month, day);
    if (row.lunisolar) row.rokuyo = astro::rokuyoOf(*row.lunisolar);
    row.sunRises = crossingsOf(DayEventKind::SunRise, events);
    row.sunSets = crossingsOf(DayEventKind::SunSet, events);
    row.moonRises = crossingsOf(DayEventKind::MoonRise, events);
    row.moonSets = crossingsOf(DayEventKind::MoonSet, events);
    row.noonMoonAge_days = astro::moonAge(*noon_jd);
    const bool sunNeither = row.sunRises.empty() && row.sunSets.empty();
    const bool moonNeither = row.moonRises.empty() && row.moonSets.empty();
    if (sunNeither || moonNeither) {
        // A body that neither rises nor sets stays on one side of its rising level all day:
        // the side of the day's first sample, from the same positions as the events. The
        // sentences are the day window's own, from the same samples.
        const std::vector<astro::AltitudeSample> samples =
            astro::dayAltitudes(year, month, day, latitude_deg, longitude_deg, ALL_DAY_STEPS);
        if (!samples.empty()) {
            const astro::AltitudeSample& first = samples.front();
            row.sunAllDay =
                allDayOf(row.sunRises, row.sunSets, first.sunAltitude > first.sunRisingAltitude);
            row.moonAllDay = allDayOf(row.moonRises, row.moonSets,
                                      first.moonAltitude > first.moonRisingAltitude);
            row.allDayNotes = summariseDay(events, samples, row.noonMoonAge_days, ".").notes;
        }
    }
    row.daylightMinutes = minutesAbove(row.sunRises, row.sunSets, row.sunAllDay);
    return row;
}

}  // namespace

std::vector<AlmanacMark> almanacMarks(int year, int month) {
    std::vector<AlmanacMark> marks;
    if (month < 1 || month > 12) return marks;
    const int nextYear = month == 12 ? year + 1 : year;
    const int nextMonth = month == 12 ? 1 : month + 1;
    const std::optional<double> from = julianDayAt(year, month, 1, 0);
    const std::optional<double> to = julianDayAt(nextYear, nextMonth, 1, 0);
    if (!from || !to) return marks;

    const auto keep = [&](const std::optional<AlmanacMark>& mark) {
        if (mark && mark->year == year && mark->month == month) marks.push_back(*mark);
    };
    for (const astro::LunarPhaseEvent& phase :
         astro::lunarPhases(*from - ONE_SECOND_DAYS, *to + ONE_SECOND_DAYS)) {
        keep(timedMark(MarkKind::Phase, static_cast<int>(phase.phase), lunarPhaseName(phase.phase),
                       phase.julianDay));
    }
    for (const astro::SolarTermEvent& term :
         astro::solarTerms(*from - ONE_SECOND_DAYS, *to + ONE_SECOND_DAYS)) {
        keep(timedMark(MarkKind::SolarTerm, term.longitude, solarTermName(term.longitude),
                       term.julianDay));
    }
    for (const astro::ZassetsuDay& z : astro::zassetsu(year)) {
        if (z.month != month) continue;
        AlmanacMark mark{MarkKind::Zassetsu,
                         static_cast<int>(z.kind),
                         astro::zassetsuName(z.kind),
                         z.year,
                         z.month,
                         z.day,
                         std::nullopt,
                         std::nullopt};
        const std::optional<astro::CivilTime> clock =
            z.julianDay ? astro::civilTimeOf(*z.julianDay) : std::nullopt;
        if (clock) {
            mark.minuteOfDay = minuteOfClock(*clock);
            mark.julianDay = z.julianDay;
        }
        marks.push_back(mark);
    }
    std::stable_sort(marks.begin(), marks.end(), markBefore);
    return marks;
}

std::optional<MonthRow> monthRowOf(int year, int month, int day, double latitude_deg,
                                   double longitude_deg,
                                   const std::vector<astro::DayEvent>& events) {
    std::optional<MonthRow> row = rowOf(year, month, day, latitude_deg, longitude_deg, events);
    if (!row) return std::nullopt;
    for (const AlmanacMark& mark : almanacMarks(year, month)) {
        if (mark.day == day) row->marks.push_back(mark);
    }
    return row;
}

std::optional<MonthTable> monthTable(int year, int month, double latitude_deg,
                                     double longitude_deg) {
    if (month < 1 || month > 12) return std::nullopt;
    MonthTable table{year, month, latitude_deg, longitude_deg, {}, {}};
    const std::vector<AlmanacMark> marks = almanacMarks(year, month);
    const int days = astro::daysInMonth(year, month);
    for (int day = 1; day <= days; ++day) {
        std::optional<MonthRow> row =
            rowOf(year, month, day, latitude_deg, longitude_deg,
                  astro::dayEvents(year, month, day, latitude_deg, longitude_deg));
        if (!row) continue;
        for (const AlmanacMark& mark : marks) {
            if (mark.day == day) row->marks.push_back(mark);
        }
        table.rows.push_back(std::move(*row));
    }
    if (table.rows.empty()) return std::nullopt;
    for (const AlmanacMark& mark : marks) {
        if (mark.kind != MarkKind::Zassetsu) table.phasesAndTerms.push_back(mark);
    }
    std::stable_sort(table.phasesAndTerms.begin(), table.phasesAndTerms.end(),
                     [](const AlmanacMark& a, const AlmanacMark& b) {
                         return a.julianDay.value_or(0) < b.julianDay.value_or(0);
                     });
    return table;
}

}  // namespace app
