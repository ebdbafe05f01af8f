#!/usr/bin/env bash
# Builds everything and runs every test: the program and driver into build/,
# the test suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# build/sanitize/, then CTest. Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON \
      -DTARNWICK_WITH_BENCH=OFF >/dev/null
cmake --build build/sanitize -j"$jobs"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/sanitize --output-on-failure -j"$jobs" --timeout 600
