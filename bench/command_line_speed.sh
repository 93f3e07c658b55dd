#!/usr/bin/env bash
# Speed of the commands as whole processes, with no display:
# - `sunmoonpos at` against a bare QCoreApplication program (bench/bare_console.cpp), the
#   median wall time of RUNS runs of each, run in turns; the ratio is the figure to read
#   (target: within 1.5x);
# - `sunmoonpos series` over a year at one-minute steps (525,600 rows of both bodies) as CSV
#   to /dev/null, median of 3 (target: under 1.5 s), and in TSV and JSON beside it.
#
#   bash bench/command_line_speed.sh [BUILD_DIR] [RUNS]     # defaults: build 15
#
# The figures are for reading, not a test: the script fails only when a program is missing
# or fails.
set -euo pipefail

build=${1:-build}
runs=${2:-15}
program=$(realpath "$build/app/sunmoonpos" 2>/dev/null || true)
bare=$(realpath "$build/bench/bare_console" 2>/dev/null || true)
for executable in "$program" "$bare"; do
    if [[ -z $executable || ! -x $executable ]]; then
        echo "command_line_speed.sh: build sunmoonpos and bare_console in $build" >&2
        exit 2
    fi
done

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
cd "$workdir"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# Wall time of one run of a command, in milliseconds with a fraction.
wall_ms() {
    local start end
    start=${EPOCHREALTIME//[!0-9]/}
    "$@" >/dev/null
    end=${EPOCHREALTIME//[!0-9]/}
    echo "$(((end - start) / 1000)).$(((end - start) % 1000 / 100))"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

at_times=()
bare_times=()
for ((i = 0; i < runs; ++i)); do
    at_times+=("$(wall_ms "$program" at 2026-12-09 12:00)")
    bare_times+=("$(wall_ms "$bare")")
done
at_ms=$(printf '%s\n' "${at_times[@]}" | median)
bare_ms=$(printf '%s\n' "${bare_times[@]}" | median)
echo "sunmoonpos at:            median $at_ms ms of $runs runs"
echo "bare QCoreApplication:    median $bare_ms ms of $runs runs"
awk -v a="$at_ms" -v b="$bare_ms" 'BEGIN { printf "ratio:                    %.2fx (target 1.5x)\n", a / b }'

year=(series --from 2026-01-01 --to 2026-12-31T23:59 --step 1m)
for format in csv tsv json; do
    times=()
    for ((i = 0; i < 3; ++i)); do times+=("$(wall_ms "$program" "${year[@]}" --format "$format")"); done
    echo "series, a year at 1 min, $format to /dev/null: median $(printf '%s\n' "${times[@]}" | median) ms of 3"
done
bytes=$("$program" "${year[@]}" --format csv | wc -c)
echo "series CSV size: $bytes bytes"
