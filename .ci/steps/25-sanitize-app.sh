#!/usr/bin/env bash
# The application object, its documents, settings and command line, and the layer's
# window lifetimes under AddressSanitizer and UndefinedBehaviorSanitizer: frames and
# documents delete themselves while their own handlers run, which only a sanitizer
# watches closely enough.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build-ci-sanitize-app

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUARVEL_SANITIZE=ON -DQUARVEL_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target framework_tests app_tests shell_tests program_tests quarvel

# Qt keeps some start-up allocations until exit; leaks are not what this step is for.
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
for program in tests/framework/framework_tests tests/app/app_tests tests/app/shell_tests \
               tests/app/program_tests; do
    "$build/$program" --gtest_brief=1
done
