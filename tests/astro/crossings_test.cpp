// Crossings of a level by a sampled function, on functions whose crossings are known in
// closed form.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/crossings.h"

namespace {

using astro::LevelCrossing;
using astro::SampledCurve;
using astro::TimeFunction;

constexpr double kTolerance = 1e-9;
constexpr double kPi = 3.14159265358979323846;

struct Case {
    std::string name;
    TimeFunction f;
    double firstTime;
    double step;
    int samples;
    double level;
    std::vector<LevelCrossing> expected;
};

// The function sampled on the grid, as the day's search samples a body's altitude.
SampledCurve sampled(const Case& c) {
    std::vector<double> values;
    for (int k = 0; k < c.samples; ++k) values.push_back(c.f(c.firstTime + k * c.step));
    return SampledCurve(c.f, c.firstTime, c.step, std::move(values), kTolerance);
}

TEST(SampledCurve, CrossingsOfKnownFunctions) {
    const auto parabola = [](double vertex) {
        return [vertex](double t) { return 4 * (t - 1.3) * (t - 1.3) + vertex; };
    };
    const auto hump = [](double t) { return 0.2 - 4 * (t - 1.3) * (t - 1.3); };
    const auto sine = [](double t) { return std::sin(t); };
    const auto falling = [](double t) { return -t; };
    const auto risingToZeroAt3 = [](double t) { return t - 3; };
    const auto rising = [](double t) { return t; };
    const double halfWidth = std::sqrt(0.05);  // where 4 (t - 1.3)^2 = 0.2
    const double early = 1.3 - halfWidth, late = 1.3 + halfWidth;
    const std::vector<LevelCrossing> sineCrossings = {
        {kPi / 6, true}, {5 * kPi / 6, false}, {13 * kPi / 6, true}, {17 * kPi / 6, false}};
    const std::vector<Case> cases = {
        // Four crossings, each between two samples on either side.
        {"sine", sine, 0.1, 0.5, 20, 0.5, sineCrossings},
        // A minimum between samples that all lie above the level: crossed only when the
        // refined minimum lies below it, touching is no crossing.
        {"parabola above", parabola(0.2), 0, 1, 4, 0, {}},
        {"parabola touching", parabola(0), 0, 1, 4, 0, {}},
        {"parabola below", parabola(-0.2), 0, 1, 4, 0, {{early, false}, {late, true}}},
        {"hump below", hump, 0, 1, 4, 0, {{early, true}, {late, false}}},
        // The level counts as above: leaving it downwards at the first sample, or reaching
        // it at the last, is a crossing at that sample; rising away from it is none.
        {"at the level, first sample, falling", falling, 0, 1, 4, 0, {{0, false}}},
        {"at the level, last sample, rising", risingToZeroAt3, 0, 1, 4, 0, {{3, true}}},
        {"at the level, first sample, rising", rising, 0, 1, 4, 0, {}},
    };
    for (const Case& c : cases) {
        const std::vector<LevelCrossing> found = sampled(c).crossings(c.level, kTolerance);
        EXPECT_EQ(found.size(), c.expected.size()) << c.name;
        if (found.size() != c.expected.size()) continue;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR(found[i].time, c.expected[i].time, 2 * kTolerance) << c.name << " " << i;
            EXPECT_EQ(found[i].rising, c.expected[i].rising) << c.name << " " << i;
        }
    }
}

}  // namespace
