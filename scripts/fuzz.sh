#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 in build-fuzz/ and runs each of them for a
# bounded time on a copy of its seed corpus (fuzz/corpus/<target>/, which is never written).
# Exits non-zero at the first target that crashes, hangs, leaks or makes a sanitizer report;
# the input that did it is kept as build-fuzz/artifacts/<target>/crash-* (or leak-*,
# timeout-*, oom-*), and the log as build-fuzz/logs/<target>.log.
#
#   bash scripts/fuzz.sh                    every target, 60 s each
#   FUZZ_SECONDS=300 bash scripts/fuzz.sh   longer sessions
#   bash scripts/fuzz.sh fuzz_calculation   one target only
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

seconds=${FUZZ_SECONDS:-60}
build=build-fuzz
targets=("$@")
if ((${#targets[@]} == 0)); then
    targets=(fuzz_number_reading fuzz_start_file fuzz_calculation fuzz_command_values)
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DSUNMOON_BUILD_FUZZERS=ON -DSUNMOON_BUILD_APP=OFF \
    -DSUNMOON_BUILD_TESTS=OFF -DSUNMOON_BUILD_BENCHMARKS=OFF -DSUNMOON_SANITIZE=OFF
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

# Any report ends the run with an error; a leak is one too.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

summary=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    log="$build/logs/$target.log"
    rm -rf "$corpus"
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    cp fuzz/corpus/"$target"/* "$corpus"/
    echo "fuzz: $target for $seconds s (log in $log)"

    status=0
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1 || status=$?
    # A report that somehow let the run go on fails it all the same.
    if ((status == 0)) && grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: ' "$log"; then
        status=1
    fi
    if ((status != 0)); then
        tail -n 80 "$log" >&2
        echo "fuzz: $target FAILED (exit status $status); see $log and $artifacts/" >&2
        exit 1
    fi

    done_line=$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n 1)
    if [[ -z "$done_line" ]]; then
        tail -n 40 "$log" >&2
        echo "fuzz: $target ended without its closing line; see $log" >&2
        exit 1
    fi
    runs=$(sed -E 's/^Done ([0-9]+) runs in ([0-9]+) second.*/\1/' <<<"$done_line")
    took=$(sed -E 's/^Done ([0-9]+) runs in ([0-9]+) second.*/\2/' <<<"$done_line")
    corpus_size=$(find "$corpus" -type f | wc -l)
    summary+=("fuzz: $target: $runs runs in $took s, no crash ($corpus_size inputs in its corpus)")
done

printf '%s\n' "${summary[@]}"
echo "fuzz: ${#targets[@]} passed, 0 failed"
