#!/usr/bin/env bash
# Runs the Win32 proof of a Windows build under Wine on a virtual display
# at 144 DPI (150 %), where every pixel size that the wizard sets itself
# must grow with the text, and counts its checks and screenshots. Builds
# nothing.
#
#   uiproof   the toolkit's Win32 backend, with the module's program wizard
#             and the simulated NC library (tools/uiproof/main.cpp)
#
#   scripts/check-win32-ui.sh [build folder] [screenshot folder]
#
# Defaults: build/windows and build/win32-ui-shots. The proof writes its
# screenshots there as BMP files; they become PNG files and stay as
# artefacts.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2
build=${1:-build/windows}
shots=${2:-build/win32-ui-shots}
proofs=(uiproof)
timeout_s=240

passed=0
failed=0
summary() {
  echo "win32 ui checks: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

for proof in "${proofs[@]}"; do
  if [ ! -f "$build/tools/uiproof/$proof.exe" ]; then
    echo "not ok - $build/tools/uiproof/$proof.exe exists (build the windows preset first)"
    failed=1
  fi
done
if [ "$failed" -ne 0 ]; then
  summary
  exit 1
fi
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots"/*.bmp
build=$(realpath "$build")
shots=$(realpath "$shots")

source scripts/wine-display.sh
# The wizard proof runs on the simulated NC's built-in machine.
unset OVXSIM_MACHINE
start_wine_display win32ui
# The prefix's data folder, where the wizard looks for its projects.
mkdir -p "$(wine_data_folder)"
wineserver -w

# The screen's DPI for each proof (the prefix's LogPixels, read at start).
declare -A dpis=([uiproof]=144)

# Runs one proof and counts its checks and screenshots.
run_proof() {
  local name=$1 exe="$build/tools/uiproof/$1.exe" status shot
  echo "# $name at ${dpis[$name]} DPI"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${dpis[$name]}" /f >/dev/null 2>&1
  wineserver -w
  timeout "$timeout_s" wine "$exe" --shots "Z:${shots//\//\\}" >"$work/$name.out" 2>"$work/$name.err"
  status=$?
  wineserver -w
  shots_to_png "$shots"

  tr -d '\r' <"$work/$name.out"
  passed=$((passed + $(tr -d '\r' <"$work/$name.out" | grep -c '^ok - ')))
  failed=$((failed + $(tr -d '\r' <"$work/$name.out" | grep -c '^not ok - ')))
  for shot in "$shots"/*.png; do
    [ -s "$shot" ] && passed=$((passed + 1))
  done
  if [ "$status" -ne 0 ] && ! grep -q '^not ok - ' <(tr -d '\r' <"$work/$name.out"); then
    echo "not ok - $name exited with status $status"
    sed 's/^/# /' "$work/$name.err"
    failed=$((failed + 1))
  fi
}

for proof in "${proofs[@]}"; do run_proof "$proof"; done
echo "# screenshots in $shots"
summary
