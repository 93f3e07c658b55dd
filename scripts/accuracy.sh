#!/usr/bin/env bash
# Compares the program's Sun and Moon, the day's events and the Moon's age with libnova over
# 1900-2100 and prints the tables as Markdown; regenerates docs/accuracy.png. Not part of CI.
# Extra arguments go to the tool (--samples N, --seed S, --event-days N).
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
cmake --build "$build" -j "$jobs" --target accuracy_compare >/dev/null

"$build/tools/accuracy/accuracy_compare" --csv "$build/accuracy_errors.csv" \
    --events-csv "$build/event_errors.csv" "$@"
# Debian's interpreter, the one python3-matplotlib is installed for, even where another
# python3 comes first on the PATH.
python=/usr/bin/python3
[[ -x "$python" ]] || python=python3
"$python" tools/accuracy/plot_accuracy.py "$build/accuracy_errors.csv" docs/accuracy.png
echo "accuracy: wrote docs/accuracy.png; each sample's differences are in $build/accuracy_errors.csv," \
    "each day event's in $build/event_errors.csv" >&2
