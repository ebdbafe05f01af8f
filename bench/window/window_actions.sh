#!/usr/bin/env bash
# Times what a user waits for in the windows on large runs, through
# tarnwick-drive: the observed run (Form3 CONTINUE), the test with the
# results window's filling (Form4 Continue), Stop until its result shows, and
# Finish. Two sessions: 2,000 groups of two stations, and 10,000 single
# stations (9,999 linkages in the grid).
#
#   bench/window/window_actions.sh [BUILD_DIR]
#
# Prints one line per timed action: session, script line, action, ms.
set -eu
build=${1:-build}
driver=$(realpath "$build/bin/tarnwick-drive")
work=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-window-actions.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# STATIONS SPECIES GROUP_SIZE FILE: abundances from five communities.
write_data() {
    python3 - "$@" <<'PY'
import random, sys
stations, species, size, path = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
rng = random.Random(7)
with open(path, "w", newline="") as f:
    f.write('"Window actions benchmark"\r\n%d, %d\r\n"STATION"' % (stations, species))
    f.write("".join(',"S%d"' % j for j in range(1, species + 1)) + "\r\n")
    for i in range(stations):
        home = (i // size) % 5
        row = [int(rng.gammavariate(2.0, 4.0 if j % 5 == home else 1.0)) for j in range(species)]
        f.write('"T%d" %s\r\n' % (i + 1, " ".join(map(str, row))))
    if size > 1:
        f.write("%d\r\n%s\r\n" % (stations // size, " ".join([str(size)] * (stations // size))))
    else:
        f.write("0\r\n")
PY
}

# NAME DATA MEASURE STOP_AFTER [ANSWER]
session() {
    local name=$1 data=$2 measure=$3 stop_after=$4
    cat >"$name.drive" <<DRIVE
seed 5
answer-all yes
click Form1.Command1
set Form2.Text1 $data
set Form2.Text2 $name.report.txt
set Form2.savelinks 0
tick Form2.CheckData
click Form2.Command1
choose Form3.RESMX[$measure]
choose Form3.LINK_METH[4]
set Form3.Text1 10
click Form3.Command1
stop-test-after $stop_after
click Form4.Command1
dump-grid $name.grid.tsv
click FORM5.Command1
DRIVE
    rm -f "$name.times"
    TARNWICK_DRIVE_TIMES="$name.times" "$driver" "$name.drive" >"$name.out" 2>"$name.err" || {
        echo "$name: tarnwick-drive failed" >&2
        cat "$name.err" >&2
        exit 1
    }
    grep -E "Form3.Command1|Form4.Command1|stop to result|FORM5.Command1" "$name.times" |
        sed "s/^/$name\t/"
    echo "$name	grid rows	$(($(wc -l <"$name.grid.tsv") - 1))"
}

write_data 4000 30 2 groups2000.txt
write_data 10000 50 1 stations10000.txt
session groups2000 groups2000.txt 1 200
session stations10000 stations10000.txt 0 20
