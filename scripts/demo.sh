#!/usr/bin/env bash
# The main job: generates the demo project of examples/demo.job and lists the
# files written. Output goes below demo-output/ (the data folder is kept there
# too, so the user's own settings are not touched).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need-packages.sh build-essential cmake ninja-build googletest libgtest-dev libgmock-dev libbenchmark-dev

cmake --preset native >/dev/null
cmake --build --preset native --target pathforge
export XDG_DATA_HOME="$PWD/demo-output/data"
build/native/tools/pathforge/pathforge generate examples/demo.job
