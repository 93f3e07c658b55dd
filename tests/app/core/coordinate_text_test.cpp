#include "app/core/coordinate_text.h"

#include <charconv>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "app/core/number_reading.h"

#include <gtest/gtest.h>

namespace {

using app::coordinateText;

// The value the text gives to the number-reading rule and to a plain decimal conversion.
void expectReadsBackAs(const std::string& text, double value) {
    double converted = 0;
    std::from_chars(text.data(), text.data() + text.size(), converted);
    EXPECT_EQ(converted, value) << text;
    EXPECT_EQ(app::readNumber(text), value) << text;
    EXPECT_EQ(text.find_first_not_of("-.0123456789"), std::string::npos) << text;
}

TEST(CoordinateText, WritesTableCoordinatesAsTheyAreListed) {
    const std::pair<double, const char*> cases[] = {
        {35.65, "35.65"},   {139.75, "139.75"},   {121, "121"},         {-0.18, "-0.18"},
        {35, "35"},         {43.067, "43.067"},   {-157.93, "-157.93"}, {-37.02, "-37.02"},
        {144.3, "144.3"},   {140.733, "140.733"}, {1.37, "1.37"},       {2.45, "2.45"},
        {-46.62, "-46.62"}, {-118.23, "-118.23"}, {26.217, "26.217"},   {13.4, "13.4"},
    };
    for (const auto& [degrees, text] : cases) {
        EXPECT_EQ(coordinateText(degrees), text);
        expectReadsBackAs(coordinateText(degrees), degrees);
    }
}

TEST(CoordinateText, NeverUsesExponentsOrAMinusOnZero) {
    EXPECT_EQ(coordinateText(1e-7), "0.0000001");
    EXPECT_EQ(coordinateText(-2.5e-5), "-0.000025");
    EXPECT_EQ(coordinateText(1e21), "1000000000000000000000");
    EXPECT_EQ(coordinateText(0.0), "0");
    EXPECT_EQ(coordinateText(-0.0), "0");
    const double tiny = std::numeric_limits<double>::denorm_min();
    expectReadsBackAs(coordinateText(tiny), tiny);
    expectReadsBackAs(coordinateText(-std::numeric_limits<double>::max()),
                      -std::numeric_limits<double>::max());
}

// The decimal text of thousandths / 1000 with trailing zeros dropped ("-12.5", "3", "0.007").
std::string thousandthsText(int thousandths) {
    const int magnitude = thousandths < 0 ? -thousandths : thousandths;
    std::string fraction = std::to_string(1000 + magnitude % 1000).substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return (thousandths < 0 ? "-" : "") + std::to_string(magnitude / 1000) +
           (fraction.empty() ? "" : "." + fraction);
}

TEST(CoordinateText, TypedCoordinatesComeBackAsTyped) {
    for (int thousandths = -180000; thousandths <= 180000; thousandths += 7) {
        const std::string text = thousandthsText(thousandths);
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        EXPECT_EQ(coordinateText(value), text);
    }
}

TEST(CoordinateText, EveryCoordinateReadsBack) {
    std::mt19937_64 generator(20240611);
    std::uniform_real_distribution<double> degrees(-180.0, 180.0);
    for (int i = 0; i < 10000; ++i) {
        const double value = degrees(generator);
        expectReadsBackAs(coordinateText(value), value);
    }
}

}  // namespace
