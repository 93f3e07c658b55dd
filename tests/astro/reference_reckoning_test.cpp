// The whole calculation compared bit for bit with an independent reckoning of it, written
// from the formulas, not from this code (tests/astro/reference_reckoning.py, which made
// data/reference_reckoning.txt and documents its columns). Every quantity must agree to the
// last bit, the sign of zero included, and the captions character for character: a formula
// evaluated in another order or grouping, a constant rounded differently, or a reduction
// built on floor instead of truncation shows up here as a mismatch.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/calculation.h"
#include "astro/moon_phase.h"
#include "astro/working_variables.h"

#ifndef REFERENCE_DATA_DIR
#error "REFERENCE_DATA_DIR must name the directory of reference_reckoning.txt"
#endif

namespace {

using astro::EnteredValues;
using astro::PassFaultKind;
using astro::WorkingVariables;

// The quantities of one line after the entered numbers, in the file's order.
enum class Kind { Number, Caption };
struct Quantity {
    const char* name;
    Kind kind;
};
constexpr Quantity kQuantities[] = {
    {"julianDay", Kind::Number},
    {"julianCenturies", Kind::Number},
    {"sunRightAscension", Kind::Number},
    {"sunDeclination", Kind::Number},
    {"moonRightAscension", Kind::Number},
    {"moonDeclination", Kind::Number},
    {"siderealTime", Kind::Number},
    {"sunAltitude", Kind::Number},
    {"sunAzimuth", Kind::Number},
    {"moonAltitude", Kind::Number},
    {"moonAzimuth", Kind::Number},
    {"illuminatedFraction", Kind::Number},
    {"limbZenithAngle", Kind::Number},
    {"equationOfTimeCaption", Kind::Caption},
    {"illuminatedFraction an hour later", Kind::Number},
    {"limbZenithAngle an hour later", Kind::Number},
    {"equationOfTimeCaption an hour later", Kind::Caption},
};
constexpr std::size_t kQuantityCount = sizeof(kQuantities) / sizeof(kQuantities[0]);

// A quantity's value: a number or a caption, as the reckoning wrote it or the code gave it.
struct Value {
    double number = 0.0;
    std::string caption;
};

struct Line {
    int lineNumber = 0;
    std::string text;
    EnteredValues entered{};
    bool refused = false;
    std::string refusalKind;
    std::vector<Value> expected;
};

std::vector<std::string> splitTabs(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = text.find('\t', start);
        fields.push_back(text.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

// Reads a hexadecimal float such as "0x1.8p+1" or "-0x0p+0"; false unless the whole field is
// one finite number.
bool parseHexFloat(const std::string& field, double& value) {
    if (field.size() < 3) return false;
    const std::size_t prefix = field[0] == '-' ? 1 : 0;
    if (field.compare(prefix, 2, "0x") != 0) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtod(field.c_str(), &end);
    return errno == 0 && end == field.c_str() + field.size() && std::isfinite(value);
}

std::string hexOf(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%a", value);
    return buffer;
}

bool sameBits(double a, double b) {
    std::uint64_t bitsA = 0;
    std::uint64_t bitsB = 0;
    std::memcpy(&bitsA, &a, sizeof a);
    std::memcpy(&bitsB, &b, sizeof b);
    return bitsA == bitsB;
}

std::string describeEntered(const EnteredValues& entered) {
    static const char* const names[] = {"year",   "month",  "day",      "hour",
                                        "minute", "second", "latitude", "longitude"};
    std::ostringstream out;
    for (std::size_t i = 0; i < astro::ENTERED_FIELD_COUNT; ++i) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.17g", entered[i]);
        out << (i == 0 ? "" : ", ") << names[i] << " " << buffer;
    }
    return out.str();
}

std::vector<Line> readReferenceLines() {
    const std::string path = std::string(REFERENCE_DATA_DIR) + "/reference_reckoning.txt";
    std::ifstream in(path);
    EXPECT_TRUE(in.is_open()) << "cannot open " << path;
    std::vector<Line> lines;
    std::string text;
    int lineNumber = 0;
    while (std::getline(in, text)) {
        ++lineNumber;
        if (text.empty() || text[0] == '#') continue;
        Line line;
        line.lineNumber = lineNumber;
        line.text = text;
        const std::vector<std::string> fields = splitTabs(text);
        const std::size_t entered = astro::ENTERED_FIELD_COUNT;
        bool good = fields.size() >= 1 + entered;
        if (good && fields[0] == "ok") {
            good = fields.size() == 1 + entered + kQuantityCount;
        } else if (good && fields[0] == "refused") {
            good = fields.size() == 2 + entered;
            line.refused = true;
        } else {
            good = false;
        }
        for (std::size_t i = 0; good && i < entered; ++i) {
            good = parseHexFloat(fields[1 + i], line.entered[i]);
        }
        if (good && line.refused) {
            line.refusalKind = fields[1 + entered];
        }
        for (std::size_t i = 0; good && !line.refused && i < kQuantityCount; ++i) {
            Value value;
            const std::string& field = fields[1 + entered + i];
            if (kQuantities[i].kind == Kind::Caption) {
                value.caption = field;
            } else {
                good = parseHexFloat(field, value.number);
            }
            line.expected.push_back(value);
        }
        if (!good) {
            ADD_FAILURE() << path << ":" << lineNumber << ": malformed line: " << text;
            continue;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

const std::vector<Line>& referenceLines() {
    static const std::vector<Line> lines = readReferenceLines();
    return lines;
}

// The calculation as the calculate command runs it when the Moon is up: the pass and its phase,
// then the ephemeris for one hour later and the phase again, with the first pass's sidereal
// time and place.
std::vector<Value> calculate(const EnteredValues& entered, bool& refused) {
    WorkingVariables v;
    refused = astro::calculatePass(v, entered).has_value();
    std::vector<Value> got(kQuantityCount);
    if (refused) return got;
    astro::computeMoonPhase(v);
    const double first[] = {v.julianDay,      v.julianCenturies,    v.sunRightAscension,
                            v.sunDeclination, v.moonRightAscension, v.moonDeclination,
                            v.siderealTime,   v.sunAltitude,        v.sunAzimuth,
                            v.moonAltitude,   v.moonAzimuth,        v.illuminatedFraction,
                            v.limbZenithAngle};
    std::size_t i = 0;
    for (const double number : first) got[i++].number = number;
    got[i++].caption = v.equationOfTimeCaption;
    astro::calculateHourLater(v);
    astro::computeMoonPhase(v);
    got[i++].number = v.illuminatedFraction;
    got[i++].number = v.limbZenithAngle;
    got[i++].caption = v.equationOfTimeCaption;
    return got;
}

constexpr int kMismatchingLinesReported = 5;

TEST(ReferenceReckoning, FileHoldsThousandsOfCalculatedAndSomeRefusedSets) {
    std::size_t calculated = 0;
    std::size_t refused = 0;
    for (const Line& line : referenceLines()) (line.refused ? refused : calculated) += 1;
    EXPECT_GE(calculated, 2000u);
    EXPECT_GE(refused, 10u);
}

TEST(ReferenceReckoning, EveryQuantityAgreesBitForBit) {
    int mismatchingLines = 0;
    std::size_t compared = 0;
    for (const Line& line : referenceLines()) {
        if (line.refused) continue;
        bool refused = false;
        const std::vector<Value> got = calculate(line.entered, refused);
        ++compared;
        if (refused) {
            ADD_FAILURE() << "line " << line.lineNumber << " (" << describeEntered(line.entered)
                          << "): refused by the calculation, but reckoned\n  " << line.text;
            if (++mismatchingLines == kMismatchingLinesReported) break;
            continue;
        }
        std::ostringstream report;
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            const Value& want = line.expected[i];
            const Value& have = got[i];
            if (kQuantities[i].kind == Kind::Caption) {
                if (want.caption != have.caption) {
                    report << "\n  " << kQuantities[i].name << ": reckoned \"" << want.caption
                           << "\", calculated \"" << have.caption << "\"";
                }
            } else if (!sameBits(want.number, have.number)) {
                char difference[64];
                std::snprintf(difference, sizeof difference, "%.17g", have.number - want.number);
                report << "\n  " << kQuantities[i].name << ": reckoned " << hexOf(want.number)
                       << ", calculated " << hexOf(have.number) << ", difference " << difference;
            }
        }
        if (!report.str().empty()) {
            ADD_FAILURE() << "line " << line.lineNumber << " (" << describeEntered(line.entered)
                          << "):" << report.str() << "\n  " << line.text;
            if (++mismatchingLines == kMismatchingLinesReported) break;
        }
    }
    EXPECT_GT(compared, 0u);
    if (mismatchingLines == kMismatchingLinesReported) {
        ADD_FAILURE() << "stopped after " << kMismatchingLinesReported << " mismatching lines";
    }
}

TEST(ReferenceReckoning, RefusedSetsAreRefusedWithTheirKindAndLeaveTheRecord) {
    for (const Line& line : referenceLines()) {
        if (!line.refused) continue;
        SCOPED_TRACE("line " + std::to_string(line.lineNumber) + " (" +
                     describeEntered(line.entered) + ")");
        WorkingVariables v;
        v.julianDay = 1234.5;
        v.julianCenturies = -0.25;
        v.latitude = 12.0;
        v.sunRightAscension = 3.0;
        const auto fault = astro::calculatePass(v, line.entered);
        ASSERT_TRUE(fault.has_value());
        if (line.refusalKind == "sixteen-bits") {
            EXPECT_EQ(fault->kind, PassFaultKind::OutsideSixteenBits);
            EXPECT_TRUE(fault->field == astro::YEAR || fault->field == astro::MONTH);
        } else {
            ASSERT_EQ(line.refusalKind, "instant");
            EXPECT_EQ(fault->kind, PassFaultKind::InstantOutOfRange);
            EXPECT_EQ(fault->field, astro::DAY);
        }
        EXPECT_EQ(v.julianDay, 1234.5);
        EXPECT_EQ(v.julianCenturies, -0.25);
        EXPECT_EQ(v.latitude, 12.0);
        EXPECT_EQ(v.sunRightAscension, 3.0);
    }
}

}  // namespace
