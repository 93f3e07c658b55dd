#include "app/core/number_format.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

using app::formatFixed;

struct Formatting {
    double value;
    int decimals;
    const char* text;
};

template <std::size_t N>
void expectFormattings(const Formatting (&formattings)[N]) {
    for (const Formatting& f : formattings) {
        EXPECT_EQ(formatFixed(f.value, f.decimals, "."), f.text) << f.value;
    }
}

TEST(NumberFormat, ShowsExactlyTheDecimalsAskedWithADigitBeforeThePoint) {
    const Formatting formattings[] = {
        {35.65, 2, "35.65"}, {139.75, 2, "139.75"}, {0.5, 3, "0.500"}, {0.05, 2, "0.05"},
        {1, 1, "1.0"},       {-12.3, 1, "-12.3"},   {7.4, 0, "7"}};
    expectFormattings(formattings);
}

TEST(NumberFormat, RoundsHalfAwayFromZeroOnTheExactValue) {
    // Exact ties round away from zero; decimal ties that the double holds just below the tie
    // (2.675 is 2.67499999999999982236431605997495353221893310546875) round down, those held
    // just above round up; a carry through nines adds a digit.
    const Formatting formattings[] = {
        {0.125, 2, "0.13"},    {-0.125, 2, "-0.13"}, {0.0625, 3, "0.063"}, {2.5, 0, "3"},
        {-2.5, 0, "-3"},       {2.675, 2, "2.67"},   {1.005, 2, "1.00"},   {9.995, 2, "9.99"},
        {0.49949, 3, "0.499"}, {1.4995, 3, "1.500"}, {23.999, 2, "24.00"}, {0.9996, 3, "1.000"},
        {-99.96, 1, "-100.0"}};
    expectFormattings(formattings);
}

TEST(NumberFormat, NegativeValuesThatRoundToZeroShowNoMinus) {
    // -0.005 is held as -0.005000000000000000104..., which rounds away from zero.
    const Formatting formattings[] = {{-0.001, 2, "0.00"},   {-0.0049, 2, "0.00"},
                                      {-0.0, 2, "0.00"},     {-0.04, 1, "0.0"},
                                      {-1e-300, 3, "0.000"}, {-0.005, 2, "-0.01"}};
    expectFormattings(formattings);
}

TEST(NumberFormat, WritesLargeAndTinyValuesInFull) {
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::max(), 2, "."),
              "17976931348623157081452742373170435679807056752584499659891747680315726078002853876"
              "05895586327668781715404589535143824642343213268894641827684675467035375169860499105"
              "76551282076245490090389328944075868508455133942304583236903222948165808559332123348"
              "274797826204144723168738177180919299881250404026184124858368.00");
    const std::string large = formatFixed(-1e308, 1, ".");
    EXPECT_EQ(large.size(), 1 + 309 + 2);
    EXPECT_EQ(large.substr(0, 20), "-1000000000000000010");
    EXPECT_EQ(large.substr(large.size() - 6), "8336.0");
    const Formatting formattings[] = {{4503599627370495.5, 1, "4503599627370495.5"},
                                      {4503599627370495.5, 0, "4503599627370496"},
                                      {std::numeric_limits<double>::denorm_min(), 3, "0.000"}};
    expectFormattings(formattings);
}

// Asked for more decimals than any double has (1074 at most), the exact value is written
// in full and zeros follow it up to the decimals asked.
TEST(NumberFormat, DecimalsBeyondTheExactValueAreZeros) {
    const std::string tenth = formatFixed(0.1, 1100, ".");
    ASSERT_EQ(tenth.size(), 2 + 1100);
    EXPECT_EQ(tenth.substr(0, 57), "0.1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(tenth.substr(57), std::string(1100 - 55, '0'));
    EXPECT_EQ(formatFixed(-2.5, 1076, ","), "-2," + std::string("5") + std::string(1075, '0'));

    // The smallest double's last digit is the 1074th; two more decimals are two zeros.
    const double smallest = std::numeric_limits<double>::denorm_min();
    const std::string exact = formatFixed(smallest, 1074, ".");
    ASSERT_EQ(exact.size(), 2 + 1074);
    EXPECT_EQ(exact.substr(0, 326), "0." + std::string(323, '0') + "4");
    EXPECT_EQ(exact.back(), '5');
    EXPECT_EQ(formatFixed(smallest, 1076, "."), exact + "00");
}

TEST(NumberFormat, PutsTheGivenSeparatorBetweenIntegerAndFraction) {
    EXPECT_EQ(formatFixed(35.65, 2, ","), "35,65");
    EXPECT_EQ(formatFixed(-0.5, 3, ","), "-0,500");
    EXPECT_EQ(formatFixed(1234567.891, 2, ","), "1234567,89");  // no grouping
    EXPECT_EQ(formatFixed(1.5, 2, "\u066B"), "1\u066B50");      // a separator of two bytes
}

TEST(NumberFormat, ValuesThatAreNotFiniteGiveTheEmptyText) {
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 2, "."), "");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 2, "."), "");
    EXPECT_EQ(formatFixed(std::nan(""), 2, "."), "");
}

}  // namespace
