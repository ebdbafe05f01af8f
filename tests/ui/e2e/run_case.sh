#!/usr/bin/env bash
# Runs one end-to-end case of tarnwick-drive in a fresh folder and checks it.
#   run_case.sh DRIVER EXAMPLES CASE
# CASE.drive is the script (@EXAMPLES@ stands for the examples folder);
# CASE.setup, if present, is run first in the folder (to write data files);
# CASE.check is sourced afterwards with the helpers below.
set -u
driver=$1
examples=$2
case_path=$3
name=$(basename "$case_path")

work=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-e2e-$name.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
[ -f "$case_path.setup" ] && source "$case_path.setup"
sed "s|@EXAMPLES@|$examples|g" "$case_path.drive" >script.drive
"$driver" script.drive >stdout.txt 2>stderr.txt
rc=$?

failures=0
fail() {
    echo "FAIL [$name]: $*"
    failures=$((failures + 1))
}
expect_rc() { [ "$rc" -eq "$1" ] || fail "exit status $rc, expected $1 (stderr: $(cat stderr.txt))"; }
# A line of standard output, exactly.
expect_out() { grep -qxF -- "$1" stdout.txt || fail "no output line: $1"; }
expect_out_count() {
    local n
    n=$(grep -cF -- "$1" stdout.txt)
    [ "$n" -eq "$2" ] || fail "output has $n lines with '$1', expected $2"
}
expect_err() { grep -qF -- "$1" stderr.txt || fail "stderr lacks: $1 (stderr: $(cat stderr.txt))"; }
expect_file() { [ -s "$1" ] || fail "missing or empty file: $1"; }
expect_no_file() { [ ! -e "$1" ] || fail "file should not exist: $1"; }
# A whole line of a file (CR LF line ends ignored), exactly.
expect_line() { tr -d '\r' <"$1" | grep -qxF -- "$2" || fail "$1 lacks line: $2"; }
expect_no_line() { ! tr -d '\r' <"$1" | grep -qxF -- "$2" || fail "$1 has line: $2"; }
expect_contains() { grep -qF -- "$2" "$1" || fail "$1 lacks: $2"; }
expect_lines() {
    local n
    n=$(wc -l <"$1")
    [ "$n" -eq "$2" ] || fail "$1 has $n lines, expected $2"
}
expect_crlf() { [ "$(grep -c $'\r$' "$1")" -eq "$(wc -l <"$1")" ] || fail "$1 is not all CR LF"; }

source "$case_path.check"
if [ "$failures" -ne 0 ]; then
    echo "--- stdout"; cat stdout.txt; echo "--- stderr"; cat stderr.txt
    exit 1
fi
echo "ok [$name]"
