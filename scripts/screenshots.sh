#!/usr/bin/env bash
# Takes the README's pictures of the dendrogram window (both views) and the
# results window, on made-up surveys of 5, 50 and 225 stations, and of the
# clusters view of 2,000 stations, in the window and as a saved figure.
#   scripts/screenshots.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
out=$here/docs/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
cd "$work"
for n in 5 50 225; do
    /usr/bin/python3 "$here/scripts/make_survey.py" "$n" 2 "$n" >"survey$n.txt"
    cat >"shots$n.drive" <<DRIVE
seed 3
click Form1.Command1
set Form2.Text1 $work/survey$n.txt
set Form2.Text2 report$n.txt
tick Form2.CheckData
click Form2.Command1
choose Form3.RESMX[1]
click Form3.Command1
grab Form4 $out/dendrogram_design_$n.png
click Form4.Command1
tick Form4.PublicationView
grab Form4 $out/dendrogram_named_$n.png
grab FORM5 $out/results_window_$n.png
DRIVE
    QT_QPA_PLATFORM=offscreen "$build/bin/tarnwick-drive" "shots$n.drive" >/dev/null
done
/usr/bin/python3 "$here/scripts/make_survey.py" 2000 1 2000 >survey2000.txt
cat >shots2000.drive <<DRIVE
seed 3
answer-all yes
click Form1.Command1
set Form2.Text1 $work/survey2000.txt
set Form2.Text2 report2000.txt
tick Form2.CheckData
click Form2.Command1
choose Form3.RESMX[1]
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
QT_QPA_PLATFORM=offscreen "$build/bin/tarnwick-drive" shots2000.drive >/dev/null
