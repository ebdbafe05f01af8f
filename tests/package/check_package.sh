#!/usr/bin/env bash
# Builds the Debian package and checks it as a user would meet it: its file
# list and metadata, and, unpacked into a temporary root, its programs, menu
# entry, AppStream metadata and manual pages.
#   tests/package/check_package.sh [BUILD_DIR]   (BUILD_DIR as for scripts/package.sh)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^project(tarnwick .*VERSION \([0-9.]*\)).*/\1/p' "$root/CMakeLists.txt")
deb=$("$root/scripts/package.sh" "$@" | tail -n 1) || { echo "FAIL: the package was not made"; exit 1; }

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
[ "$(basename "$deb")" = "tarnwick_${version}_amd64.deb" ] || fail "package named $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for path in /usr/bin/tarnwick /usr/bin/tarnwick-batch /usr/bin/tarnwick-import \
            /usr/share/tarnwick/examples/lake_stations.txt \
            /usr/share/applications/tarnwick.desktop \
            /usr/share/icons/hicolor/scalable/apps/tarnwick.svg \
            /usr/share/icons/hicolor/256x256/apps/tarnwick.png \
            /usr/share/metainfo/org.tarnwick.tarnwick.metainfo.xml \
            /usr/share/man/man1/tarnwick.1.gz /usr/share/man/man1/tarnwick-batch.1.gz \
            /usr/share/man/man1/tarnwick-import.1.gz; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
# The development driver stays out of the package.
grep -q 'tarnwick-drive' <<<"$contents" && fail "the package holds tarnwick-drive"

info=$(dpkg-deb -I "$deb")
field() { sed -n "s/^ $1: //p" <<<"$info"; }
[ "$(field Package)" = tarnwick ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), project says $version"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
for lib in libqt6widgets6 libqt6svg6 libquazip1-qt6 libssl3 libc6 qt6-qpa-plugins; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
# Version bounds come from the shared libraries' symbols files.
grep -q 'libc6 (>= ' <<<"$depends" || fail "Depends has no version bound on libc6: $depends"

unpacked=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-package.XXXXXX")
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
bin=$unpacked/usr/bin
for program in tarnwick tarnwick-batch tarnwick-import; do
    [ "$("$bin/$program" --version)" = "$program (TARNWICK) $version" ] ||
        fail "$program --version says: $("$bin/$program" --version 2>&1)"
done
"$bin/tarnwick" --help | grep -q '^Usage: tarnwick \[FILE\]' || fail "tarnwick --help shows no usage"
"$bin/tarnwick" --no-such-option 2>/dev/null
[ $? -eq 2 ] || fail "tarnwick accepts an unknown option"
work=$unpacked/run
mkdir -p "$work"
(cd "$work" && "$bin/tarnwick-batch" --quiet --seed 7 --measure bray-curtis --transform sqrt \
    --report report.txt "$unpacked/usr/share/tarnwick/examples/lake_stations.txt") ||
    fail "the unpacked tarnwick-batch could not run the lake example"
grep -q "The data were square-root-transformed" "$work/report.txt" 2>/dev/null ||
    fail "the unpacked run wrote no report"
[ -s "$work/CLUSTER.LST" ] && [ -s "$work/SIGLIST.TXT" ] || fail "the unpacked run wrote no lists"

desktop-file-validate "$unpacked/usr/share/applications/tarnwick.desktop" | grep -v '^.*: hint: ' &&
    fail "desktop-file-validate found faults"
appstreamcli validate --no-net --pedantic \
    "$unpacked/usr/share/metainfo/org.tarnwick.tarnwick.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net --pedantic \
        "$unpacked/usr/share/metainfo/org.tarnwick.tarnwick.metainfo.xml")"
for page in "$unpacked"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man -l $(basename "$page"): $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q 'SEE ALSO' ||
        fail "$(basename "$page") has no SEE ALSO section"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of $(basename "$deb") failed"
    exit 1
fi
echo "ok $(basename "$deb")"
