#include "app/core/command_tables.h"

#include <cstdio>

#include "app/core/almanac_calendar.h"
#include "app/core/city_table.h"
#include "app/core/coordinate_text.h"
#include "app/core/day_summary.h"
#include "app/core/month_text.h"
#include "astro/almanac_range.h"

namespace app {

namespace {

constexpr char CSV_RECORD_END[] = "\r\n";
constexpr char UTF8_BOM[] = "\xEF\xBB\xBF";
constexpr int ALMANAC_MONTHS = 12;

// Cells joined by `separator`, the line ended by `lineEnd`; CSV cells quoted as needed.
std::string delimitedLine(const std::vector<std::string>& cells, OutputFormat format) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += format == OutputFormat::Csv ? ',' : '\t';
        line += format == OutputFormat::Csv ? csvField(cells[i]) : cells[i];
    }
    line += format == OutputFormat::Csv ? CSV_RECORD_END : "\n";
    return line;
}

// Rows of cells under `header`: delimited lines, or a JSON array of objects keyed by the
// header with string values.
std::string cellTable(const std::vector<std::string>& header,
                      const std::vector<std::vector<std::string>>& rows, OutputFormat format) {
    if (format != OutputFormat::Json) {
        std::string text = delimitedLine(header, format);
        for (const auto& row : rows) text += delimitedLine(row, format);
        return text;
    }
    std::string text = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        text += r == 0 ? "\n{" : ",\n{";
        for (std::size_t c = 0; c < header.size() && c < rows[r].size(); ++c) {
            if (c > 0) text += ',';
            text += jsonString(header[c]) + ':' + jsonString(rows[r][c]);
        }
        text += '}';
    }
    return text + "\n]\n";
}

// The Japanese name of a sort of almanac mark.
const char* markKindName(MarkKind kind) {
    switch (kind) {
        case MarkKind::Phase:
            return "月相";
        case MarkKind::SolarTerm:
            return "二十四節気";
        case MarkKind::Zassetsu:
            return "雑節";
    }
    return "";
}

// "2026-12-09"; a year before 1 as "-0044", its digits padded after the sign.
std::string isoDate(int year, int month, int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", year < 0 ? "-" : "",
                  year < 0 ? -year : year, month, day);
    return text;
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string isoInstant(const astro::CivilTime& t) {
    char time[32];
    std::snprintf(time, sizeof time, "T%02d:%02d:%02d+09:00", t.hour, t.minute, t.second);
    return isoDate(t.year, t.month, t.day) + time;
}

std::vector<NamedValue> namedValuesOfLines(std::string_view lines) {
    std::vector<NamedValue> values;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const std::string_view line = lines.substr(0, end);
        const std::size_t tab = line.find('\t');
        values.emplace_back(
            std::string(line.substr(0, tab)),
            tab == std::string_view::npos ? std::string() : std::string(line.substr(tab + 1)));
        lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
    }
    return values;
}

std::string namedValuesText(const std::vector<NamedValue>& values, std::string_view instant,
                            OutputFormat format) {
    if (format == OutputFormat::Json) {
        std::string text = "{";
        if (!instant.empty()) text += "\"instant\":" + jsonString(instant) + ",";
        text += "\"values\":[";
        for (std::size_t i = 0; i < values.size(); ++i) {
            text += i == 0 ? "\n" : ",\n";
            text += "{\"name\":" + jsonString(values[i].first) +
                    ",\"value\":" + jsonString(values[i].second) + "}";
        }
        return text + "\n]}\n";
    }
    std::string text = format == OutputFormat::Csv ? delimitedLine({"項目", "値"}, format) : "";
    for (const NamedValue& value : values)
        text += delimitedLine({value.first, value.second}, format);
    return text;
}

std::string placesText(OutputFormat format) {
    std::vector<std::vector<std::string>> rows;
    const auto& cities = cityTable();
    for (std::size_t i = 0; i < cities.size(); ++i) {
        if (static_cast<int>(i) == TYPED_COORDINATES_POSITION) continue;
        rows.push_back({std::string(cities[i].name), coordinateText(cities[i].latitude),
                        coordinateText(cities[i].longitude)});
    }
    if (format != OutputFormat::Json) return cellTable({"場所", "緯度", "経度"}, rows, format);
    std::string text = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        text += r == 0 ? "\n" : ",\n";
        text += "{\"name\":" + jsonString(rows[r][0]) + ",\"latitude\":" + rows[r][1] +
                ",\"longitude\":" + rows[r][2] + "}";
    }
    return text + "\n]\n";
}

std::string monthText(const MonthTable& table, OutputFormat format,
                      std::string_view decimalSeparator) {
    if (format == OutputFormat::Tsv) return monthTabText(table, decimalSeparator);
    if (format == OutputFormat::Csv) {
        std::string csv = monthCsv(table, decimalSeparator);
        if (csv.compare(0, sizeof UTF8_BOM - 1, UTF8_BOM) == 0) csv.erase(0, sizeof UTF8_BOM - 1);
        return csv;
    }
    std::vector<std::vector<std::string>> rows;
    for (const MonthRow& row : table.rows)
        rows.push_back(monthRowCells(table, row, decimalSeparator));
    return cellTable(monthColumnNames(), rows, format);
}

std::string almanacText(int year, OutputFormat format) {
    // The first hours of 2401 in JST are still 2400 in UT, and the search finds them; the year
    // is the almanac's or refused as a whole.
    if (year < astro::ALMANAC_FIRST_YEAR || year > astro::ALMANAC_LAST_YEAR) return std::string();
    if (format == OutputFormat::Ics) return almanacCalendar(year);
    std::vector<std::vector<std::string>> rows;
    std::vector<AlmanacMark> marks;
    for (int month = 1; month <= ALMANAC_MONTHS; ++month) {
        for (AlmanacMark& mark : almanacMarks(year, month)) marks.push_back(std::move(mark));
    }
    if (marks.empty()) return std::string();
    if (format != OutputFormat::Json) {
        for (const AlmanacMark& mark : marks) {
            rows.push_back({isoDate(mark.year, mark.month, mark.day),
                            mark.minuteOfDay ? clockText(*mark.minuteOfDay) : std::string(),
                            markKindName(mark.kind), mark.name});
        }
        return cellTable({"日付", "時刻", "種類", "名前"}, rows, format);
    }
    std::string text = "[";
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const AlmanacMark& mark = marks[i];
        std::string instant = "null";
        if (mark.julianDay) {
            if (const std::optional<astro::CivilTime> t = astro::civilTimeOf(*mark.julianDay)) {
                instant = jsonString(isoInstant(*t));
            }
        }
        const std::string time =
            mark.minuteOfDay ? jsonString(clockText(*mark.minuteOfDay)) : std::string("null");
        text += i == 0 ? "\n" : ",\n";
        text += "{\"date\":" + jsonString(isoDate(mark.year, mark.month, mark.day)) +
                ",\"time\":" + time + ",\"instant\":" + instant +
                ",\"kind\":" + jsonString(markKindName(mark.kind)) +
                ",\"name\":" + jsonString(mark.name) + "}";
    }
    return text + "\n]\n";
}

}  // namespace app
