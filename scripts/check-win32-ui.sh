#!/usr/bin/env bash
# Runs the Win32 proofs of a Windows build under Wine on a virtual display,
# takes the screenshots they ask for, and counts their checks. Builds
# nothing.
#
#   uiproof       the toolkit's Win32 backend on the proof's own pages
#   wizardproof   the module's program wizard with the simulated NC library,
#                 on a screen of 144 DPI (150 %), where every pixel size that
#                 the wizard sets itself must grow with the text
#
#   scripts/check-win32-ui.sh [build folder] [screenshot folder]
#
# Defaults: build/windows and build/win32-ui-shots. A proof leaves
# "<name>.wanted" in the screenshot folder when its window is ready; this
# script answers with "<name>.png" (the display cut to the windows shown)
# and removes the marker. The screenshots stay in the folder as artefacts.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2
build=${1:-build/windows}
shots=${2:-build/win32-ui-shots}
proofs=(uiproof wizardproof)
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
rm -f "$shots"/*.png "$shots"/*.wanted
build=$(realpath "$build")
shots=$(realpath "$shots")

source scripts/wine-display.sh
# The wizard proof runs on the simulated NC's built-in machine.
unset OVXSIM_MACHINE
start_wine_display win32ui
# Two project folders in the prefix's data folder for the project page's list.
programs="$(wine_data_folder)/Program"
mkdir -p "$programs/Alpha" "$programs/beta"
wineserver -w

# The screen's DPI for each proof (the prefix's LogPixels, read at start).
declare -A dpis=([uiproof]=96 [wizardproof]=144)

# Runs one proof, answering its screenshot requests, and counts its checks.
run_proof() {
  local name=$1 exe="$build/tools/uiproof/$1.exe" proof status marker shot
  local deadline=$((SECONDS + timeout_s))
  local taken=()
  echo "# $name at ${dpis[$name]} DPI"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${dpis[$name]}" /f >/dev/null 2>&1
  wineserver -w
  wine "$exe" --shots "Z:${shots//\//\\}" >"$work/$name.out" 2>"$work/$name.err" &
  proof=$!
  while kill -0 "$proof" 2>/dev/null; do
    for marker in "$shots"/*.wanted; do
      [ -e "$marker" ] || continue
      shot=$(basename "$marker" .wanted)
      xwd -root -display ":$display" -silent | convert xwd:- -trim +repage "$shots/$shot.png"
      taken+=("$shot")
      rm -f "$marker"
    done
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "not ok - $name finished within $timeout_s s"
      failed=$((failed + 1))
      kill "$proof" 2>/dev/null
      break
    fi
    sleep 0.2
  done
  wait "$proof"
  status=$?
  wineserver -w

  tr -d '\r' <"$work/$name.out"
  passed=$((passed + $(tr -d '\r' <"$work/$name.out" | grep -c '^ok - ')))
  failed=$((failed + $(tr -d '\r' <"$work/$name.out" | grep -c '^not ok - ')))
  for shot in "${taken[@]}"; do
    if [ -s "$shots/$shot.png" ]; then
      passed=$((passed + 1))
    else
      echo "not ok - $shots/$shot.png was written"
      failed=$((failed + 1))
    fi
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
