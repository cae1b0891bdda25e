#!/usr/bin/env bash
# The main job: runs the plug-in's wizard headless through its StartIF, as a
# host would, on the simulated NC's built-in machine: the typical request (a
# new project "Demo", machine type 1, the time-constant programs of $1-X),
# printing each page and the files written. The data folder is
# demo-output/data, emptied first, so the user's own settings are not
# touched.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need-packages.sh build-essential cmake ninja-build googletest libgtest-dev libgmock-dev libbenchmark-dev

cmake --preset native >/dev/null
cmake --build --preset native --target pathforge
rm -rf demo-output/data
export XDG_DATA_HOME="$PWD/demo-output/data"
build/native/tools/pathforge/pathforge wizard
