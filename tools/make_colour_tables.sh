#!/usr/bin/env bash
# Rebuilds cfg/DMC.txt and cfg/icon.txt from the colour data sheets.
#
#   tools/make_colour_tables.sh [DATA_DIR]
#
# DATA_DIR holds dmc_floss.tsv and icon16.tsv (header line, then code, name, R, G, B, already in
# descending R+G+B order); it defaults to ../shared/data beside the repository.
# Each output line is "code TAB name TAB R TAB G TAB B TAB sum TAB" with CRLF line ends, in the
# Japanese Windows code page, which is what the colour-table loader reads.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
data=${1:-$repo/../shared/data}
cfg=$repo/cfg

make_table() {
    local source=$1 target=$2 expected=$3
    if [[ ! -r $source ]]; then
        echo "make_colour_tables: cannot read $source" >&2
        return 1
    fi
    local tmp
    tmp=$(mktemp)
    # The sheets are UTF-8; strip a stray CR so that a sheet saved with CRLF gives the same table.
    awk -F'\t' -v expected="$expected" '
        { sub(/\r$/, "") }
        NR == 1 { next }
        NF < 5 { printf "line %d: expected 5 fields, got %d\n", NR, NF > "/dev/stderr"; bad = 1; next }
        {
            sum = $3 + $4 + $5
            if (rows > 0 && sum > previous) {
                printf "line %d: not in descending R+G+B order\n", NR > "/dev/stderr"; bad = 1
            }
            previous = sum
            rows++
            printf "%s\t%s\t%d\t%d\t%d\t%d\t\r\n", $1, $2, $3, $4, $5, sum
        }
        END {
            if (rows != expected) { printf "expected %d rows, got %d\n", expected, rows > "/dev/stderr"; bad = 1 }
            exit bad
        }' "$source" | iconv -f UTF-8 -t CP932 > "$tmp" || {
        echo "make_colour_tables: $source is not usable" >&2
        rm -f "$tmp"
        return 1
    }
    mv "$tmp" "$target"
    chmod 644 "$target"
    echo "wrote $target ($expected colours)"
}

mkdir -p "$cfg"
make_table "$data/dmc_floss.tsv" "$cfg/DMC.txt" 455
make_table "$data/icon16.tsv" "$cfg/icon.txt" 16
