#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test. Used as is by CI. Stops at the first
# step that fails:
#   1. the build in build/ and the whole test suite;
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer in
#      build-asan/ (scripts/sanitize.sh);
#   3. each fuzz target for FUZZ_SECONDS seconds, 60 by default, in build-fuzz/
#      (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

bash scripts/sanitize.sh
bash scripts/fuzz.sh
