// Cost of what the day's window computes for one date at one place: the day's events and the
// chart's altitudes every 5 minutes (288 steps), together and apart, and the Moon's age.
//
//   build/bench/day_events_benchmark --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include "astro/day_events.h"
#include "astro/moon_age.h"

namespace {

constexpr int kYear = 2024;
constexpr int kMonth = 12;
constexpr int kDay = 8;
constexpr double kLatitude = 35.6895;  // Tokyo
constexpr double kLongitude = 139.6917;
constexpr int kChartSteps = 288;

void BM_DayEventsAndChart(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::dayEvents(kYear, kMonth, kDay, kLatitude, kLongitude));
        benchmark::DoNotOptimize(
            astro::dayAltitudes(kYear, kMonth, kDay, kLatitude, kLongitude, kChartSteps));
    }
}
BENCHMARK(BM_DayEventsAndChart)->Unit(benchmark::kMicrosecond);

void BM_DayEvents(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::dayEvents(kYear, kMonth, kDay, kLatitude, kLongitude));
    }
}
BENCHMARK(BM_DayEvents)->Unit(benchmark::kMicrosecond);

void BM_ChartAltitudes(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            astro::dayAltitudes(kYear, kMonth, kDay, kLatitude, kLongitude, kChartSteps));
    }
}
BENCHMARK(BM_ChartAltitudes)->Unit(benchmark::kMicrosecond);

void BM_MoonAge(benchmark::State& state) {
    double julianDay = 2460652.5;
    for (auto _ : state) {
        julianDay = julianDay + 0.37;  // a new instant, and a new phase, every time
        benchmark::DoNotOptimize(astro::moonAge(julianDay));
    }
}
BENCHMARK(BM_MoonAge)->Unit(benchmark::kMicrosecond);

}  // namespace
