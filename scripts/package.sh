#!/usr/bin/env bash
# Makes build/package/tarnwick_VERSION_amd64.deb: tarnwick, tarnwick-batch
# and tarnwick-import, the examples, the menu entry, the icon, the AppStream
# metadata and the manual pages, depending on Debian's runtime libraries.
#   scripts/package.sh [BUILD_DIR]
# Without BUILD_DIR it builds a Release tree in build/release. The test
# command passes its own optimised tree instead, so that nothing is built
# twice; the package's programs are stripped either way.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ge 1 ]; then
    tree=$(cd "$1" && pwd)
    cmake -S "$root" -B "$tree" >/dev/null
else
    tree=$root/build/release
    cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DTARNWICK_WITH_BENCH=OFF >/dev/null
fi
cmake --build "$tree" -j"$(nproc)" --target tarnwick tarnwick-batch tarnwick-import man_pages

out=$root/build/package
mkdir -p "$out"
rm -f "$out"/tarnwick_*.deb
(cd "$tree" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls "$out"/tarnwick_*_amd64.deb
