#!/usr/bin/env bash
# Builds both presets and runs every test: the native suite through CTest,
# the checks of the Windows build, then the Windows programs under Wine on a
# virtual display: the Win32 proofs and the end-to-end scripts against the
# real plug-in. Screenshots and logs go to artifacts/ (git-ignored).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need-packages.sh build-essential cmake ninja-build googletest libgtest-dev libgmock-dev \
  libbenchmark-dev mingw-w64 binutils-mingw-w64-x86-64 wine wine64 xvfb x11-apps imagemagick

cmake --preset native
cmake --build --preset native
ctest --preset native -j"$(nproc)"

cmake --preset windows
cmake --build --preset windows
scripts/check-windows-build.sh build/windows

# Both Wine checks run, so that both leave their artefacts.
status=0
scripts/check-win32-ui.sh build/windows artifacts/win32-ui || status=1
scripts/check-wine-e2e.sh build/windows artifacts/wine-e2e || status=1
exit "$status"
