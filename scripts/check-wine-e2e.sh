#!/usr/bin/env bash
# Runs the end-to-end wizard scripts (tests/e2e/*.script) against the real
# Windows plug-in under Wine on a virtual display: host.exe loads
# 40.PathForge.pin beside it, as the servo-tuning application does, and
# drives the real wizard windows from a second thread. The scripts compare
# the files written with the same golden files as the native run, byte for
# byte. Then a Finish that meets a program file held open by another program
# (tests/wine/held-file*.script, the holder hold_file.exe): refused, naming
# the file, every file as it was; once the file is let go, written whole.
# Then three start-ups that must still leave the wizard usable: an NC
# library that lacks InitMSmpTimeout, no NC library at all, and no log
# viewer running. Builds nothing.
#
#   scripts/check-wine-e2e.sh [windows build folder] [artefacts folder]
#
# Defaults: build/windows and artifacts/wine-e2e. The artefacts folder gets
# a screenshot of every page and message box of each run
# (shots/<case>/NN-page-P.png, NN-message-ID.png), each run's output
# (<case>.log) and the records the log viewer received (logview.records).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2
build=${1:-build/windows}
artefacts=${2:-artifacts/wine-e2e}
timeout_s=300

source scripts/check-tally.sh
needed=("$build/tools/host/host.exe" "$build/src/plugin/40.PathForge.pin" "$build/sim/OVXIF.dll"
        "$build/sim/without-InitMSmpTimeout/OVXIF.dll" "$build/tools/logview/logview.exe"
        "$build/tools/host/hold_file.exe")
require_files "wine e2e" "${needed[@]}"
build=$(realpath "$build")
mkdir -p "$artefacts"
artefacts=$(realpath "$artefacts")
rm -rf "$artefacts/shots" "$artefacts"/*.log "$artefacts/logview.records"
mkdir -p "$artefacts/shots"

source scripts/wine-display.sh
unset OVXSIM_MACHINE
viewer=""
kill_on_wine_exit viewer
start_wine_display wine-e2e
data=$(wine_data_folder)
wineserver -w

# The installed plug-in: the module, the simulated NC library and the host
# side by side; the variants differ in the NC library only.
install_plugin() {
  local folder="$work/$1" library=$2
  mkdir -p "$folder"
  cp "$build/tools/host/host.exe" "$build/src/plugin/40.PathForge.pin" "$folder/"
  if [ -n "$library" ]; then cp "$library" "$folder/OVXIF.dll"; fi
}
install_plugin plugin "$build/sim/OVXIF.dll"
install_plugin lacking "$build/sim/without-InitMSmpTimeout/OVXIF.dll"
install_plugin missing ""


# Runs host.exe of an installation with the arguments after the name; the
# output goes to the case's log, the screenshots become PNG files.
run_host() {
  local name=$1 folder="$work/$2" shots="$artefacts/shots/$1"
  shift 2
  mkdir -p "$shots"
  (cd "$folder" && timeout "$timeout_s" wine host.exe "$@" --shots "$(windows_path "$shots")") \
    >"$artefacts/$name.log" 2>&1
  local status=$?
  shots_to_png "$shots"
  return "$status"
}

# The case's result line: the host's own count, and the log when it failed.
report_case() {
  local name=$1 status=$2 what=$3 counts
  counts=$(host_counts "$artefacts/$name.log")
  if [ "$status" -eq 0 ] && ls "$artefacts/shots/$name"/*.png >/dev/null 2>&1; then
    ok "$what ($counts)"
  else
    not_ok "$what (status $status, ${counts:-no count})"
    tr -d '\r' <"$artefacts/$name.log" | sed 's/^/# /'
  fi
}

# The log viewer first, so that the module finds it when it is loaded.
(cd "$work" && exec wine "$build/tools/logview/logview.exe" --record "$(windows_path "$artefacts/logview.records")") \
  >/dev/null 2>&1 &
viewer=$!

for script in tests/e2e/*.script; do
  name=$(basename "$script" .script)
  rm -rf "$data"
  mkdir -p "$data"
  if [ -d "tests/e2e/$name.data" ]; then cp -r "tests/e2e/$name.data/." "$data/"; fi
  machine=()
  if [ -f "tests/e2e/$name.machine.ini" ]; then
    machine=(--machine "$(windows_path "$(realpath "tests/e2e/$name.machine.ini")")")
  fi
  run_host "$name" plugin --wait-viewer --script "$(windows_path "$(realpath "$script")")" "${machine[@]}"
  report_case "$name" $? "$name.script on the real wizard"
done

# A program file of project "Held" held open, as a CNC editor or a viewer
# would: the first run's Finish must change nothing; after the holder let
# go, the second run's Finish writes everything.
rm -rf "$data"
mkdir -p "$data"
cp -r tests/wine/held-file.data/. "$data/"
release="$work/release-held-file"
(cd "$work" && exec wine "$build/tools/host/hold_file.exe" \
  "$(windows_path "$data/Program/Held/\$1-X/TimeConstant/G1aa.eia")" "$(windows_path "$release")") \
  >"$artefacts/hold_file.log" 2>&1 &
holder=$!
for _ in $(seq 300); do
  grep -q held "$artefacts/hold_file.log" 2>/dev/null && break
  sleep 0.1
done
run_host held-file plugin --script "$(windows_path "$(realpath tests/wine/held-file.script)")"
report_case held-file $? "Finish with G1aa.eia held open: 12518 names it, every file keeps its old bytes"
touch "$release"
wait "$holder"
run_host held-file-released plugin --script "$(windows_path "$(realpath tests/wine/held-file-released.script)")"
report_case held-file-released $? "Finish once G1aa.eia is let go: every file written"

if [ -s "$artefacts/logview.records" ]; then
  ok "the log viewer received the module's records"
else
  not_ok "the log viewer received the module's records"
fi
xwd -root -display ":$display" -silent | convert xwd:- -trim +repage "$artefacts/shots/logview.png"

# The start-ups that must leave the wizard usable.
usable="$(windows_path "$(realpath tests/wine/wizard-usable.script)")"
rm -rf "$data"
run_host lacking-entry-point lacking --script "$usable"
report_case lacking-entry-point $? "usable with an NC library that lacks InitMSmpTimeout"
rm -rf "$data"
run_host no-nc-library missing --script "$usable"
report_case no-nc-library $? "usable without OVXIF.dll"
kill "$viewer" 2>/dev/null
wait "$viewer" 2>/dev/null
viewer=""
recorded=$(stat -c %s "$artefacts/logview.records")
rm -rf "$data"
run_host no-log-viewer plugin --script "$usable"
status=$?
if [ "$(stat -c %s "$artefacts/logview.records")" -ne "$recorded" ]; then
  echo "# the log viewer was still running"
  status=1
fi
report_case no-log-viewer "$status" "usable with no log viewer running"

echo "# artefacts in $artefacts"
tally_summary "wine e2e"
