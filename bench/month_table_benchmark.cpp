// Cost of the month table: a whole month at one place, with 31 days of risings and settings
// and their directions, the 旧暦 dates, the Moon's age at noon and the month's phases, terms
// and 雑節.
//
//   build/bench/month_table_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only
//
// Target: under 15 ms for a month. Each iteration takes a month of another year, so that no
// lunisolar year is kept from an earlier iteration; December (31 days, whose 旧暦 dates may
// fall in two lunisolar years) and June at 65 degrees north (a Sun that hardly sets).
#include <benchmark/benchmark.h>

#include "app/core/month_table.h"

namespace {

constexpr int FIRST_YEAR = 1873;
// Years the iterations cycle through, so that every iteration computes afresh.
constexpr int CYCLE_YEARS = 500;

void BM_MonthTable(benchmark::State& state) {
    const int month = static_cast<int>(state.range(0));
    const double latitude_deg = static_cast<double>(state.range(1));
    constexpr double LONGITUDE_DEG = 139.6917;
    int year = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            app::monthTable(FIRST_YEAR + year % CYCLE_YEARS, month, latitude_deg, LONGITUDE_DEG));
        ++year;
    }
}
BENCHMARK(BM_MonthTable)->Args({12, 35})->Args({6, 65})->Unit(benchmark::kMillisecond);

}  // namespace
