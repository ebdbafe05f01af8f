#!/usr/bin/env bash
# Checks the formatting of every source file, then builds everything and
# runs every test: the program, the driver and the benchmarks into build/,
# and the Debian package from them into build/package/;
# the test suite with AddressSanitizer and UndefinedBehaviorSanitizer, every
# warning an error, into build/sanitize/; the threaded stages' tests with
# ThreadSanitizer into build/tsan/; the fuzz targets with clang into
# build/fuzz/. Then one end-to-end session under valgrind, the fuzz targets
# sharing FUZZ_BUDGET_SECONDS (default 120, one core each at a time), and
# the whole suite through CTest.
# Exits non-zero when any of it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs="$(nproc)"

echo "== formatting (clang-format, .clang-format)"
scripts/check-format.sh

# The optimised tree: the program, its tools and the benchmarks, and the one
# test executable run under valgrind below. Every test runs in the sanitizer
# build.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" --target programs test_e2e

echo "== the Debian package, made from that tree"
tests/package/check_package.sh build

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON \
      -DTARNWICK_WITH_BENCH=OFF -DTARNWICK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build/sanitize -j"$jobs"

# ThreadSanitizer over the three stages that run on several threads: the
# resemblance rows (their tests are in test_performance), the bootstrap
# replicates and the similarity profile's permutations. Only those test
# executables are built.
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_TSAN=ON \
      -DTARNWICK_WITH_UI=OFF -DTARNWICK_WITH_BENCH=OFF -DTARNWICK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build/tsan -j"$jobs" --target test_performance test_bootstrap test_simprof

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== the threaded stages under ThreadSanitizer"
tsan() { TSAN_OPTIONS=halt_on_error=1 TARNWICK_EXAMPLES="$PWD/examples" "build/tsan/bin/$@" --gtest_brief=1; }
tsan test_performance --gtest_filter='ParallelResemblance.*'
tsan test_bootstrap
tsan test_simprof

echo "== one whole session under valgrind"
valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
         build/bin/test_e2e --gtest_brief=1 --gtest_filter='GoldenRun.*'

echo "== fuzzing, ${FUZZ_BUDGET_SECONDS:-120} s shared by the targets"
FUZZ_BUDGET_SECONDS="${FUZZ_BUDGET_SECONDS:-120}" tests/fuzz/run_fuzz.sh

echo "== the test suite (ASan + UBSan)"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs" --timeout 600
