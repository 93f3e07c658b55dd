#!/usr/bin/env bash
# Measures the line coverage of astro/ and app/ by the whole test suite: builds everything
# with --coverage -O0 in build-coverage/ (-DSUNMOON_COVERAGE=ON), runs every CTest test on
# the offscreen platform, and prints with gcovr the coverage of each source file and the
# totals of astro/ and app/. Exits non-zero when astro/ is below 95% or app/ below 85%, or
# when a test fails. Not part of scripts/test.sh.
#
#   bash scripts/coverage.sh
#
# Tests labelled "long" (the window's soak) are left out; COVERAGE_EXCLUDE_LABELS
# takes another CTest label regex instead. The HTML report with every line marked is left in
# build-coverage/coverage/index.html.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build=build-coverage
jobs=$(nproc 2>/dev/null || echo 2)
astro_minimum=95
app_minimum=85
exclude_labels=${COVERAGE_EXCLUDE_LABELS:-^long$}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
    -DSUNMOON_COVERAGE=ON -DSUNMOON_BUILD_BENCHMARKS=OFF -DSUNMOON_BUILD_FUZZERS=OFF \
    -DSUNMOON_SANITIZE=OFF
cmake --build "$build" -j "$jobs"

# Counts of an earlier run would add up with this one's.
find "$build" -name '*.gcda' -delete

tests_status=0
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j "$jobs" \
    -LE "$exclude_labels" || tests_status=$?

# Only the sources of astro/ and app/; what the toolkit generates (moc, rcc) lives under the
# build directory, and the tests, benchmarks, fuzz targets and tools are left out by name.
gcovr_filters=(
    --root .
    --object-directory "$build"
    --filter 'astro/'
    --filter 'app/'
    --exclude '.*/tests/.*'
    --exclude '.*/bench/.*'
    --exclude '.*/fuzz/.*'
    --exclude '.*/tools/.*'
    --exclude "$build/.*"
    --exclude '.*_autogen/.*'
    --exclude '.*/moc_[^/]*'
    --exclude '.*/qrc_[^/]*'
)
summary="$build/coverage-summary.json"
mkdir -p "$build/coverage"
gcovr "${gcovr_filters[@]}" --sort-percentage \
    --txt - \
    --json-summary "$summary" \
    --html-details "$build/coverage/index.html"

# The totals of each directory, from the per-file figures of the summary.
coverage_status=0
python3 - "$summary" "$astro_minimum" "$app_minimum" <<'PYTHON' || coverage_status=$?
import json
import math
import sys

summary_path, astro_minimum, app_minimum = sys.argv[1], float(sys.argv[2]), float(sys.argv[3])
with open(summary_path, encoding="utf-8") as f:
    files = json.load(f)["files"]

status = 0
parts = []
for directory, minimum in (("astro/", astro_minimum), ("app/", app_minimum)):
    chosen = [f for f in files if f["filename"].startswith(directory)]
    total = sum(f["line_total"] for f in chosen)
    covered = sum(f["line_covered"] for f in chosen)
    percent = 100.0 * covered / total if total else 0.0
    # Cut, not rounded, so that a figure just below a minimum never reads as reaching it.
    shown = math.floor(percent * 10) / 10
    parts.append(f"{directory}: {shown:.1f}% of {total} lines ({covered} covered)")
    if total == 0 or percent < minimum:
        print(f"coverage: {directory} is below its minimum of {minimum:g}%", file=sys.stderr)
        status = 1
print()
print("coverage: " + "; ".join(parts))
sys.exit(status)
PYTHON

if ((tests_status != 0)); then
    echo "coverage: some tests failed (ctest exit status $tests_status)" >&2
    exit "$tests_status"
fi
exit "$coverage_status"
