// Cost of what the day's window computes for one date at one place: the day's events and the
// chart's altitudes every 5 minutes (288 steps), together and apart, and the Moon's age; a
// month of days' events and charts, as a month's table needs them; and the precise sky of a
// day alone (ERFA at its nodes), which the events and the chart each build.
//
//   build/bench/day_events_benchmark --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include "astro/day_events.h"
#include "astro/moon_age.h"
#include "astro/precise_sky.h"

namespace {

constexpr int kYear = 2024;
constexpr int kMonth = 12;
constexpr int kDay = 8;
constexpr double kLatitude = 35.6895;  // Tokyo
constexpr double kLongitude = 139.6917;
constexpr int kChartSteps = 288;

// A day of the month that changes at every call, so that every iteration reckons a sky the
// last one did not (the day's sky is kept for the next call on the same day).
int nextDay() {
    static int day = kDay;
    day = day % 28 + 1;
    return day;
}

void BM_DayEventsAndChart(benchmark::State& state) {
    for (auto _ : state) {
        const int day = nextDay();
        benchmark::DoNotOptimize(astro::dayEvents(kYear, kMonth, day, kLatitude, kLongitude));
        benchmark::DoNotOptimize(
            astro::dayAltitudes(kYear, kMonth, day, kLatitude, kLongitude, kChartSteps));
    }
}
BENCHMARK(BM_DayEventsAndChart)->Unit(benchmark::kMicrosecond);

void BM_MonthOfDayEventsAndCharts(benchmark::State& state) {
    for (auto _ : state) {
        for (int day = 1; day <= 31; ++day) {
            benchmark::DoNotOptimize(astro::dayEvents(kYear, kMonth, day, kLatitude, kLongitude));
            benchmark::DoNotOptimize(
                astro::dayAltitudes(kYear, kMonth, day, kLatitude, kLongitude, kChartSteps));
        }
    }
}
BENCHMARK(BM_MonthOfDayEventsAndCharts)->Unit(benchmark::kMillisecond);

void BM_PreciseSkyOfADay(benchmark::State& state) {
    const double firstJulianDay = 2460652.0;  // 2024-12-07 23:00 JST
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            astro::PreciseSky::over(firstJulianDay, firstJulianDay + 26.0 / 24.0));
    }
}
BENCHMARK(BM_PreciseSkyOfADay)->Unit(benchmark::kMicrosecond);

void BM_DayEvents(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::dayEvents(kYear, kMonth, nextDay(), kLatitude, kLongitude));
    }
}
BENCHMARK(BM_DayEvents)->Unit(benchmark::kMicrosecond);

void BM_ChartAltitudes(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            astro::dayAltitudes(kYear, kMonth, nextDay(), kLatitude, kLongitude, kChartSteps));
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
