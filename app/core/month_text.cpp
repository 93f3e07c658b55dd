#include "app/core/month_text.h"

#include <cmath>
#include <cstdio>

#include "app/core/day_summary.h"
#include "app/core/number_format.h"

namespace app {

namespace {

// The byte-order mark that tells a spreadsheet the file is UTF-8.
constexpr char UTF8_BOM[] = "\xEF\xBB\xBF";
constexpr char CSV_RECORD_END[] = "\r\n";
// Joins two times or directions of an event that happens twice, as the day window does.
constexpr char BOTH_TIMES[] = "、";
constexpr char NONE[] = "なし";

// The days of the week from Sunday.
constexpr const char* WEEKDAY_NAMES[] = {"日", "月", "火", "水", "木", "金", "土"};

// "2026-12-01".
std::string isoDate(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

// "10月12日", "閏6月1日".
std::string lunisolarText(const std::optional<astro::LunisolarDate>& date) {
    if (!date) return {};
    return (date->leap ? "閏" : "") + std::to_string(date->month) + "月" +
           std::to_string(date->day) + "日";
}

// The times of a rising or a setting, "なし" when it does not happen.
std::string timesText(const std::vector<HorizonCrossing>& crossings) {
    std::string text;
    for (const HorizonCrossing& c : crossings) {
        if (!text.empty()) text += BOTH_TIMES;
        text += clockText(c.minuteOfDay);
    }
    return text.empty() ? NONE : text;
}

// The directions of a rising or a setting, in the order of their times.
std::string azimuthsText(const std::vector<HorizonCrossing>& crossings) {
    std::string text;
    for (const HorizonCrossing& c : crossings) {
        if (!text.empty()) text += BOTH_TIMES;
        text += azimuthText(c.azimuth_deg);
    }
    return text;
}

// "満月 03:08", or the name alone for a 雑節 without an instant.
std::string markText(const AlmanacMark& mark) {
    return mark.minuteOfDay ? mark.name + " " + clockText(*mark.minuteOfDay) : mark.name;
}

// The day's marks of one kind, joined.
std::string marksText(const std::vector<AlmanacMark>& marks, MarkKind kind) {
    std::string text;
    for (const AlmanacMark& mark : marks) {
        if (mark.kind != kind) continue;
        if (!text.empty()) text += BOTH_TIMES;
        text += markText(mark);
    }
    return text;
}

// The sentences of the day, one after another.
std::string notesText(const std::vector<std::string>& notes) {
    std::string text;
    for (const std::string& note : notes) text += note;
    return text;
}

// The cells joined by `separator`, with `end` after them.
std::string joined(const std::vector<std::string>& cells, std::string_view separator,
                   std::string_view end) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += separator;
        line += cells[i];
    }
    line += end;
    return line;
}

}  // namespace

const std::vector<std::string>& monthColumnNames() {
    static const std::vector<std::string> names = {
        "日付",
        "曜日",
        "旧暦",
        "六曜",
        "日の出",
        "日の出の方位(°)",
        "日の入り",
        "日の入りの方位(°)",
        "昼の長さ",
        "月の出",
        "月の出の方位(°)",
        "月の入り",
        "月の入りの方位(°)",
        "正午月齢",
        "月相",
        "二十四節気",
        "雑節",
        "備考",
    };
    return names;
}

std::vector<std::string> monthRowCells(const MonthTable& table, const MonthRow& row,
                                       std::string_view decimalSeparator) {
    return {
        isoDate(table.year, table.month, row.day),
        WEEKDAY_NAMES[row.weekday],
        lunisolarText(row.lunisolar),
        row.rokuyo ? astro::rokuyoName(*row.rokuyo) : "",
        timesText(row.sunRises),
        azimuthsText(row.sunRises),
        timesText(row.sunSets),
        azimuthsText(row.sunSets),
        clockText(row.daylightMinutes),
        timesText(row.moonRises),
        azimuthsText(row.moonRises),
        timesText(row.moonSets),
        azimuthsText(row.moonSets),
        moonAgeText(row.noonMoonAge_days, decimalSeparator),
        marksText(row.marks, MarkKind::Phase),
        marksText(row.marks, MarkKind::SolarTerm),
        marksText(row.marks, MarkKind::Zassetsu),
        notesText(row.allDayNotes),
    };
}

std::string markListText(const AlmanacMark& mark) {
    return std::to_string(mark.month) + "月" + std::to_string(mark.day) + "日 " +
           clockText(mark.minuteOfDay.value_or(0)) + " " + mark.name;
}

std::string monthTabText(const MonthTable& table, std::string_view decimalSeparator) {
    std::string text = joined(monthColumnNames(), "\t", "\n");
    for (const MonthRow& row : table.rows) {
        text += joined(monthRowCells(table, row, decimalSeparator), "\t", "\n");
    }
    return text;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string monthCsv(const MonthTable& table, std::string_view decimalSeparator) {
    const auto record = [](const std::vector<std::string>& cells) {
        std::vector<std::string> fields;
        for (const std::string& cell : cells) fields.push_back(csvField(cell));
        return joined(fields, ",", CSV_RECORD_END);
    };
    std::string text = UTF8_BOM + record(monthColumnNames());
    for (const MonthRow& row : table.rows) {
        text += record(monthRowCells(table, row, decimalSeparator));
    }
    return text;
}

}  // namespace app
