#!/usr/bin/env bash
# Takes the README's pictures: the dendrogram window (both views) and the
# results window on made-up surveys of 5, 50 and 225 stations; the clusters
# view of 2,000 stations, in the window and as a saved figure; and the "What
# makes each cluster" window on surveys of 5, 50 and 2,000 stations.
#   scripts/screenshots.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$here/build}")
out=$here/docs/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
cd "$work"

# N GROUPS: writes surveyN.txt and prints a session's opening lines, which
# read it with Bray-Curtis and leave the rest to the caller.
opening() {
    [ -f "survey$1.txt" ] || /usr/bin/python3 "$here/scripts/make_survey.py" "$1" "$2" "$1" >"survey$1.txt"
    cat <<DRIVE
seed 3
answer-all yes
click Form1.Command1
set Form2.Text1 $work/survey$1.txt
set Form2.Text2 report$1.txt
tick Form2.CheckData
click Form2.Command1
choose Form3.RESMX[1]
DRIVE
}

# NAME: runs the session NAME.drive.
drive() { QT_QPA_PLATFORM=offscreen "$build/bin/tarnwick-drive" "$1.drive" >/dev/null; }

for n in 5 50 225; do
    { opening "$n" 2; cat <<DRIVE; } >"shots$n.drive"
click Form3.Command1
grab Form4 $out/dendrogram_design_$n.png
click Form4.Command1
tick Form4.PublicationView
grab Form4 $out/dendrogram_named_$n.png
grab FORM5 $out/results_window_$n.png
DRIVE
    drive "shots$n"
done

{ opening 2000 1; cat <<DRIVE; } >shots2000.drive
click Form3.Command1
click Form4.Command1
click Form4.FigureOptions
tick Form4.FigureClusters
click Form4.FigureOptionsOk
grab Form4 $out/dendrogram_clusters_2000.png
click Form4.FigureOptions
choose Form4.FigureLeaves[1]
set Form4.FigureTipNames 3
click Form4.FigureOptionsOk
save-picture $out/figure_clusters_2000.svg
DRIVE
drive shots2000

for n in 5 50 2000; do
    rm -f "survey$n.txt"
    { opening "$n" 2; cat <<DRIVE; } >"explain$n.drive"
set Form3.Text1 20
click Form3.Command1
click Form4.Command1
click FORM5.ExplainClusters
grab ExplainWindow $out/explain_window_$n.png
DRIVE
    drive "explain$n"
done
