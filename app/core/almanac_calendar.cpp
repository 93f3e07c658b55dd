#include "app/core/almanac_calendar.h"

#include <cstdio>
#include <vector>

#include "app/core/month_table.h"
#include "astro/civil_time.h"

namespace app {

namespace {

constexpr std::size_t MAX_LINE_OCTETS = 75;
constexpr char LINE_END[] = "\r\n";
constexpr int MONTHS_PER_YEAR = 12;
constexpr int MINUTES_PER_HOUR = 60;
// Japan Standard Time is nine hours ahead of UTC.
constexpr int JST_OFFSET_MINUTES = 9 * 60;
// Degrees of elongation from one principal phase to the next.
constexpr int PHASE_STEP_DEG = 90;
// The domain the UIDs end in: the program's own name.
constexpr char UID_DOMAIN[] = "almanac.sunmoonpos.org";

// Whether the byte continues a UTF-8 character (10xxxxxx).
bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// "20261224".
std::string dateValue(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

// The UTC date-time "20261223T181200Z" of a JST clock minute (0 to 1440) of a JST date.
std::string utcDateTimeValue(int year, int month, int day, int jstMinute) {
    int minute = jstMinute - JST_OFFSET_MINUTES;
    if (minute < 0) {
        minute += MINUTES_PER_HOUR * 24;
        if (--day == 0) {
            if (--month == 0) {
                month = MONTHS_PER_YEAR;
                --year;
            }
            day = astro::daysInMonth(year, month);
        }
    }
    char text[32];
    std::snprintf(text, sizeof text, "%sT%02d%02d00Z", dateValue(year, month, day).c_str(),
                  minute / MINUTES_PER_HOUR, minute % MINUTES_PER_HOUR);
    return text;
}

// The JST date after `year`-`month`-`day`, as "YYYYMMDD": the end of an all-day event.
std::string nextDateValue(int year, int month, int day) {
    if (++day > astro::daysInMonth(year, month)) {
        day = 1;
        if (++month > MONTHS_PER_YEAR) {
            month = 1;
            ++year;
        }
    }
    return dateValue(year, month, day);
}

// The part of the UID that names the event: "phase-2", "term-270", "zassetsu-1".
std::string uidKind(const AlmanacMark& mark) {
    switch (mark.kind) {
        case MarkKind::Phase:
            return "phase-" + std::to_string(mark.code);
        case MarkKind::SolarTerm:
            return "term-" + std::to_string(mark.code);
        case MarkKind::Zassetsu:
            return "zassetsu-" + std::to_string(mark.code);
    }
    return {};
}

// What the event is, in a sentence: "月の満ち欠け: 満月（月と太陽の視黄経の差 180°）".
std::string description(const AlmanacMark& mark) {
    switch (mark.kind) {
        case MarkKind::Phase:
            return "月の満ち欠け: " + mark.name + "（月と太陽の視黄経の差 " +
                   std::to_string(mark.code * PHASE_STEP_DEG) + "°）";
        case MarkKind::SolarTerm:
            return "二十四節気: " + mark.name + "（太陽の視黄経 " + std::to_string(mark.code) +
                   "°）";
        case MarkKind::Zassetsu:
            return "雑節: " + mark.name;
    }
    return {};
}

// The lines of one event, unfolded. DTSTAMP is 00:00 UTC of 1 January of the year, the same
// every time the file is made, so that the same year gives the same file.
std::vector<std::string> eventLines(const AlmanacMark& mark, int year) {
    const std::string date = dateValue(mark.year, mark.month, mark.day);
    std::vector<std::string> lines = {
        "BEGIN:VEVENT",
        "UID:" + date + "-" + uidKind(mark) + "@" + UID_DOMAIN,
        "DTSTAMP:" + dateValue(year, 1, 1) + "T000000Z",
    };
    if (mark.minuteOfDay) {
        lines.push_back("DTSTART:" +
                        utcDateTimeValue(mark.year, mark.month, mark.day, *mark.minuteOfDay));
    } else {
        lines.push_back("DTSTART;VALUE=DATE:" + date);
        lines.push_back("DTEND;VALUE=DATE:" + nextDateValue(mark.year, mark.month, mark.day));
    }
    lines.push_back("SUMMARY:" + escapedText(mark.name));
    lines.push_back("DESCRIPTION:" + escapedText(description(mark)));
    // An instant or a date of the almanac takes no time from the user's day.
    lines.push_back("TRANSP:TRANSPARENT");
    lines.push_back("END:VEVENT");
    return lines;
}

}  // namespace

std::string foldedLine(std::string_view line) {
    std::string folded;
    // The first line holds 75 octets, each continuation a space and 74 more.
    std::size_t room = MAX_LINE_OCTETS;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && isContinuationByte(line[cut])) --cut;
        // Bytes that are no UTF-8 at all are cut where the room ends.
        if (cut == 0) cut = room;
        folded.append(line.substr(0, cut));
        folded += LINE_END;
        folded += ' ';
        line.remove_prefix(cut);
        room = MAX_LINE_OCTETS - 1;
    }
    folded.append(line);
    folded += LINE_END;
    return folded;
}

std::string escapedText(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c != '\r') {
            escaped += c;
        }
    }
    return escaped;
}

std::string almanacCalendar(int year) {
    std::vector<AlmanacMark> marks;
    for (int month = 1; month <= MONTHS_PER_YEAR; ++month) {
        const std::vector<AlmanacMark> ofMonth = almanacMarks(year, month);
        marks.insert(marks.end(), ofMonth.begin(), ofMonth.end());
    }
    if (marks.empty()) return {};
    std::vector<std::string> lines = {
        "BEGIN:VCALENDAR",
        "VERSION:2.0",
        "PRODID:-//sunmoonpos//月の暦//JA",
        "CALSCALE:GREGORIAN",
        "X-WR-CALNAME:" + escapedText(std::to_string(year) + "年の月の満ち欠け、二十四節気、雑節"),
    };
    for (const AlmanacMark& mark : marks) {
        const std::vector<std::string> event = eventLines(mark, year);
        lines.insert(lines.end(), event.begin(), event.end());
    }
    lines.push_back("END:VCALENDAR");
    std::string text;
    for (const std::string& line : lines) text += foldedLine(line);
    return text;
}

}  // namespace app
