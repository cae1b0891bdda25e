#!/usr/bin/env bash
# The log viewer window under Wine, with the real Windows plug-in:
#  - what the viewer costs the wizard: the time of the large-machine script
#    (tests/logview/large-machine.script: start-up and the machine page's
#    Next on nine part systems of eight axes, about 40,000 log records) with
#    no receiver, with logsink.exe (a window of the viewer's title that only
#    returns TRUE) and with logview.exe; the figures are printed (the goal:
#    logview at most 1.2 times logsink), they pass or fail nothing;
#  - two module sessions one after another into one logview.exe, the second
#    without an NC library (its load fails), kept as a record file, and the
#    window pictured with the end of the first and the whole second; then the
#    record file replayed by a new logview.exe, pictured too.
# Builds nothing.
#
#   scripts/check-logview.sh [windows build folder] [artefacts folder]
#
# Defaults: build/windows and artifacts/logview. The artefacts folder gets
# each run's output (<case>.log), the record file (sessions.records) and the
# window's pictures (logview-sessions.png, logview-replay.png).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2
build=${1:-build/windows}
artefacts=${2:-artifacts/logview}
timeout_s=300

source scripts/check-tally.sh
needed=("$build/tools/host/host.exe" "$build/src/plugin/40.PathForge.pin" "$build/sim/OVXIF.dll"
        "$build/tools/logview/logview.exe" "$build/tools/logview/logsink.exe")
require_files "log viewer" "${needed[@]}"
build=$(realpath "$build")
mkdir -p "$artefacts"
artefacts=$(realpath "$artefacts")
rm -f "$artefacts"/*.log "$artefacts"/*.records "$artefacts"/*.png

source scripts/wine-display.sh
unset OVXSIM_MACHINE
receiver=""
kill_on_wine_exit receiver
start_wine_display logview
data=$(wine_data_folder)
wineserver -w

mkdir -p "$work/plugin" "$work/missing"
cp "$build/tools/host/host.exe" "$build/src/plugin/40.PathForge.pin" "$build/sim/OVXIF.dll" "$work/plugin/"
cp "$build/tools/host/host.exe" "$build/src/plugin/40.PathForge.pin" "$work/missing/"

script_path() { windows_path "$(realpath "$1")"; }

# Starts a receiver program of the build with the given arguments.
start_receiver() {
  local program=$1
  shift
  (cd "$work" && exec wine "$build/tools/logview/$program" "$@") >/dev/null 2>&1 &
  receiver=$!
}

stop_receiver() {
  kill "$receiver" 2>/dev/null
  wait "$receiver" 2>/dev/null
  receiver=""
  wineserver -w
}

# Runs host.exe of an installation (plugin, or missing: no OVXIF.dll) with a
# script and a machine file; its output goes to the case's log. The wall time
# in seconds goes to $seconds.
run_host() {
  local name=$1 folder="$work/$2" script machine start end
  script=$(script_path "$3")
  machine=$(script_path "$4")
  shift 4
  rm -rf "$data"
  mkdir -p "$data"
  start=$(date +%s.%N)
  (cd "$folder" && timeout "$timeout_s" wine host.exe "$@" --script "$script" --machine "$machine") \
    >"$artefacts/$name.log" 2>&1
  local status=$?
  end=$(date +%s.%N)
  seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
  return "$status"
}

report_run() {
  local name=$1 status=$2 what=$3 counts
  counts=$(host_counts "$artefacts/$name.log")
  if [ "$status" -eq 0 ]; then
    ok "$what ($counts)"
  else
    not_ok "$what (status $status, ${counts:-no count})"
    tr -d '\r' <"$artefacts/$name.log" | sed 's/^/# /'
  fi
}

# Two sessions one after another into one viewer; the second fails to load
# the NC library.
start_receiver logview.exe --record "$(windows_path "$artefacts/sessions.records")"
usable=tests/wine/wizard-usable.script
run_host session-1 plugin "$usable" sim/machines/builtin.ini --wait-viewer
report_run session-1 $? "first session into the viewer"
run_host session-2 missing "$usable" sim/machines/builtin.ini --wait-viewer
report_run session-2 $? "second session, whose NC library fails to load, into the same viewer"
sleep 1
xwd -root -display ":$display" -silent | convert xwd:- -trim +repage "$artefacts/logview-sessions.png"
stop_receiver

# The record file: two session starts (frame type 0x100, 16 bytes) and a
# line record with the failure mark (type 5, level 0, mark 3).
hex=$(od -An -v -tx1 "$artefacts/sessions.records" | tr -d ' \n')
starts=$(grep -o '0001000010000000' <<<"$hex" | wc -l)
if [ "$starts" -eq 2 ]; then
  ok "the record file holds two sessions"
else
  not_ok "the record file holds two sessions ($starts found)"
fi
if grep -qE '05000000[0-9a-f]{8}0003' <<<"$hex"; then
  ok "the record file holds a failed call"
else
  not_ok "the record file holds a failed call"
fi
# The recording shown again by a new viewer.
start_receiver logview.exe --replay "$(windows_path "$artefacts/sessions.records")"
sleep 3
xwd -root -display ":$display" -silent | convert xwd:- -trim +repage "$artefacts/logview-replay.png"
stop_receiver
for picture in logview-sessions logview-replay; do
  if [ -s "$artefacts/$picture.png" ]; then
    ok "the viewer's window pictured ($artefacts/$picture.png)"
  else
    not_ok "the viewer's window pictured ($picture)"
  fi
done

# The timings: one run each, receiver started first.
large=tests/logview/large-machine
declare -A times
for receiver_program in none logsink.exe logview.exe; do
  name="large-${receiver_program%.exe}"
  wait_viewer=()
  if [ "$receiver_program" != none ]; then
    start_receiver "$receiver_program"
    wait_viewer=(--wait-viewer)
  fi
  run_host "$name" plugin "$large.script" "$large.machine.ini" "${wait_viewer[@]}"
  status=$?
  times[$receiver_program]=$seconds
  echo "# large machine with receiver ${receiver_program%.exe}: $seconds s (status $status," \
    "$(host_counts "$artefacts/$name.log"))"
  if [ "$receiver_program" != none ]; then stop_receiver; fi
done
awk -v none="${times[none]}" -v sink="${times[logsink.exe]}" -v view="${times[logview.exe]}" 'BEGIN {
  printf "# large machine: no receiver %.2f s, logsink %.2f s, logview %.2f s; logview / logsink %.2fx (goal 1.20x)\n",
    none, sink, view, view / sink }'

echo "# artefacts in $artefacts"
tally_summary "log viewer"
