#include "app/core/command_values.h"

#include <cstdint>

#include "app/core/city_table.h"
#include "app/core/number_reading.h"

namespace app {

namespace {

// The most digits a year is written with, and the fewest.
constexpr std::size_t YEAR_DIGITS_MIN = 4;
constexpr std::size_t YEAR_DIGITS_MAX = 6;
// The longest step, in units, and the longest in seconds.
constexpr long long STEP_UNITS_MAX = 1'000'000'000;
constexpr long long SECONDS_PER_DAY = 86'400;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Given a text of digits only (1 to 9 of them); its value, or nothing for any other text.
std::optional<long long> digitsValue(std::string_view text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Two digits with a value from `low` to `high`.
std::optional<int> twoDigits(std::string_view text, int low, int high) {
    if (text.size() != 2) return std::nullopt;
    const std::optional<long long> value = digitsValue(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return static_cast<int>(*value);
}

// Removes the text up to the first `separator` from `text` and gives it; the whole text
// where there is none.
std::string_view takeUntil(std::string_view& text, char separator) {
    const std::size_t at = text.find(separator);
    const std::string_view head = text.substr(0, at);
    text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
    return head;
}

}  // namespace

std::optional<int> readYear(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.size() < YEAR_DIGITS_MIN || text.size() > YEAR_DIGITS_MAX) return std::nullopt;
    const std::optional<long long> value = digitsValue(text);
    if (!value) return std::nullopt;
    return static_cast<int>(negative ? -*value : *value);
}

std::optional<CalendarDate> readYearMonth(std::string_view text) {
    // The year's own minus sign is not a separator.
    const std::size_t at = text.find('-', 1);
    if (at == std::string_view::npos) return std::nullopt;
    const std::optional<int> year = readYear(text.substr(0, at));
    const std::optional<int> month = twoDigits(text.substr(at + 1), 1, 12);
    if (!year || !month) return std::nullopt;
    return CalendarDate{*year, *month, 1};
}

std::optional<CalendarDate> readDate(std::string_view text) {
    const std::size_t at = text.rfind('-');
    if (at == std::string_view::npos || at == 0) return std::nullopt;
    std::optional<CalendarDate> date = readYearMonth(text.substr(0, at));
    if (!date) return std::nullopt;
    const std::optional<int> day =
        twoDigits(text.substr(at + 1), 1, astro::daysInMonth(date->year, date->month));
    if (!day) return std::nullopt;
    date->day = *day;
    return date;
}

std::optional<ClockTime> readClockTime(std::string_view text) {
    const std::optional<int> hour = twoDigits(takeUntil(text, ':'), 0, 23);
    const bool withSeconds = text.find(':') != std::string_view::npos;
    const std::optional<int> minute = twoDigits(takeUntil(text, ':'), 0, 59);
    const std::optional<int> second = withSeconds ? twoDigits(text, 0, 59) : std::optional<int>(0);
    if (!hour || !minute || !second) return std::nullopt;
    return ClockTime{*hour, *minute, *second};
}

std::optional<astro::CivilTime> readInstant(std::string_view text) {
    const std::size_t at = text.find_first_of("T ");
    const std::optional<CalendarDate> date = readDate(text.substr(0, at));
    if (!date) return std::nullopt;
    ClockTime time{0, 0, 0};
    if (at != std::string_view::npos) {
        const std::optional<ClockTime> read = readClockTime(text.substr(at + 1));
        if (!read) return std::nullopt;
        time = *read;
    }
    return astro::CivilTime{date->year, date->month, date->day,
                            time.hour,  time.minute, time.second};
}

std::optional<long long> readStep_seconds(std::string_view text) {
    std::size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits])) ++digits;
    const std::optional<long long> count = digitsValue(text.substr(0, digits));
    if (!count || *count < 1 || *count > STEP_UNITS_MAX) return std::nullopt;
    const std::string_view unit = text.substr(digits);
    long long unitSeconds = 0;
    if (unit == "s") unitSeconds = 1;
    if (unit == "m" || unit == "min") unitSeconds = 60;
    if (unit == "h") unitSeconds = 3600;
    if (unit == "d") unitSeconds = SECONDS_PER_DAY;
    if (unitSeconds == 0) return std::nullopt;
    const long long seconds = *count * unitSeconds;
    if (seconds > STEP_UNITS_MAX * SECONDS_PER_DAY) return std::nullopt;
    return seconds;
}

std::optional<double> readDegrees(std::string_view text) {
    const NumberReading reading = readNumberPrefix(text);
    if (!reading.anyDigit || !isOnlySkipped(text.substr(reading.consumedBytes))) {
        return std::nullopt;
    }
    return reading.value;
}

std::optional<int> placeListPosition(std::string_view name) {
    const auto& cities = cityTable();
    for (std::size_t i = 0; i < cities.size(); ++i) {
        if (static_cast<int>(i) == TYPED_COORDINATES_POSITION) continue;
        std::string_view listed = cities[i].name;
        if (name == listed) return static_cast<int>(i);
        while (!listed.empty() && listed.back() == ' ') listed.remove_suffix(1);
        if (!listed.empty() && name == listed) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<OutputFormat> readOutputFormat(std::string_view text) {
    if (text == "tsv") return OutputFormat::Tsv;
    if (text == "csv") return OutputFormat::Csv;
    if (text == "json") return OutputFormat::Json;
    if (text == "ics") return OutputFormat::Ics;
    return std::nullopt;
}

}  // namespace app
