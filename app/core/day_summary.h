// The day's events as Japanese text: the rows the day window lists under its chart, and the
// lines it copies.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "astro/day_events.h"

namespace app {

// One row of the list: what happens and when, both UTF-8 ("日の出", "06:37").
struct DayRow {
    std::string name;
    std::string value;
};

struct DaySummary {
    // The Sun's rows: rising, transit, setting.
    std::vector<DayRow> sun;
    // The twilights' rows in the order of a day: the beginnings of astronomical, nautical
    // and civil twilight, then their ends.
    std::vector<DayRow> twilight;
    // The Moon's rows: rising, transit, setting, and its age.
    std::vector<DayRow> moon;
    // A sentence for a body that stays above or below the horizon the whole day, and one for
    // a night that stays in twilight (the Sun never sinks to -6, -12 or -18 degrees).
    std::vector<std::string> notes;
};

// The minute of the day an event is shown at, in the chart and in the rows alike: its own
// clock second (astro::DayEvent::clockSeconds, 0 to 86399) to the nearest minute, halves up:
// 0 to 1440.
int shownMinute(const astro::DayEvent& event);

// "HH:MM" for a minute of the day, 0 to 1440 ("24:00" for an event in the last half minute).
std::string clockText(int minuteOfDay);

// The rows and sentences of a day. `events` as dayEvents gives them, `samples` as
// dayAltitudes gives them (the first one at 00:00 JST of the day, which times are counted
// from), `moonAgeDays` the Moon's age at the instant shown; `decimalSeparator` the user's
// (UTF-8). Times are JST to the nearest minute; an event that does not happen shows "なし",
// one that happens twice both its times, "05:12、23:48". Risings and settings carry their
// direction, "06:38（方位 117°）"; transits the altitude, "11:33（高度 31.2°）". Nothing at all for
// a day without samples.
DaySummary summariseDay(const std::vector<astro::DayEvent>& events,
                        const std::vector<astro::AltitudeSample>& samples, double moonAgeDays,
                        std::string_view decimalSeparator);

// A direction in whole degrees from north through east, "117": 0 to 359 (a direction that
// rounds to 360 is north, "0").
std::string azimuthText(double azimuth_deg);

// The age of the Moon to a tenth of a day, "7.3".
std::string moonAgeText(double moonAgeDays, std::string_view decimalSeparator);

}  // namespace app
