#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short while. A property that fails,
# a sanitizer report or a crash ends the step with the input that caused it.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build-ci-fuzz
seconds=${QUARVEL_FUZZ_SECONDS:-20}

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUARVEL_FUZZ=ON -DQUARVEL_GUI=OFF -DQUARVEL_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target quarvel_fuzzers

for fuzzer in fuzz_read_number fuzz_calculate_cdv fuzz_calculate_baud_rate; do
    corpus="$build/fuzz/corpus/$fuzzer"
    mkdir -p "$corpus"
    echo "== $fuzzer for ${seconds}s"
    log="$build/fuzz/$fuzzer.log"
    if ! "$build/fuzz/$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=128 \
        -artifact_prefix="$build/fuzz/$fuzzer-" -print_final_stats=1 >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "$fuzzer failed; the input is kept under $build/fuzz/" >&2
        exit 1
    fi
    grep -E '^Done|stat::number_of_executed_units' "$log"
done
