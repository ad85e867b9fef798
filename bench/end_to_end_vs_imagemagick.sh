#!/usr/bin/env bash
# Whole command-line runs against ImageMagick on the same pictures, side by side in one run:
#   start-up:  `tessaly-cli --help` against `convert -version` (the aim: at most 1.5 times as long);
#   a chart:   `tessaly-cli chart PHOTO --png OUT` against ImageMagick scaling the photograph to 200
#              cells and mapping it onto the 455 DMC colours without dithering (the aim: at most half
#              as long), on each photograph.
#
#   bench/end_to_end_vs_imagemagick.sh [BUILD_DIR] [RUNS]    (defaults: build, 30)
#
# The photographs come from Debian's packages, as shipped where they are 0.5 to 2 megapixels:
#   GreenMeadow.jpg, 1280 x 1024, and FreshFlower.jpg, 1600 x 1203 (mate-backgrounds);
#   Storm.jpg (mate-backgrounds), cut to its centre and scaled to 1411 x 1411;
#   string.jpg (ukui-wallpapers), which carries an embedded colour profile, scaled to 1200 x 791 with
#   the profile kept.
# Times are hyperfine's medians.
set -euo pipefail
cd "$(dirname "$0")/.."

# The comparison program and the photographs are needed only here, not to build or test.
bash tools/ensure_packages.sh imagemagick hyperfine mate-backgrounds ukui-wallpapers

build=${1:-build}
runs=${2:-30}
cli=$build/bin/tessaly-cli
# Called by its full name: another program called convert may come first on PATH.
magick=/usr/bin/convert-im6.q16
if [[ ! -x $cli ]]; then
    echo "end_to_end_vs_imagemagick.sh: $cli is missing (build first)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mate=/usr/share/backgrounds/mate/nature
cp "$mate/GreenMeadow.jpg" "$work/meadow.jpg"
cp "$mate/FreshFlower.jpg" "$work/flower.jpg"
"$magick" "$mate/Storm.jpg" -gravity center -crop 1280x1280+0+0 +repage -resize 1411x1411 -quality 90 "$work/storm.jpg"
# Its XMP block draws a warning from ImageMagick that says nothing of the pixels.
"$magick" /usr/share/backgrounds/string.jpg -resize 1200x791 -quality 90 "$work/string.jpg" 2>/dev/null

bash bench/thread_palette.sh "$work/palette.png"

# The median of each command, in milliseconds, one line each.
medians() {
    hyperfine -N --warmup 3 --runs "$runs" --style none --export-csv "$work/times.csv" "$@" > /dev/null
    awk -F, 'NR > 1 { printf "%.2f\n", $4 * 1000 }' "$work/times.csv"
}

report() {
    local name=$1 ours=$2 theirs=$3 aim=$4
    awk -v n="$name" -v a="$ours" -v b="$theirs" -v aim="$aim" 'BEGIN {
        r = a / b
        printf "%-38s %9.2f ms %9.2f ms %7.2f   %s (aim: at most %s)\n", n, a, b, r, r <= aim ? "met" : "NOT MET", aim }'
}

printf "%-38s %12s %12s %7s\n" "" "tessaly-cli" "ImageMagick" "ratio"
mapfile -t start < <(medians "$cli --help" "$magick -version")
report "start-up (--help / -version)" "${start[0]}" "${start[1]}" 1.5
for photo in meadow flower storm string; do
    size=$(identify -format '%wx%h' "$work/$photo.jpg" 2>/dev/null)
    [[ $photo == string ]] && size+=", colour profile"
    mapfile -t chart < <(medians "$cli chart $work/$photo.jpg --png $work/chart.png" \
                                 "$magick $work/$photo.jpg -resize 200x200 +dither -remap $work/palette.png $work/remapped.png")
    report "chart $photo ($size)" "${chart[0]}" "${chart[1]}" 0.5
done
