#!/usr/bin/env bash
# How close charts come to the picture, as a person sees it, against the pipeline a user could script
# with ImageMagick: scale to the chart's cells, quantise to N colours, map each to the nearest DMC
# thread without dither. The measure is the mean CIEDE2000 between each chart cell's colour and the
# picture box-averaged to that cell, at 20 and 45 colours, on photographs and drawings of Debian's
# packages (mate-backgrounds, ukui-wallpapers), each scaled to 1000 pixels on its longer side and
# charted with cells of 5 x 5 pixels (200 cells on the longer side).
#
#   bench/appearance_vs_imagemagick.sh [BUILD_DIR] [SIDE_BY_SIDE_PICTURE]    (default: build)
#
# Prints a Markdown table per colour count (bench/appearance_quality.md keeps the last run's), and
# with a second argument writes the side-by-side picture of the first photograph at 45 colours.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/ensure_packages.sh imagemagick mate-backgrounds ukui-wallpapers > /dev/null

build=${1:-build}
side_by_side=${2:-}
quality=$build/bin/tessaly_appearance_quality
# Called by its full name: another program called convert may come first on PATH.
magick=/usr/bin/convert-im6.q16
if [[ ! -x $quality ]]; then
    echo "appearance_vs_imagemagick.sh: $quality is missing (build first)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mate=/usr/share/backgrounds/mate
ukui=/usr/share/backgrounds
pictures=(
    "$mate/nature/GreenMeadow.jpg" "$mate/nature/FreshFlower.jpg" "$mate/nature/Storm.jpg" "$mate/nature/Aqua.jpg"
    "$mate/nature/Dune.jpg" "$mate/nature/Garden.jpg" "$mate/nature/LadyBird.jpg" "$mate/nature/TwoWings.jpg"
    "$mate/nature/YellowFlower.jpg" "$mate/nature/Wood.jpg" "$mate/abstract/Elephants.jpg"
    "$ukui/calla.png" "$ukui/goldfish.png" "$ukui/the-mouse.jpg"
)
cell=5
side=1000

bash bench/thread_palette.sh "$work/threads.png"

for colours in 20 45; do
    echo
    echo "### $colours colours"
    echo
    echo "| Picture | Cells | Usual | Usual, carried | ImageMagick | Look | Look, carried | Nearest thread (floor) | Look / ImageMagick |"
    echo "|---|---|---|---|---|---|---|---|---|"
    rows=()
    for source in "${pictures[@]}"; do
        name=$(basename "$source")
        "$magick" "$source" -resize "${side}x${side}" "$work/scaled.png"
        read -r width height < <("$magick" identify -format '%w %h\n' "$work/scaled.png" 2>/dev/null ||
                                 identify -format '%w %h\n' "$work/scaled.png")
        columns=$((width / cell))
        down=$((height / cell))
        "$magick" "$work/scaled.png" -crop "$((columns * cell))x$((down * cell))+0+0" +repage "$work/picture.png"
        "$magick" "$work/picture.png" -filter box -resize "${columns}x${down}!" -colors "$colours" +dither \
            -remap "$work/threads.png" "$work/other.png"
        extra=()
        if [[ -n $side_by_side && $colours == 45 && ${#rows[@]} == 0 ]]; then extra=("$side_by_side"); fi
        line=$("$quality" "$work/picture.png" "$cell" "$colours" "$work/other.png" "${extra[@]}")
        rows+=("$line")
        echo "$name ${columns}x${down} $line" | awk '{
            note = ""; for (i = 9; i <= NF; i++) note = note " (" $i ")"
            printf "| %s | %s | %.2f%s | %.2f | %.2f | %.2f | %.2f | %.2f | %.3f |\n", $1, $2, $3, note, $4, $5, $6, $7, $8, $6 / $5 }'
    done
    printf '%s\n' "${rows[@]}" | awk '{ for (i = 1; i <= 6; i++) s[i] += $i; r = $4 / $3; if (r > worst) worst = r; n++ }
        END { printf "| **Mean** | | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.3f |\n", s[1]/n, s[2]/n, s[3]/n, s[4]/n, s[5]/n, s[6]/n, s[4]/s[3]
              printf "\nLook against ImageMagick: mean %.3f (aim at most 0.9), worst picture %.3f (aim at most 1.02).\n", s[4]/s[3], worst }'
done
