#!/usr/bin/env bash
# Start-up cost of the program against a bare window: time from launch to the first painted
# window, processor time and peak memory (max RSS), median of several runs, both on the
# offscreen platform, both built with the project's flags and linked with the first-paint
# probe (bench/first_paint_probe.cpp), which ends each at its first painted window.
#
#   bash bench/startup_cost.sh [BUILD_DIR] [RUNS]      # defaults: build 15
#
# The figures are for reading, not a test: the script fails only when a program is missing
# or does not report. The program starts on the present moment, so its first paint draws
# the Moon when the Moon is up at Tokyo now, and costs a few milliseconds more then.
set -euo pipefail

build=${1:-build}
runs=${2:-15}
program=$(realpath "$build/bench/first_paint_probe" 2>/dev/null || true)
bare=$(realpath "$build/bench/minimal_window_probe" 2>/dev/null || true)
for executable in "$program" "$bare"; do
    if [[ -z $executable || ! -x $executable ]]; then
        echo "startup_cost.sh: build first_paint_probe and minimal_window_probe in $build" >&2
        exit 2
    fi
done

# A fresh working directory, so that the program starts as on a first run (no start file).
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
export QT_QPA_PLATFORM=offscreen
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    export XDG_RUNTIME_DIR=$workdir/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# One run of a probe: prints "launch_ms main_ms cpu_ms maxrss_kb". The launch time is taken
# by the shell itself, without a process of its own, just before it becomes the program.
run_once() {
    local line
    line=$(cd "$workdir" && PROBE_LAUNCH_US=${EPOCHREALTIME//[!0-9]/} exec "$1" 2>/dev/null)
    if [[ $line != first_paint* ]]; then
        echo "startup_cost.sh: $1 gave no figures" >&2
        exit 1
    fi
    # "first_paint launch_ms=A main_ms=B cpu_ms=C maxrss_kb=D" -> "A B C D"
    sed -E 's/[a-z_]+=//g; s/^first_paint //' <<<"$line"
}

# The median of the numbers on standard input, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Column $2 (1 launch, 2 main, 3 cpu, 4 maxrss) of the figures in file $1, as a median.
column_median() {
    awk -v c="$2" '{ print $c }' "$1" | median
}

# A warm-up run of each, so that the libraries and fonts are in the page cache, then the
# two in turn, so that a slow spell of the machine falls on both alike.
run_once "$program" >/dev/null
run_once "$bare" >/dev/null
: >"$workdir/program.txt"
: >"$workdir/bare.txt"
for ((i = 0; i < runs; ++i)); do
    run_once "$program" >>"$workdir/program.txt"
    run_once "$bare" >>"$workdir/bare.txt"
done

declare -A figure
for who in program bare; do
    for c in 1 2 3 4; do
        figure[$who,$c]=$(column_median "$workdir/$who.txt" "$c")
    done
done

echo "Start-up to the first painted window, offscreen, median of $runs runs"
printf '%-14s %14s %12s %10s %12s\n' "" "launch->paint" "main->paint" "cpu" "max RSS"
for who in program bare; do
    printf '%-14s %11.2f ms %9.2f ms %7.2f ms %9d kB\n' "$who" "${figure[$who,1]}" \
        "${figure[$who,2]}" "${figure[$who,3]}" "${figure[$who,4]}"
done
awk -v t="${figure[program,1]}" -v tb="${figure[bare,1]}" -v m="${figure[program,2]}" \
    -v mb="${figure[bare,2]}" -v c="${figure[program,3]}" -v cb="${figure[bare,3]}" \
    -v r="${figure[program,4]}" -v rb="${figure[bare,4]}" 'BEGIN {
        printf "%-14s %14.2f %12.2f %10.2f %12.2f\n", "ratio", t / tb, m / mb, c / cb, r / rb
        printf "%-14s %14s %12s %10s %12s\n", "target", "1.30", "", "", "1.20"
    }'
