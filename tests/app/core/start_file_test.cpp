#include "app/core/start_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/core/number_reading.h"

namespace app {
namespace {

constexpr int TYPED = 48;

// Given a count; returns that many blanks.
std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

// Given a number of code points; returns a text of exactly that many columns that reads as a
// single whole number ("1.2222…").
std::string decimalOfWidth(std::size_t width) {
    return "1." + std::string(width - 2, '2');
}

// Given a box's text; returns the number the box holds as a start file must carry it back.
double numberInBox(const std::string& text) {
    const double value = readNumber(text);
    return std::isfinite(value) ? value : 0.0;
}

// ---- The written line ---------------------------------------------------------------------

TEST(StartFileLine, TokyoLineIsExact) {
    EXPECT_EQ(startFileLine(12, "35.65", "139.75"),
              " 12" + blanks(11) + "35.65" + blanks(9) + "139.75\r\n");
}

TEST(StartFileLine, NegativePositionTakesTheSignColumn) {
    EXPECT_EQ(startFileLine(-1, "35.65", "139.75"),
              "-1" + blanks(12) + "35.65" + blanks(9) + "139.75\r\n");
    EXPECT_EQ(startFileLine(0, "0", "-0.18"), " 0" + blanks(12) + "0" + blanks(13) + "-0.18\r\n");
}

TEST(StartFileLine, TextFillingItsZonePushesTheNextFieldOn) {
    const std::string thirteen = decimalOfWidth(13);
    EXPECT_EQ(startFileLine(TYPED, thirteen, "1"), " 48" + blanks(11) + thirteen + " 1\r\n");
    const std::string fourteen = decimalOfWidth(14);
    EXPECT_EQ(startFileLine(TYPED, fourteen, "1"),
              " 48" + blanks(11) + fourteen + blanks(14) + "1\r\n");
    const std::string thirty = decimalOfWidth(30);
    EXPECT_EQ(startFileLine(TYPED, thirty, "1"),
              " 48" + blanks(11) + thirty + blanks(12) + "1\r\n");
}

TEST(StartFileLine, ColumnsCountCodePoints) {
    // Five full-width characters, fifteen bytes: the longitude still starts in column 28.
    const std::string line = startFileLine(TYPED, "３５．６５", "139.75");
    EXPECT_EQ(line, " 48" + blanks(11) + "３５．６５" + blanks(9) + "139.75\r\n");
}

TEST(StartFileLine, TextsThatWouldNotReadBackAreWrittenAsTheirNumbers) {
    EXPECT_EQ(startFileLine(TYPED, "", ""), " 48" + blanks(11) + "0" + blanks(13) + "0\r\n");
    EXPECT_EQ(startFileLine(TYPED, "35 .5", "1,5"),
              " 48" + blanks(11) + "35.5" + blanks(10) + "1\r\n");
    EXPECT_EQ(startFileLine(TYPED, "35\t.5", "139.75abc"),
              " 48" + blanks(11) + "35.5" + blanks(10) + "139.75\r\n");
    EXPECT_EQ(startFileLine(TYPED, "1E999", "-1D999"),
              " 48" + blanks(11) + "0" + blanks(13) + "0\r\n");
}

TEST(StartFileLine, OrdinaryTextsAreKeptAsTyped) {
    for (const std::string text : {"35.650", "+35", ".5", "35.", "1E2", "-0.18", "&H1F"}) {
        EXPECT_EQ(startFileLine(TYPED, text, "1"),
                  " 48" + blanks(11) + text + blanks(14 - text.size()) + "1\r\n")
            << text;
        EXPECT_EQ(startFileLine(TYPED, "1", text),
                  " 48" + blanks(11) + "1" + blanks(13) + text + "\r\n")
            << text;
    }
}

// ---- Writing and reading back ------------------------------------------------------------

// Every text a box can hold must come back as its own field with the number it held.
TEST(StartFileRoundTrip, EveryFieldReadsBackAsTheNumberItsBoxHeld) {
    // "−1" begins with the minus sign U+2212.
    std::vector<std::string> texts = {
        "35.65",    "139.75",       "-0.18",      "0",        "",        " ",
        "35 .5",    "1,5",          ",",          "abc",      "35.5abc", "1E2",
        "2.5D-1",   "&H30",         "1E999",      "-1E999",   "\t35\t",  "35\r\n1",
        "\xff\xfe", "１３９．７５", "３５　．５", "４８，５", "ー0.18",  "\u22121"};
    for (const std::size_t width : {13, 14, 15, 27, 28}) texts.push_back(decimalOfWidth(width));
    texts.push_back(std::string(200, '9'));
    texts.push_back(std::string(5000, '7'));
    texts.push_back("0." + std::string(400, '0') + "1");
    for (const std::string& latitude : texts) {
        for (const std::string& longitude : texts) {
            const StartFileFields read = parseStartFile(startFileLine(TYPED, latitude, longitude));
            ASSERT_EQ(read.listPosition, std::optional<std::int16_t>(TYPED));
            EXPECT_EQ(read.latitude, numberInBox(latitude))
                << "latitude \"" << latitude << "\", longitude \"" << longitude << "\"";
            EXPECT_EQ(read.longitude, numberInBox(longitude))
                << "latitude \"" << latitude << "\", longitude \"" << longitude << "\"";
        }
    }
}

TEST(StartFileRoundTrip, TextsEndingInTheDeleteCharacterReadBack) {
    // U+007F is a control character: written as it stands it would end up inside a field
    // that no longer reads as the number, so the number the box held is written instead.
    const std::string del = "\x7f";
    const struct {
        std::string latitude;
        std::string longitude;
        std::string line;
    } cases[] = {
        {"35.65" + del, "139.75" + del, " 48" + blanks(11) + "35.65" + blanks(9) + "139.75\r\n"},
        {"-0.18" + del, del, " 48" + blanks(11) + "-0.18" + blanks(9) + "0\r\n"},
        {del, "1E2" + del, " 48" + blanks(11) + "0" + blanks(13) + "100\r\n"},
        {"35" + del + del, "1" + del + "5", " 48" + blanks(11) + "35" + blanks(12) + "1\r\n"},
    };
    for (const auto& c : cases) {
        const std::string line = startFileLine(TYPED, c.latitude, c.longitude);
        EXPECT_EQ(line, c.line);
        const StartFileFields read = parseStartFile(line);
        EXPECT_EQ(read.listPosition, std::optional<std::int16_t>(TYPED));
        EXPECT_EQ(read.latitude, numberInBox(c.latitude)) << line;
        EXPECT_EQ(read.longitude, numberInBox(c.longitude)) << line;
    }
}

TEST(StartFileRoundTrip, PositionsReadBack) {
    for (const int position : {-1, 0, 12, 48, 74, -32768, 32767}) {
        EXPECT_EQ(parseStartFile(startFileLine(position, "1", "2")).listPosition, position);
    }
}

// ---- Reading: what a field is ------------------------------------------------------------

TEST(StartFileFields, FullLineWithEitherLineEnd) {
    for (const std::string contents :
         {" 12           35.65         139.75\r\n", "12 35.65 139.75\n", "12 35.65 139.75",
          "12 35.65 139.75\r", "   12   35.65   139.75   \r\n"}) {
        const StartFileFields read = parseStartFile(contents);
        EXPECT_EQ(read.listPosition, 12) << contents;
        EXPECT_EQ(read.latitude, 35.65) << contents;
        EXPECT_EQ(read.longitude, 139.75) << contents;
    }
}

TEST(StartFileFields, CommasSeparateFields) {
    for (const std::string contents : {"48,35.5,139.75", "48 , 35.5 ,139.75", "48, 35.5, 139.75"}) {
        const StartFileFields read = parseStartFile(contents);
        EXPECT_EQ(read.listPosition, 48) << contents;
        EXPECT_EQ(read.latitude, 35.5) << contents;
        EXPECT_EQ(read.longitude, 139.75) << contents;
    }
    const StartFileFields emptyLatitude = parseStartFile("48,,139.75");
    EXPECT_EQ(emptyLatitude.latitude, 0.0);
    EXPECT_EQ(emptyLatitude.longitude, 139.75);
}

TEST(StartFileFields, PositionRoundsHalvesToEven) {
    EXPECT_EQ(parseStartFile("12.5 1 2").listPosition, 12);
    EXPECT_EQ(parseStartFile("13.5 1 2").listPosition, 14);
    EXPECT_EQ(parseStartFile("-0.5 1 2").listPosition, 0);
    EXPECT_EQ(parseStartFile("&H30 1 2").listPosition, 48);
    EXPECT_EQ(parseStartFile("４８ 1 2").listPosition, 48);
    EXPECT_EQ(parseStartFile("4.8E1 1 2").listPosition, 48);
}

TEST(StartFileFields, LatitudeReadsAsTheNumberReadingRuleGivesIt) {
    EXPECT_EQ(parseStartFile("48 abc 139").latitude, 0.0);
    EXPECT_EQ(parseStartFile("48 35.5abc 139").latitude, 35.5);
    EXPECT_EQ(parseStartFile("48 ３５．５ 139").latitude, 35.5);
    EXPECT_EQ(parseStartFile("48 abc 139").longitude, 139.0);
    EXPECT_EQ(parseStartFile("48 1 \u22120.18").longitude, -0.18);
    EXPECT_EQ(parseStartFile("48 1 ー０．１８").longitude, -0.18);
    const StartFileFields infinite = parseStartFile("48 1E999 139");
    EXPECT_EQ(infinite.latitude, 0.0);
    EXPECT_EQ(infinite.longitude, 139.0);
}

// ---- Reading: where it stops ---------------------------------------------------------------

TEST(StartFileFailure, OnlyThePositionKeepsThePosition) {
    for (const std::string contents : {"48", "48\r\n", " 48   ", "48,", "48\r\n35.65 139.75\r\n"}) {
        const StartFileFields read = parseStartFile(contents);
        EXPECT_EQ(read.listPosition, 48) << contents;
        EXPECT_FALSE(read.latitude.has_value()) << contents;
        EXPECT_FALSE(read.longitude.has_value()) << contents;
    }
}

TEST(StartFileFailure, PositionAndLatitudeOnly) {
    for (const std::string contents : {"48 35.5", "48 35.5 \r\n139.75", "48 35.5 abc",
                                       "48 35.5 139x", "48 35.5 1E999", "48 35.5 ,"}) {
        const StartFileFields read = parseStartFile(contents);
        EXPECT_EQ(read.listPosition, 48) << contents;
        EXPECT_EQ(read.latitude, 35.5) << contents;
        EXPECT_FALSE(read.longitude.has_value()) << contents;
    }
}

TEST(StartFileFailure, BadPositionYieldsNothing) {
    for (const std::string contents :
         {"abc 35 139", "12abc 35 139", "40000 35 139", "-32769 35 139", "32767.5 35 139",
          "1E999 35 139", ". 35 139", "+ 35 139", "&H 35 139", "1E 35 139", "\"12\" 35 139"}) {
        const StartFileFields read = parseStartFile(contents);
        EXPECT_FALSE(read.listPosition.has_value()) << contents;
        EXPECT_FALSE(read.latitude.has_value()) << contents;
        EXPECT_FALSE(read.longitude.has_value()) << contents;
    }
}

TEST(StartFileFailure, EmptyBlankAndCommaOnlyContents) {
    for (const std::string& contents : {std::string(), std::string("   "), std::string(",,,,"),
                                        std::string("\r\n12 35 139"), std::string(1000000, ' ')}) {
        const StartFileFields read = parseStartFile(contents);
        EXPECT_FALSE(read.listPosition.has_value());
        EXPECT_FALSE(read.latitude.has_value());
    }
}

// ---- Reading: hostile contents ------------------------------------------------------------

TEST(StartFileHostile, NulAndInvalidBytes) {
    using namespace std::string_literals;
    EXPECT_FALSE(parseStartFile("4\0"
                                "8 35 139"s)
                     .listPosition.has_value());
    EXPECT_FALSE(parseStartFile("\xff\xfe 35 139").listPosition.has_value());
    EXPECT_FALSE(parseStartFile("48\xe3\x80 35 139").listPosition.has_value());
    const StartFileFields truncated = parseStartFile("48 35 139\xef\xbc");
    EXPECT_EQ(truncated.latitude, 35.0);
    EXPECT_FALSE(truncated.longitude.has_value());
}

TEST(StartFileHostile, RandomBytesNeverCrash) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 64);
    for (int i = 0; i < 20000; ++i) {
        std::string contents(static_cast<std::size_t>(length(random)), '\0');
        for (char& c : contents) c = static_cast<char>(byte(random));
        const StartFileFields read = parseStartFile(contents);
        EXPECT_TRUE(!read.latitude || std::isfinite(*read.latitude));
        EXPECT_TRUE(!read.longitude || std::isfinite(*read.longitude));
    }
}

TEST(StartFileHostile, TenMegabyteLines) {
    constexpr std::size_t TEN_MEGABYTES = 10 * 1024 * 1024;
    const StartFileFields padded = parseStartFile(std::string(TEN_MEGABYTES, ' ') + "48 1 2");
    EXPECT_EQ(padded.listPosition, 48);
    EXPECT_EQ(padded.longitude, 2.0);
    EXPECT_FALSE(parseStartFile(std::string(TEN_MEGABYTES, '9')).listPosition.has_value());
    const StartFileFields longLatitude =
        parseStartFile("48 " + std::string(TEN_MEGABYTES, 'x') + " 2");
    EXPECT_EQ(longLatitude.latitude, 0.0);
    EXPECT_EQ(longLatitude.longitude, 2.0);
    EXPECT_EQ(parseStartFile("1 2 3\n" + std::string(TEN_MEGABYTES, '\x80')).longitude, 3.0);
}

}  // namespace
}  // namespace app
