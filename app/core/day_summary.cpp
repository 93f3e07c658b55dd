#include "app/core/day_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/core/number_format.h"
#include "astro/constants.h"

namespace app {

namespace {

using astro::DayEventKind;

// The name of each kind of event as the list shows it.
struct KindName {
    DayEventKind kind;
    const char* name;
};

constexpr KindName SUN_ROWS[] = {
    {DayEventKind::SunRise, "日の出"},
    {DayEventKind::SunTransit, "南中"},
    {DayEventKind::SunSet, "日の入り"},
};

constexpr KindName TWILIGHT_ROWS[] = {
    {DayEventKind::AstronomicalDawn, "天文薄明の始まり"},
    {DayEventKind::NauticalDawn, "航海薄明の始まり"},
    {DayEventKind::CivilDawn, "市民薄明の始まり"},
    {DayEventKind::CivilDusk, "市民薄明の終わり"},
    {DayEventKind::NauticalDusk, "航海薄明の終わり"},
    {DayEventKind::AstronomicalDusk, "天文薄明の終わり"},
};

constexpr KindName MOON_ROWS[] = {
    {DayEventKind::MoonRise, "月の出"},
    {DayEventKind::MoonTransit, "月の南中"},
    {DayEventKind::MoonSet, "月の入り"},
};

bool isTransit(DayEventKind kind) {
    return kind == DayEventKind::SunTransit || kind == DayEventKind::MoonTransit;
}

// Whether the event is a body crossing the horizon, whose direction the row shows.
bool isRisingOrSetting(DayEventKind kind) {
    return kind == DayEventKind::SunRise || kind == DayEventKind::SunSet ||
           kind == DayEventKind::MoonRise || kind == DayEventKind::MoonSet;
}

// The value of a row: every time the event happens that day, or "なし".
std::string rowValue(DayEventKind kind, const std::vector<astro::DayEvent>& events,
                     std::string_view separator) {
    std::string value;
    for (const astro::DayEvent& event : events) {
        if (event.kind != kind) continue;
        if (!value.empty()) value += "、";
        value += clockText(shownMinute(event));
        if (isTransit(kind)) value += "（高度 " + formatFixed(event.altitude, 1, separator) + "°）";
        if (isRisingOrSetting(kind)) value += "（方位 " + azimuthText(event.azimuth_deg) + "°）";
    }
    return value.empty() ? "なし" : value;
}

bool happens(DayEventKind kind, const std::vector<astro::DayEvent>& events) {
    return std::any_of(events.begin(), events.end(),
                       [kind](const astro::DayEvent& e) { return e.kind == kind; });
}

// Which side of its rising altitude a body kept all day: +1 above, -1 below, 0 neither.
// `above` tells, for a sample, whether the body stands above the altitude it rises at then.
template <typename Above>
int sideAllDay(const std::vector<astro::AltitudeSample>& samples, Above above) {
    const bool allAbove = std::all_of(samples.begin(), samples.end(), above);
    const bool allBelow = std::none_of(samples.begin(), samples.end(), above);
    return allAbove ? 1 : (allBelow ? -1 : 0);
}

// A twilight level and the sentence for a night the Sun never sinks below it.
struct TwilightLevel {
    double altitude_deg;
    DayEventKind dawn;
    DayEventKind dusk;
    const char* sentence;
};

// From the shallowest level down: the first the Sun stays above all day names the night.
constexpr TwilightLevel TWILIGHT_LEVELS[] = {
    {astro::CIVIL_TWILIGHT_ALTITUDE_DEG, DayEventKind::CivilDawn, DayEventKind::CivilDusk,
     "太陽は一晩中 −6° より下に沈まず、夜の間も市民薄明が続きます。"},
    {astro::NAUTICAL_TWILIGHT_ALTITUDE_DEG, DayEventKind::NauticalDawn, DayEventKind::NauticalDusk,
     "太陽は一晩中 −12° より下に沈まず、夜の間も航海薄明が続きます。"},
    {astro::ASTRONOMICAL_TWILIGHT_ALTITUDE_DEG, DayEventKind::AstronomicalDawn,
     DayEventKind::AstronomicalDusk,
     "太陽は一晩中 −18° より下に沈まず、夜の間も天文薄明が続きます。"},
};

// The sentence for a night that stays in twilight: the Sun sinks below the horizon but
// never below a twilight level (no dawn or dusk of it that day); empty otherwise, and for a
// Sun above the horizon all day, which has a sentence of its own.
std::string twilightAllNight(const std::vector<astro::DayEvent>& events,
                             const std::vector<astro::AltitudeSample>& samples, bool sunUpAllDay) {
    if (sunUpAllDay) return {};
    for (const TwilightLevel& level : TWILIGHT_LEVELS) {
        if (happens(level.dawn, events) || happens(level.dusk, events)) continue;
        const bool aboveAllDay = std::all_of(
            samples.begin(), samples.end(),
            [&](const astro::AltitudeSample& s) { return s.sunAltitude > level.altitude_deg; });
        if (aboveAllDay) return level.sentence;
    }
    return {};
}

}  // namespace

int shownMinute(const astro::DayEvent& event) {
    constexpr int SECONDS_PER_MINUTE = 60;
    return (event.clockSeconds + SECONDS_PER_MINUTE / 2) / SECONDS_PER_MINUTE;
}

std::string clockText(int minuteOfDay) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
    return text;
}

std::string azimuthText(double azimuth_deg) {
    constexpr double FULL_TURN_DEG = 360.0;
    return formatFixed(std::fmod(std::round(azimuth_deg), FULL_TURN_DEG), 0, ".");
}

std::string moonAgeText(double moonAgeDays, std::string_view decimalSeparator) {
    return formatFixed(moonAgeDays, 1, decimalSeparator);
}

DaySummary summariseDay(const std::vector<astro::DayEvent>& events,
                        const std::vector<astro::AltitudeSample>& samples, double moonAgeDays,
                        std::string_view decimalSeparator) {
    DaySummary summary;
    if (samples.empty()) return summary;
    for (const KindName& row : SUN_ROWS) {
        summary.sun.push_back({row.name, rowValue(row.kind, events, decimalSeparator)});
    }
    for (const KindName& row : TWILIGHT_ROWS) {
        summary.twilight.push_back({row.name, rowValue(row.kind, events, decimalSeparator)});
    }
    for (const KindName& row : MOON_ROWS) {
        summary.moon.push_back({row.name, rowValue(row.kind, events, decimalSeparator)});
    }
    summary.moon.push_back({"月齢", moonAgeText(moonAgeDays, decimalSeparator)});

    bool sunUpAllDay = false;
    if (!happens(DayEventKind::SunRise, events) && !happens(DayEventKind::SunSet, events)) {
        const int side = sideAllDay(samples, [](const astro::AltitudeSample& s) {
            return s.sunAltitude > s.sunRisingAltitude;
        });
        sunUpAllDay = side > 0;
        if (side > 0) summary.notes.push_back("太陽は一日中地平線の上にあります（白夜）。");
        if (side < 0) summary.notes.push_back("太陽は一日中地平線の下にあります（極夜）。");
    }
    const std::string twilightNote = twilightAllNight(events, samples, sunUpAllDay);
    if (!twilightNote.empty()) summary.notes.push_back(twilightNote);
    if (!happens(DayEventKind::MoonRise, events) && !happens(DayEventKind::MoonSet, events)) {
        const int side = sideAllDay(samples, [](const astro::AltitudeSample& s) {
            return s.moonAltitude > s.moonRisingAltitude;
        });
        if (side > 0) summary.notes.push_back("月は一日中地平線の上にあります。");
        if (side < 0) summary.notes.push_back("月は一日中地平線の下にあります。");
    }
    return summary;
}

}  // namespace app
