// The calendar file's own rules: folding at 75 octets between UTF-8 characters, escaped text,
// instants in UTC across the change of date, and no file outside the almanac's years. (The
// file as a whole is read back by Python's icalendar module in month_export_check.py.)
#include "app/core/almanac_calendar.h"

#include <gtest/gtest.h>

namespace {

TEST(AlmanacCalendar, LinesFoldedAt75OctetsBetweenCharacters) {
    const std::string ascii75(75, 'a');
    const std::string ascii150(150, 'b');
    // 24 three-octet characters after "SUMMARY:" (8 octets) reach 80 octets; the cut falls
    // before the character that would straddle octet 75.
    std::string kana = "SUMMARY:";
    for (int i = 0; i < 24; ++i) kana += "あ";
    std::string kanaFolded = "SUMMARY:";
    for (int i = 0; i < 22; ++i) kanaFolded += "あ";
    kanaFolded += "\r\n ああ\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {ascii75, ascii75 + "\r\n"},
        {ascii75 + "c", ascii75 + "\r\n c\r\n"},
        {ascii150, std::string(75, 'b') + "\r\n " + std::string(74, 'b') + "\r\n b\r\n"},
        {kana, kanaFolded},
    };
    for (const auto& [line, folded] : cases) EXPECT_EQ(app::foldedLine(line), folded);
}

TEST(AlmanacCalendar, TextEscaped) {
    EXPECT_EQ(app::escapedText("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
}

TEST(AlmanacCalendar, InstantsInUtcAcrossTheDate) {
    // 冬至 on 22 December 2026 at 05:50 JST is 21 December at 20:50 UTC; the first phase of
    // 2029, at 01:48 JST on 1 January, is still 2028 in UTC.
    const std::pair<int, const char*> cases[] = {
        {2026, "DTSTART:20261221T205000Z\r\nSUMMARY:冬至\r\n"},
        {2029, "DTSTART:20281231T164800Z\r\n"},
        {2026, "DTSTART;VALUE=DATE:20260203\r\nDTEND;VALUE=DATE:20260204\r\nSUMMARY:節分\r\n"},
    };
    for (const auto& [year, lines] : cases) {
        EXPECT_NE(app::almanacCalendar(year).find(lines), std::string::npos) << lines;
    }
}

TEST(AlmanacCalendar, NothingOutsideTheAlmanac) {
    EXPECT_EQ(app::almanacCalendar(1700), "");
    EXPECT_EQ(app::almanacCalendar(2500), "");
}

}  // namespace
