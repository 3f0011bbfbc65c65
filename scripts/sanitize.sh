#!/usr/bin/env bash
# Builds the model, the report and the painters again with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-sanitize/) and runs the model, analysis, design-file, report and
# design-corpus tests there; any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPH_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)" --target model_tests analysis_tests tools_tests render_tests zepharin-report
cd build-sanitize
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$(pwd)/../scripts/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
./tests/model_tests --gtest_brief=1
./tests/analysis_tests --gtest_brief=1
./tests/tools_tests --gtest_brief=1
# A sample of the mutations: the full 100,000 run in the normal build.
ZEPH_MUTATIONS=8000 ./tests/render_tests --gtest_brief=1
