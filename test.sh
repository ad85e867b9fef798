#!/usr/bin/env bash
# Builds Tessaly and runs every test: the unit tests with GCC in build/, then the fuzz targets with
# clang in build-fuzz/. Exits non-zero when a build or any test fails.
set -euo pipefail
cd "$(dirname "$0")"

bash tools/ensure_packages.sh

failed=()

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure --no-tests=error -j2 || failed+=("unit tests")

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_FUZZ=ON
cmake --build build-fuzz -j2
ctest --test-dir build-fuzz --output-on-failure --no-tests=error || failed+=("fuzz tests")

if ((${#failed[@]})); then
    echo "test.sh: failed: ${failed[*]}" >&2
    exit 1
fi
