#!/usr/bin/env bash
# Peak memory of whole command-line runs. Prints the maximum resident set size in MB of each:
#   - a 600 x 600 photo-like picture made into a chart with every output written; the aim is at most 100 MB;
#   - the sample picture made into a 200 x 200 cell chart workbook (.xlsx), whose six sheets are written
#     cell by cell; the aim is under 150 MB.
#
#   bench/peak_memory.sh [BUILD_DIR]     (default: build; needs tessaly-cli and tessaly_bench_picture)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
cli=$build/bin/tessaly-cli
writer=$build/bin/tessaly_bench_picture
for program in "$cli" "$writer"; do
    if [[ ! -x $program ]]; then
        echo "peak_memory.sh: $program is missing; build it first (cmake --build $build -j2)" >&2
        exit 1
    fi
done
if [[ ! -x /usr/bin/time ]]; then
    echo "peak_memory.sh: /usr/bin/time is missing (apt-get install time)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$writer" "$work/photo.png"
/usr/bin/time -v -o "$work/time.txt" "$cli" chart "$work/photo.png" \
    --codes "$work/codes.csv" --key "$work/key.csv" --png "$work/chart.png" --icon "$work/icon.png" \
    --json > "$work/chart.json"

peak() { awk -F: -v what="$1" '/Maximum resident set size/ { printf "peak memory, %s: %.1f MB\n", what, $2 / 1024 }' "$2"; }
peak "chart of every output" "$work/time.txt"

/usr/bin/time -v -o "$work/time-xlsx.txt" "$cli" chart samples/garden.png --cells 200x200 --xlsx "$work/chart.xlsx" \
    > /dev/null
peak "200 x 200 workbook" "$work/time-xlsx.txt"
