#!/usr/bin/env bash
# Builds TARNWICK into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tarnwick
exec build/bin/tarnwick "$@"
