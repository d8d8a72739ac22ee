#!/usr/bin/env bash
# The calculator and its command line under AddressSanitizer and UndefinedBehaviorSanitizer:
# no input may overflow, divide by zero or touch memory it should not.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build-ci-sanitize

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUARVEL_SANITIZE=ON -DQUARVEL_GUI=OFF -DQUARVEL_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target quarvel_calc_tests quarvel_cli_tests

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The CLI tests start the sanitized quarvel-calc; a report on its stderr fails them too.
"$build/tests/calc/quarvel_calc_tests" --gtest_brief=1
"$build/tests/cli/quarvel_cli_tests" --gtest_brief=1
