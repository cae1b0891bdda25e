#!/usr/bin/env bash
# Builds both presets and runs every test: the native suite through CTest,
# then the checks of the Windows build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need-packages.sh build-essential cmake ninja-build googletest libgtest-dev libgmock-dev \
  libbenchmark-dev mingw-w64 binutils-mingw-w64-x86-64 wine wine64

cmake --preset native
cmake --build --preset native
ctest --preset native -j"$(nproc)"

cmake --preset windows
cmake --build --preset windows
scripts/check-windows-build.sh build/windows
