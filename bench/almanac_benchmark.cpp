// Cost of the almanac: a year of phases and solar terms, the 旧暦 dates of a month, and one
// precise place of the Sun and of the Moon.
//
//   build/bench/almanac_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only
//
// Targets: a year of phases and terms under 10 ms; the 旧暦 of a whole month under 2 ms, each
// month in another year so that no lunisolar year is kept from an earlier iteration
// (BM_LunisolarMonth/12 takes December, whose days may fall in two lunisolar years).
#include <benchmark/benchmark.h>

#include "astro/almanac.h"
#include "astro/precise_position.h"

namespace {

// UT Julian day of 1900-01-01 0h, and a year's length for stepping through the years.
constexpr double JD_1900 = 2415020.5;
constexpr double YEAR_DAYS = 365.25;
// Years the iterations cycle through, so that every iteration computes afresh.
constexpr int CYCLE_YEARS = 500;
constexpr int FIRST_YEAR = 1873;

void BM_YearOfPhasesAndTerms(benchmark::State& state) {
    int year = 0;
    for (auto _ : state) {
        const double from = JD_1900 + (year % CYCLE_YEARS) * YEAR_DAYS;
        benchmark::DoNotOptimize(astro::lunarPhases(from, from + YEAR_DAYS));
        benchmark::DoNotOptimize(astro::solarTerms(from, from + YEAR_DAYS));
        ++year;
    }
}
BENCHMARK(BM_YearOfPhasesAndTerms)->Unit(benchmark::kMillisecond);

void BM_LunisolarMonth(benchmark::State& state) {
    const int month = static_cast<int>(state.range(0));
    int year = 0;
    for (auto _ : state) {
        for (int day = 1; day <= 31; ++day)
            benchmark::DoNotOptimize(
                astro::lunisolarDate(FIRST_YEAR + year % CYCLE_YEARS, month, day));
        ++year;
    }
}
BENCHMARK(BM_LunisolarMonth)->Arg(6)->Arg(12)->Unit(benchmark::kMillisecond);

void BM_ApparentSunPlace(benchmark::State& state) {
    double jd = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::apparentSunPlace(jd));
        jd += 0.37;
    }
}
BENCHMARK(BM_ApparentSunPlace)->Unit(benchmark::kMicrosecond);

void BM_ApparentMoonPlace(benchmark::State& state) {
    double jd = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::apparentMoonPlace(jd));
        jd += 0.37;
    }
}
BENCHMARK(BM_ApparentMoonPlace)->Unit(benchmark::kMicrosecond);

}  // namespace
