#!/usr/bin/env bash
# Compares the program's Sun and Moon with libnova over 1900-2100 and prints the tables as
# Markdown; regenerates docs/accuracy.png; then compares the day's events with an independent
# reckoning by the national almanac's conventions (PyEphem). Not part of CI. Extra arguments
# go to the libnova tool (--samples N, --seed S).
#
#   bash scripts/accuracy.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --accuracy

build=build-accuracy
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSUNMOON_BUILD_ACCURACY=ON -DSUNMOON_BUILD_APP=OFF \
    -DSUNMOON_BUILD_TESTS=OFF -DSUNMOON_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target accuracy_compare day_events_print >/dev/null

"$build/tools/accuracy/accuracy_compare" --csv "$build/accuracy_errors.csv" "$@"
# Debian's interpreter, the one python3-matplotlib and python3-ephem are installed for, even
# where another python3 comes first on the PATH.
python=/usr/bin/python3
[[ -x "$python" ]] || python=python3
"$python" tools/accuracy/plot_accuracy.py "$build/accuracy_errors.csv" docs/accuracy.png
"$python" tools/accuracy/rise_accuracy.py --program "$build/tools/accuracy/day_events_print"
echo "accuracy: wrote docs/accuracy.png; each sample's differences are in" \
    "$build/accuracy_errors.csv" >&2
