// A day of the series at one-minute steps (1,440 rows of both bodies): the calculation alone,
// and the same rows made into CSV text, so that what the formatting adds can be read off.
#include <benchmark/benchmark.h>

#include "app/core/series_text.h"
#include "astro/calculation.h"
#include "astro/moon_phase.h"

namespace {

constexpr long long ROWS = 1440;
constexpr long long STEP_S = 60;
constexpr astro::CivilTime FIRST{2026, 12, 9, 0, 0, 0};

// The passes and the illuminated fractions of the rows, without any text.
void BM_SeriesDayCalculationOnly(benchmark::State& state) {
    for (auto _ : state) {
        astro::WorkingVariables v;
        astro::CivilTime t = FIRST;
        double sum = 0.0;
        for (long long row = 0; row < ROWS; ++row) {
            if (row > 0) t = app::advancedBy(t, STEP_S);
            astro::calculatePass(v, {double(t.year), double(t.month), double(t.day), double(t.hour),
                                     double(t.minute), double(t.second), 35.65, 139.75});
            sum += astro::illuminatedFractionOfPhaseAngle(
                astro::phaseAngle(astro::meanElements(v.julianCenturies)));
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_SeriesDayCalculationOnly)->Unit(benchmark::kMillisecond);

// The same rows as the CSV text the command prints.
void BM_SeriesDayCsv(benchmark::State& state) {
    for (auto _ : state) {
        app::SeriesTable table =
            app::seriesTable({FIRST, STEP_S, ROWS, 35.65, 139.75}, app::SeriesFormat::Csv);
        benchmark::DoNotOptimize(table.text.data());
    }
}
BENCHMARK(BM_SeriesDayCsv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
