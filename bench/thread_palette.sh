#!/usr/bin/env bash
# Writes the DMC threads as a picture of one pixel per colour, the palette ImageMagick's -remap maps
# a picture onto, from cfg/DMC.txt (code, name, red, green, blue, ... separated by TABs).
#
#   bench/thread_palette.sh OUT.png
set -euo pipefail
cd "$(dirname "$0")/.."
out=$1
awk -F'\t' 'NF >= 5 { colours[n++] = $3 " " $4 " " $5 }
            END { printf "P3\n%d 1\n255\n", n; for (i = 0; i < n; i++) print colours[i] }' cfg/DMC.txt |
    /usr/bin/convert-im6.q16 ppm:- "$out"
