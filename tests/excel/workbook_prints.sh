#!/usr/bin/env bash
# The chart workbook of the sample picture at the largest chart, 200 × 200 cells, opens in
# LibreOffice and prints: converted to PDF, it gives the pages a person reads, at most 30 (the two
# charts in pages of 80 × 50 cells and the key), not hundreds of value pages. A workbook that
# LibreOffice refuses or finds damaged gives no PDF at all. Saved by LibreOffice in its own format,
# the workbook still reads back to the same chart.
#
#   workbook_prints.sh TESSALY_CLI SOURCE_CFG PICTURE
set -euo pipefail

cli=$1 cfg=$2 picture=$3
for program in libreoffice pdfinfo timeout; do
    command -v "$program" >/dev/null || { echo "workbook_prints.sh: $program is missing (tools/ensure_packages.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A private copy of the settings, and a profile of its own so that runs side by side do not share one.
cp -r "$cfg" "$work/cfg"

"$cli" chart "$picture" --cfg "$work/cfg" --cells 200x200 --xlsx "$work/chart.xlsx" >/dev/null

timeout 120 libreoffice -env:UserInstallation="file://$work/profile" --headless \
    --convert-to pdf --outdir "$work" "$work/chart.xlsx" >"$work/convert.log" 2>&1 || {
    echo "workbook_prints.sh: LibreOffice failed or took over 120 s:" >&2
    cat "$work/convert.log" >&2
    exit 1
}
if [[ ! -s $work/chart.pdf ]]; then
    echo "workbook_prints.sh: LibreOffice made no PDF of the workbook:" >&2
    cat "$work/convert.log" >&2
    exit 1
fi

pages=$(pdfinfo "$work/chart.pdf" | awk '/^Pages:/ { print $2 }')
echo "printed pages: ${pages:-none}"
if [[ ${pages:-0} -lt 1 || ${pages:-0} -gt 30 ]]; then
    echo "workbook_prints.sh: the workbook prints ${pages:-no} pages, not 1 to 30" >&2
    exit 1
fi

timeout 120 libreoffice -env:UserInstallation="file://$work/profile" --headless \
    --convert-to ods --outdir "$work" "$work/chart.xlsx" >"$work/convert.log" 2>&1
"$cli" read "$work/chart.xlsx" --cfg "$work/cfg" --codes "$work/written.csv"
"$cli" read "$work/chart.ods" --cfg "$work/cfg" --codes "$work/resaved.csv"
cmp "$work/written.csv" "$work/resaved.csv" || { echo "workbook_prints.sh: the .ods copy reads back otherwise" >&2; exit 1; }
