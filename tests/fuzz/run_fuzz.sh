#!/usr/bin/env bash
# Builds the fuzz targets with clang in build/fuzz and runs them through
# ctest, sharing FUZZ_BUDGET_SECONDS (default 240) evenly, or each for
# FUZZ_SECONDS when that is set. New corpus inputs stay in
# build/fuzz/tests/fuzz/corpus; a crashing input is written to the build
# directory and named in the output: copy it to tests/fuzz/regressions/.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build/fuzz}"
budget="${FUZZ_BUDGET_SECONDS:-240}"
seconds="${FUZZ_SECONDS:-0}"

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARNWICK_WITH_FUZZ=ON -DTARNWICK_WITH_UI=OFF -DTARNWICK_WITH_BENCH=OFF \
    -DFUZZ_BUDGET_SECONDS="$budget" -DFUZZ_SECONDS="$seconds" >/dev/null
cmake --build "$build" --target fuzz_targets -j2
cd "$build/tests/fuzz"
# One fuzzer a core: each target runs alone for its share.
ctest --test-dir "$build" -L fuzz --output-on-failure -j"$(nproc)"
