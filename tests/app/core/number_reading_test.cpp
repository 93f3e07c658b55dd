#include "app/core/number_reading.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace {

using app::isOnlySkipped;
using app::NumberReading;
using app::readNumber;
using app::readNumberPrefix;
using namespace std::string_literals;

constexpr double INF = std::numeric_limits<double>::infinity();

struct Reading {
    std::string text;
    double value;
};

template <std::size_t N>
void expectReadings(const Reading (&readings)[N]) {
    for (const Reading& reading : readings) {
        EXPECT_EQ(readNumber(reading.text), reading.value) << '"' << reading.text << '"';
    }
}

TEST(NumberReading, ReadsTheLeadingNumberAndIgnoresTheRest) {
    // The reader does not round: a month of 2.5 or 3.5 reaches the caller as it is.
    const Reading readings[] = {{"35.5abc", 35.5}, {"-0.18", -0.18}, {"+5", 5},      {".5", 0.5},
                                {"5.", 5},         {"1,5", 1},       {"1.2.3", 1.2}, {"12-3", 12},
                                {"2.5", 2.5},      {"3.5", 3.5}};
    expectReadings(readings);
}

TEST(NumberReading, TextWithoutLeadingNumberReadsPositiveZero) {
    for (const char* text : {"", "  ", "abc", "-", "+", ".", "-.", "E5", "--5", "-0", "-0E7"}) {
        EXPECT_EQ(readNumber(text), 0) << text;
        EXPECT_FALSE(std::signbit(readNumber(text))) << text;
    }
}

TEST(NumberReading, SkipsBlanksTabsAndLineFeedsOnly) {
    const Reading readings[] = {
        {" 1 3 ", 13},         {"  1   3", 13}, {" - 5", -5}, {"\t1\n3\t", 13},
        {"1 . 5 E - 1", 0.15}, {"\r5", 0},      {"1\r3", 1},  {"\v5", 0}};
    expectReadings(readings);
}

TEST(NumberReading, ReadsExponentsIntroducedByEOrD) {
    // An exponent letter without digits after it is not part of the number.
    const Reading readings[] = {{"1E3", 1000},  {"1e3", 1000},  {"1D3", 1000}, {"1d+3", 1000},
                                {"15E-1", 1.5}, {"5E2.5", 500}, {"1E", 1},     {"1E+", 1},
                                {"1d-", 1},     {"1Ex", 1},     {"1E.5", 1}};
    expectReadings(readings);
}

TEST(NumberReading, ReadsHexadecimalAndOctalIntegers) {
    const Reading readings[] = {{"&H1F", 31},     {"&h1f", 31},
                                {" & H 1 F", 31}, {"&O17", 15},
                                {"&o178", 15},    {"&H1.5", 1},
                                {"&H", 0},        {"&O9", 0},
                                {"&", 0},         {"&X1", 0},
                                {"&12", 0},       {"-&H1F", 0},
                                {"+&O7", 0},      {"&H" + std::string(10000, '0') + "10", 16}};
    expectReadings(readings);
    // Beyond 53 bits the integer rounds to the nearest double, ties to even; 2^1024 and more
    // is infinite.
    const Reading rounded[] = {{"&HFFFFFFFFFFFFFFFF", 0x1p64},
                               {"&H20000000000001", 0x1p53},
                               {"&H20000000000003", 0x1p53 + 4},
                               {"&O400000000000000001", 0x1p53},
                               {"&HF" + std::string(255, '0'), 0x0.Fp1024},
                               {"&H" + std::string(256, 'F'), INF}};
    expectReadings(rounded);
}

TEST(NumberReading, ReadsFullWidthFormsAsTheirAsciiForms) {
    const Reading readings[] = {
        {"３５．６５", 35.65}, {"－１２", -12},          {"ー１２", -12},  {"\u2212１２", -12},
        {"＋3５.６5", 35.65},  {"１\u3000３\u3000", 13}, {"１Ｅ３", 1000}, {"１ｄ－１", 0.1},
        {"＆Ｈ１ｆ", 31},      {"＆ｏ１７", 15},         {"１，５", 1}};
    expectReadings(readings);
}

TEST(NumberReading, InvalidUtf8EndsTheNumber) {
    // A stray byte, a truncated ideographic space, overlong '1' and blank, a surrogate, a lone
    // continuation byte, a NUL.
    const Reading readings[] = {{"12\3773", 12}, {"\37712", 0},         {"1\343\2002", 1},
                                {"\300\261", 0}, {"1\340\200\2402", 1}, {"1\355\240\2002", 1},
                                {"1\2002", 1},   {"1\0002"s, 1}};
    expectReadings(readings);
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string text{'7', static_cast<char>(first), static_cast<char>(second)};
            EXPECT_FALSE(std::isnan(readNumber(text)));
        }
    }
}

TEST(NumberReading, GivesInfinityAboveAndZeroBelowTheRangeOfADouble) {
    const double max = std::numeric_limits<double>::max();
    const double tiny = std::numeric_limits<double>::denorm_min();
    // Leading zeros and further digits shift the order of magnitude that the exponent sets.
    const Reading readings[] = {{"1E999", INF},
                                {"-1E999", -INF},
                                {"1.7976931348623157E308", max},
                                {"1.7976931348623159E308", INF},
                                {"1E9999999999999999999999999", INF},
                                {"1E-999", 0},
                                {"-1E-999", 0},
                                {"1E-9999999999999999999999999", 0},
                                {"0E99999", 0},
                                {"2.4703282292062328E-324", tiny},
                                {"2.4703282292062327E-324", 0},
                                {"0." + std::string(500, '0') + "1E501", 1},
                                {"1" + std::string(500, '0') + "E-500", 1}};
    expectReadings(readings);
}

TEST(NumberReading, NegativeNumbersThatUnderflowArePositiveZero) {
    // Below the range of a double a negative decimal is zero, and zero is +0 whatever sign
    // the text wrote: a minus zero would show as "-0" wherever the number is written again.
    const std::string texts[] = {"-1e-400",
                                 "-1E-400",
                                 "-1D-400",
                                 "-1E-999",
                                 "-2.4703282292062327E-324",
                                 "-0." + std::string(400, '0') + "1",
                                 "- 1 e - 4 0 0",
                                 "-0.0",
                                 "-0E-5"};
    for (const std::string& text : texts) {
        const double value = readNumber(text);
        EXPECT_EQ(value, 0.0) << text;
        EXPECT_FALSE(std::signbit(value)) << text;
        const NumberReading reading = readNumberPrefix(text);
        EXPECT_FALSE(std::signbit(reading.value)) << text;
        EXPECT_TRUE(reading.anyDigit) << text;
    }
    // The smallest negative number that does not underflow keeps its sign.
    EXPECT_TRUE(std::signbit(readNumber("-4.9406564584124654E-324")));
}

TEST(NumberReading, RoundsDecimalsCorrectly) {
    // 2^53 + 1 lies halfway between two doubles: ties go to even, anything above goes up.
    const Reading readings[] = {{"0.1", 0.1},
                                {"139.75", 139.75},
                                {"35.65", 35.65},
                                {"-157.93", -157.93},
                                {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
                                {"9007199254740993", 0x1p53},
                                {"9007199254740993." + std::string(10000, '0') + "1", 0x1p53 + 2}};
    expectReadings(readings);
}

TEST(NumberReading, ReadsLongTextsInLinearTime) {
    // Two million characters would take minutes at quadratic cost.
    const std::string blanks(5000, ' ');
    const std::string zeros(2'000'000, '0');
    const Reading readings[] = {{blanks + "35.65" + std::string(5000, 'x'), 35.65},
                                {"1" + blanks + "2" + blanks + "x", 12},
                                {std::string(10000, '1'), INF},
                                {"0." + zeros + "1E2000001", 1},
                                {zeros + "5" + zeros, INF},
                                {std::string(2'000'000, ' ') + "-7", -7}};
    expectReadings(readings);
}

// ---- Where the number ends ------------------------------------------------------------

struct Prefix {
    std::string text;
    std::size_t consumedBytes;
};

TEST(NumberPrefix, EndsAtTheLastCharacterOfTheNumber) {
    // Blanks before and inside the number count, blanks after it do not; an exponent letter
    // or sign without digits, a second full stop and a digit beyond the radix are left over.
    const Prefix prefixes[] = {{"35.5abc", 4},    {" 1 3 ", 4},       {"\t-\n5\n\n", 4},
                               {"5.", 2},         {"5. x", 2},        {"1.2.3", 3},
                               {"1E", 1},         {"1E+", 1},         {"1d-x", 1},
                               {"1 E 5 x", 5},    {"15E-1 ", 5},      {"5E2.5", 3},
                               {"&H1Fz", 4},      {" & H 1 F ", 8},   {"&o178", 4},
                               {"&H1.5", 3},      {"0", 1},           {"-0E7", 4},
                               {"１Ｅ", 3},       {"３５．６５", 15}, {"１\u3000３\u3000", 9},
                               {"\u3000－１", 9}, {"＆Ｈ１ｆ！", 12}, {"12\3773", 2},
                               {"1\343\2002", 1}, {"1\0002"s, 1}};
    for (const Prefix& prefix : prefixes) {
        const NumberReading reading = readNumberPrefix(prefix.text);
        EXPECT_TRUE(reading.anyDigit) << '"' << prefix.text << '"';
        EXPECT_EQ(reading.consumedBytes, prefix.consumedBytes) << '"' << prefix.text << '"';
    }
}

TEST(NumberPrefix, TextWithoutDigitsTakesNothing) {
    for (const std::string& text :
         {""s, "   "s, "-"s, "+ x"s, "."s, "-."s, "E5"s, "&"s, "&H"s, "&H "s, "&O9"s, "&X1"s,
          "-&H1F"s, "＆ｈ"s, "\3771"s, "\0001"s}) {
        const NumberReading reading = readNumberPrefix(text);
        EXPECT_FALSE(reading.anyDigit) << '"' << text << '"';
        EXPECT_EQ(reading.consumedBytes, 0u) << '"' << text << '"';
        EXPECT_EQ(reading.value, 0) << '"' << text << '"';
    }
}

TEST(NumberPrefix, ZeroDigitsAreDigits) {
    for (const char* text : {"0", "-0", ".0", "0E9", "&H0", "&o00"}) {
        const NumberReading reading = readNumberPrefix(text);
        EXPECT_TRUE(reading.anyDigit) << text;
        EXPECT_EQ(reading.value, 0) << text;
        EXPECT_FALSE(std::signbit(reading.value)) << text;
    }
}

TEST(NumberPrefix, TheNumberReadsTheSameWithoutWhatFollowsIt) {
    // Cutting the text after the consumed bytes must leave the same number, all of it taken.
    const char pieces[] = "0179AFGHhOo&+-.EeDd \t\r\nx\343\200\357\274\221";
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> piece(0, sizeof pieces - 2);
    std::uniform_int_distribution<int> length(0, 12);
    for (int i = 0; i < 200000; ++i) {
        std::string text(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : text) c = pieces[piece(random)];
        const NumberReading whole = readNumberPrefix(text);
        const NumberReading cut = readNumberPrefix(text.substr(0, whole.consumedBytes));
        EXPECT_EQ(cut.value, whole.value) << '"' << text << '"';
        EXPECT_EQ(cut.anyDigit, whole.anyDigit) << '"' << text << '"';
        EXPECT_EQ(cut.consumedBytes, whole.consumedBytes) << '"' << text << '"';
    }
}

// ---- What is left over ----------------------------------------------------------------

TEST(SkippedText, OnlyBlanksTabsLineFeedsAndIdeographicSpacesAreSkipped) {
    for (const std::string& text : {""s, " "s, " \t\n "s, "\u3000"s, "\t\u3000 \n"s}) {
        EXPECT_TRUE(isOnlySkipped(text)) << '"' << text << '"';
    }
    // A carriage return, a vertical tab, a NUL, a truncated ideographic space, the
    // ideographic comma, a no-break space and the code point just before the full-width
    // forms are characters like any other.
    for (const std::string& text :
         {" x"s, "\r"s, "\v"s, "\0"s, " \343\200"s, "\343\200\201"s, "\u00a0"s, "\uff00"s, "0"s}) {
        EXPECT_FALSE(isOnlySkipped(text)) << '"' << text << '"';
    }
}

TEST(SkippedText, TellsWhetherTheNumberIsTheWholeText) {
    const auto isWholeNumber = [](std::string_view text) {
        const NumberReading reading = readNumberPrefix(text);
        return reading.anyDigit && isOnlySkipped(text.substr(reading.consumedBytes));
    };
    for (const char* text : {"12", " 1 2\t", "5.", ".5", "-1.5E-3\n", "1D3", "&H1F", "&o17",
                             "４８\u3000", "ー０．１８", "1\t\u3000"}) {
        EXPECT_TRUE(isWholeNumber(text)) << '"' << text << '"';
    }
    for (const char* text :
         {"", " ", "-", "1E", "1E+", "1.2.3", "&H", "&o178", "12x", "1\r", "１\343\200", "-&H1"}) {
        EXPECT_FALSE(isWholeNumber(text)) << '"' << text << '"';
    }
}

}  // namespace
