#!/usr/bin/env bash
# Compares the almanac's phases and solar terms with PyEphem's (Debian python3-ephem), in TT,
# and prints the table of docs/accuracy.md; then the largest gaps between the low-precision
# estimates and the precise instants, which the 旧暦's day decisions rely on. Not part of CI.
#
#   bash scripts/almanac_accuracy.sh              1900-2100
#   bash scripts/almanac_accuracy.sh 1800 2400    another span of years
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --accuracy

from=${1:-1900}
to=${2:-2100}
build=build-accuracy
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSUNMOON_BUILD_ACCURACY=ON -DSUNMOON_BUILD_APP=OFF \
    -DSUNMOON_BUILD_TESTS=OFF -DSUNMOON_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j 2 --target almanac_events >/dev/null

"$build/tools/almanac/almanac_events" "$from" "$to" >"$build/almanac_events.csv"
# Debian's interpreter, the one python3-ephem is installed for.
/usr/bin/python3 tools/almanac/almanac_accuracy.py "$build/almanac_events.csv" "$from" "$to"
"$build/tools/almanac/almanac_events" --estimates
