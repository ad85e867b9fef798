#!/usr/bin/env bash
# A whole command-line chart run against ImageMagick doing the comparable work on the same picture:
# scaling a 1411 x 1411 photograph to 200 x 200 and mapping it onto the 455 DMC colours without
# dithering. The aim: tessaly-cli takes at most half of ImageMagick's time.
#
#   bench/end_to_end_vs_imagemagick.sh [BUILD_DIR] [RUNS]    (defaults: build, 30)
#
# The photograph is cut from the MATE desktop's Storm.jpg (package mate-backgrounds); without it, the
# benchmarks' photo-like picture is used. Times come from hyperfine when it is there, otherwise from
# the median of RUNS timed runs.
set -euo pipefail
cd "$(dirname "$0")/.."

# The comparison program and the photograph are needed only here, not to build or test.
bash tools/ensure_packages.sh imagemagick hyperfine mate-backgrounds

build=${1:-build}
runs=${2:-30}
cli=$build/bin/tessaly-cli
writer=$build/bin/tessaly_bench_picture
# Called by its full name: another program called convert may come first on PATH.
magick=/usr/bin/convert-im6.q16
photo=/usr/share/backgrounds/mate/nature/Storm.jpg
for program in "$cli" "$writer" "$magick"; do
    if [[ ! -x $program ]]; then
        echo "end_to_end_vs_imagemagick.sh: $program is missing (build first)" >&2
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [[ -r $photo ]]; then
    echo "picture: 1411 x 1411 cut from $photo"
    "$magick" "$photo" -gravity center -crop 1280x1280+0+0 +repage -resize 1411x1411 -quality 90 "$work/photo.jpg"
else
    echo "picture: the benchmarks' photo-like picture at 1411 x 1411 ($photo is missing)"
    "$writer" "$work/photo.png" 1411
    "$magick" "$work/photo.png" -quality 90 "$work/photo.jpg"
fi

# The palette: one pixel for each colour of cfg/DMC.txt (code, name, red, green, blue, ...).
awk -F'\t' 'NF >= 5 { colours[n++] = $3 " " $4 " " $5 }
            END { printf "P3\n%d 1\n255\n", n; for (i = 0; i < n; i++) print colours[i] }' cfg/DMC.txt > "$work/palette.ppm"
"$magick" "$work/palette.ppm" "$work/palette.png"

tessaly=("$cli" chart "$work/photo.jpg" --png "$work/chart.png")
imagemagick=("$magick" "$work/photo.jpg" -resize 200x200 +dither -remap "$work/palette.png" "$work/remapped.png")

if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 3 --runs "$runs" "${tessaly[*]}" "${imagemagick[*]}"
    exit 0
fi

median_ms() {
    local times=()
    for ((i = 0; i < runs; i++)); do
        local start end
        start=$(date +%s%N)
        "$@" > /dev/null
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}
echo "tessaly-cli: $(median_ms "${tessaly[@]}") ms (median of $runs)"
echo "ImageMagick: $(median_ms "${imagemagick[@]}") ms (median of $runs)"
