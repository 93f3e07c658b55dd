// Cost of one whole calculation as the calculate command makes it, against the cost of the
// libm functions it is made of.
//
//   build/bench/calculation_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only
//
// BM_WholeCalculation: the first pass (Julian day, ephemeris, sidereal time, two horizon
// conversions), the phase, the ephemeris one hour later and the second phase.
// BM_OwnArithmetic: the same number of sines, cosines, arctangents and square roots on
// arguments of the same sizes, and nothing else: the floor the calculation cannot go below.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "astro/calculation.h"
#include "astro/moon_phase.h"

namespace {

// libm calls of one whole calculation, counted in the code: two ephemeris passes of 43
// sines and cosines (35 in the series and the obliquity, 4 in each of two conversions), 4
// arctangents and 2 square roots each; one sidereal time (1 cosine); two horizon
// conversions of 6 sines and cosines, 2 arctangents and 1 square root; two phase
// calculations of 19 sines and cosines and 2 arctangents. 159 calls in all.
constexpr int kTrigCalls = 2 * 43 + 1 + 2 * 6 + 2 * 19;
constexpr int kArctangentCalls = 2 * 4 + 2 * 2 + 2 * 2;
constexpr int kSquareRootCalls = 2 * 2 + 2 * 1;

const astro::EnteredValues kEntered{2024, 12, 8, 11, 29, 30, 35.65, 139.75};

void BM_WholeCalculation(benchmark::State& state) {
    astro::WorkingVariables v;
    astro::EnteredValues entered = kEntered;
    for (auto _ : state) {
        entered[astro::SECOND] = entered[astro::SECOND] + 1;  // a new instant every time
        benchmark::DoNotOptimize(astro::calculatePass(v, entered));
        astro::computeMoonPhase(v);
        v.savedIlluminatedFraction = v.illuminatedFraction;
        astro::calculateHourLater(v);
        astro::computeMoonPhase(v);
        benchmark::DoNotOptimize(v.illuminatedFraction);
        benchmark::DoNotOptimize(v.moonAzimuth);
    }
}
BENCHMARK(BM_WholeCalculation);

void BM_OwnArithmetic(benchmark::State& state) {
    // Arguments like the calculation's: rates of 1e4 to 1.4e6 degrees per century times T
    // near 0.25, in radians.
    double t = 0.249;
    for (auto _ : state) {
        t = t + 1e-9;
        double sum = 0;
        for (int i = 0; i < kTrigCalls; ++i)
            sum += std::cos((10.0 + 40000.0 * i * t) * 0.0174532925);
        for (int i = 0; i < kArctangentCalls; ++i) sum += std::atan(sum * 1e-3 + i);
        for (int i = 0; i < kSquareRootCalls; ++i) sum += std::sqrt(t + i);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_OwnArithmetic);

void BM_OneLibmSine(benchmark::State& state) {
    double x = 1.2345;
    for (auto _ : state) {
        x = x + 1e-9;
        benchmark::DoNotOptimize(std::sin(x * 1234.5));
    }
}
BENCHMARK(BM_OneLibmSine);

}  // namespace
