#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the tests and the
# benchmarks need and this machine lacks. Safe to run again.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libgmock-dev qt6-base-dev qt6-svg-dev libgl-dev libssl-dev
          xvfb xauth clang clang-format libclang-rt-14-dev valgrind libquazip1-qt6-dev
          python3-scipy python3-biopython fonts-dejavu-core
          dpkg-dev desktop-file-utils appstream help2man man-db)
# fonts-dejavu-core: the face publication figures are measured in and drawn with.
# dpkg-dev, desktop-file-utils, appstream, help2man, man-db: the Debian package
# and its checks.
# python3-openpyxl only remakes the workbook test fixtures (tests/import/fixtures).
# R with vegan and labdsv is the reference for the pretreatment levels, the
# cluster explanations and the ordination (those tests are skipped without it).
optional=(python3-fastcluster python3-openpyxl r-base-core r-cran-vegan r-cran-labdsv)

missing=()
for p in "${packages[@]}" "${optional[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
export DEBIAN_FRONTEND=noninteractive
# The comparison packages are nice to have; the rest are required.
required=()
for p in "${missing[@]}"; do
  [[ " ${optional[*]} " == *" $p "* ]] || required+=("$p")
done
[ ${#required[@]} -eq 0 ] || $sudo apt-get install -y -qq "${required[@]}"
for p in "${missing[@]}"; do
  [[ " ${optional[*]} " == *" $p "* ]] && { $sudo apt-get install -y -qq "$p" || echo "optional $p not installed"; }
done
exit 0
