#!/usr/bin/env bash
# Takes the pictures of the "What makes each cluster" window, on made-up
# surveys of 5, 50 and 2,000 replicated stations (the README shows the 50).
#   scripts/explain_screenshots.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
out=$here/docs/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
cd "$work"
for n in 5 50 2000; do
    /usr/bin/python3 "$here/scripts/make_survey.py" "$n" 2 "$n" >"survey$n.txt"
    cat >"shots$n.drive" <<DRIVE
seed 3
click Form1.Command1
set Form2.Text1 $work/survey$n.txt
set Form2.Text2 report$n.txt
tick Form2.CheckData
click Form2.Command1
choose Form3.RESMX[1]
set Form3.Text1 20
click Form3.Command1
click Form4.Command1
click FORM5.ExplainClusters
grab ExplainWindow $out/explain_window_$n.png
DRIVE
    QT_QPA_PLATFORM=offscreen "$build/bin/tarnwick-drive" "shots$n.drive" >/dev/null
done
