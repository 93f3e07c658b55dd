#!/usr/bin/env bash
# Builds everything with GCC, AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer in build-asan/ (-DSUNMOON_SANITIZE=ON), and runs the whole test
# suite there. Any sanitizer report, a leak included, stops the test it happens in and fails
# the run.
#
#   bash scripts/sanitize.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build=build-asan
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=g++ -DSUNMOON_SANITIZE=ON -DSUNMOON_BUILD_FUZZERS=OFF
cmake --build "$build" -j "$jobs"

# Reports stop the program with an error: UBSan's (the build does not recover from them in
# any case) and ASan's, whose LeakSanitizer also runs at exit. No leak is suppressed, Qt's
# included: the suite leaks nothing.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen

ctest --test-dir "$build" --output-on-failure -j 2
