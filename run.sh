#!/usr/bin/env bash
# Builds Tessaly and starts its window; without a display, makes a chart of the sample picture with
# the command line program instead.
set -euo pipefail
cd "$(dirname "$0")"

build() {
    bash tools/ensure_packages.sh
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j2
}

chart_sample() {
    mkdir -p out
    build/bin/tessaly-cli chart samples/garden.png --codes out/codes.csv --key out/key.csv \
        --png out/chart.png --icon out/icon.png --json > out/chart.json
}

report() {
    local dir
    dir=$(pwd)/out
    cat <<TEXT

Chart of samples/garden.png, in $dir:
  chart.png   the chart, every cell in its thread colour
  icon.png    the same chart at one pixel per cell
  codes.csv   the colour code of every cell
  key.csv     the colour key
  chart.json  a summary of the chart
TEXT
}

build
if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec build/bin/tessaly
fi
chart_sample
report
