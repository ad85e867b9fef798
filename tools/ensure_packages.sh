#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tessaly need, and any more named as
# arguments, only those that are missing, so that run.sh, test.sh and the benchmarks can call it every time.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev
    libqt6gui6                 # the JPEG reader plugin (libqjpeg.so) and the offscreen platform
    qt6-image-formats-plugins
    libjpeg62-turbo-dev libpng-dev   # JPEGs and plain PNGs are decoded straight into the bitmap
    libicu-dev                 # dates with the Japanese era
    libxlsxwriter-dev          # chart workbooks: writing
    liborcus-dev liborcus-spreadsheet-model-0.17-0 libixion-dev libboost-dev   # and reading them back
    libzip-dev                 # with each part's size checked before it is inflated
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev   # the fuzzers: libFuzzer and the sanitizers
    fonts-ipafont-gothic       # Japanese text in the window
    time                       # bench/peak_memory.sh measures the peak memory of a run
    dpkg-dev                   # cpack -G DEB works the packages' Depends out with dpkg-shlibdeps
    "$@"                       # what the caller needs besides, such as a benchmark's tools
)
# Installed without their recommended packages: with them LibreOffice brings some 300 MB more
# (Java, the other office programs) that printing a workbook to PDF does not use.
lean_packages=(
    libreoffice-calc           # tests/excel: the exported workbook must open and print in LibreOffice
    poppler-utils              # and pdfinfo counts the pages it printed
    fonts-crosextra-carlito    # in the workbook's font's widths, so that chart cells print square
)

missing_of() {
    local package status
    for package in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [[ $status == "install ok installed" ]] || echo "$package"
    done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_lean < <(missing_of "${lean_packages[@]}")
((${#missing[@]} + ${#missing_lean[@]})) || exit 0

as_root=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "Missing packages (${missing[*]}); run as root to install them." >&2; exit 1; }
    as_root=(sudo)
fi
echo "Installing ${missing[*]} ${missing_lean[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
if ((${#missing[@]})); then
    "${as_root[@]}" apt-get install -y "${missing[@]}"
fi
if ((${#missing_lean[@]})); then
    "${as_root[@]}" apt-get install -y --no-install-recommends "${missing_lean[@]}"
fi
