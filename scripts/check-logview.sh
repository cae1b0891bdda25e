#!/usr/bin/env bash
# The log viewer window under Wine, with the real Windows plug-in, driven from
# outside by logprobe.exe (tools/uiproof) as a person would use its menus:
#  - one viewer at a time: a second start ends and leaves the running one;
#  - two module sessions one after another (the second without an NC library:
#    its load fails), recorded, each named after its process;
#  - Find's notice; a file that is not a recording (the viewer's own text
#    output) refused with a message and the lines kept; the recording opened
#    after the live sessions; Clear; Auto scroll, Always on top and a column
#    width kept between runs; --once refused with a message;
#  - two hosts at once with a history of 150 lines and --save; --filter on
#    a --replay;
#  - at 144 DPI the columns half as wide again;
#  - what the viewer costs the wizard: the large-machine script
#    (tests/logview/large-machine.script: start-up and the machine page's
#    Next on nine part systems of eight axes, about 40,000 log records) five
#    times with logsink.exe (a window of the viewer's title that only returns
#    TRUE) and five times with logview.exe, in turns; the median ratio and the
#    slowest run's are printed (the goal: at most 1.1 and 1.2), they pass or
#    fail nothing.
# Builds nothing.
#
#   [LOGVIEW_RUNS=N] scripts/check-logview.sh [windows build folder] [artefacts folder]
#
# LOGVIEW_RUNS sets the number of timed runs of each receiver (5; 0: none).
# Defaults: build/windows and artifacts/logview. The artefacts folder gets
# each run's output (<case>.log), the record file (sessions.records), the
# lines saved as text and the window's pictures (logview-*.png).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2
build=${1:-build/windows}
artefacts=${2:-artifacts/logview}
timeout_s=300
runs=${LOGVIEW_RUNS:-5}

source scripts/check-tally.sh
needed=("$build/tools/host/host.exe" "$build/src/plugin/40.PathForge.pin" "$build/sim/OVXIF.dll"
        "$build/tools/logview/logview.exe" "$build/tools/logview/logsink.exe" "$build/tools/uiproof/logprobe.exe")
require_files "log viewer" "${needed[@]}"
build=$(realpath "$build")
mkdir -p "$artefacts"
artefacts=$(realpath "$artefacts")
rm -f "$artefacts"/*.log "$artefacts"/*.records "$artefacts"/*.txt "$artefacts"/*.png

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
probe() { wine "$build/tools/uiproof/logprobe.exe" "$@" 2>/dev/null | tr -d '\r'; }
# Whether the text (the first argument) holds each of the others.
holds() {
  local text=$1 needle
  shift
  for needle; do grep -qF -- "$needle" <<<"$text" || return 1; done
}
# An ok line when the command succeeds, else a not-ok line.
check() {
  local what=$1
  shift
  if "$@"; then ok "$what"; else not_ok "$what"; fi
}

# Starts a receiver program of the build with the given arguments and waits
# for its window.
start_receiver() {
  local program=$1
  shift
  (cd "$work" && exec wine "$build/tools/logview/$program" "$@") >/dev/null 2>&1 &
  receiver=$!
  [ "$program" = logview.exe ] && probe state >/dev/null
}

# Closes the viewer from its menu (it keeps its settings then), waiting up to
# 30 s for it to end.
close_viewer() {
  local tries state
  probe press "Exit"
  for ((tries = 0; tries < 300; tries++)); do
    state=$(awk '{ print $3 }' "/proc/$receiver/stat" 2>/dev/null)
    if [ -z "$state" ] || [ "$state" = Z ]; then break; fi
    sleep 0.1
  done
  stop_receiver
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

usable=tests/wine/wizard-usable.script
builtin=sim/machines/builtin.ini
records_w=$(windows_path "$artefacts/sessions.records")
shown_w=$(windows_path "$artefacts/shown.txt")

# One viewer at a time, recording.
start_receiver logview.exe --record "$records_w" --save "$shown_w"
(cd "$work" && timeout 60 wine "$build/tools/logview/logview.exe") >/dev/null 2>&1
second=$?
check "a second viewer start ends (status $second) and leaves one viewer" \
  test "$second" -eq 0 -a "$(probe count)" = "viewers 1"

# Two sessions one after another; the second fails to load the NC library.
run_host session-1 plugin "$usable" "$builtin" --wait-viewer
report_run session-1 $? "first session into the viewer"
run_host session-2 missing "$usable" "$builtin" --wait-viewer
report_run session-2 $? "second session, whose NC library fails to load, into the same viewer"
sleep 1
wine_screenshot "$artefacts/logview-sessions.png"
probe press "Find..."
probe fill "no such call"
sleep 1
wine_screenshot "$artefacts/logview-find.png"
notice=$(probe box)
check "Find says when nothing is found ($notice)" holds "$notice" '"no such call" is not in the lines shown'
probe dismiss
# (The lines are read by selecting and copying them all.)
lines=$(probe lines)
check "each session is named after its process" test "$(grep -cE '^== session [12]: process [0-9]+,' <<<"$lines")" -eq 2
check "the failed call is marked" holds "$lines" "!!   failed"

# The recording, stopped from the menu: two session starts (frame type 0x100,
# 16 bytes) and a line record with the failure mark (type 5, level 0, mark 3).
probe press "Record to file..."
sleep 1
hex=$(od -An -v -tx1 "$artefacts/sessions.records" | tr -d ' \n')
starts=$(grep -o '0001000010000000' <<<"$hex" | wc -l)
check "the record file holds two sessions ($starts found)" test "$starts" -eq 2
check "the record file holds a failed call" grep -qE '05000000[0-9a-f]{8}0003' <<<"$hex"

# The viewer's own text output is not a recording: refused, the lines kept.
probe press "Open recording..."
probe fill "$shown_w"
refusal=$(probe box)
check "a file that is not a recording is refused with a message ($refusal)" holds "$refusal" "is not a log recording"
check "and the lines stay as they were" test "$(probe lines)" = "$lines"
probe press "Open recording..."
probe fill "$records_w"
sleep 1
wine_screenshot "$artefacts/logview-replay.png"
after=$(probe lines)
check "a recording opens after the live lines, which stay" test "${after:0:${#lines}}" = "$lines"
check "its sessions follow as sessions of their own" holds "$after" "== session 3: process"
probe press "Clear"
check "Clear empties the list" holds "$(probe state)" "rows 0"

# What is kept between runs; the toggles' state in the menu and the status line.
probe press "Auto scroll"
probe press "Always on top"
probe width 3 400
check "Auto scroll shows its state in the status line" holds "$(probe state)" "auto scroll off"
probe menu v
sleep 1
wine_screenshot "$artefacts/logview-menu-view.png"
probe cancel
close_viewer
start_receiver logview.exe
state=$(probe state)
check "column widths, Always on top and Auto scroll are kept between runs" \
  holds "$state" "widths 96 60 64 400" "on top yes" "auto scroll off"
probe press "Auto scroll"
probe press "Always on top"
probe menu
sleep 1
wine_screenshot "$artefacts/logview-menu-list.png"
probe cancel
probe menu e
sleep 1
wine_screenshot "$artefacts/logview-menu-edit.png"
probe cancel
close_viewer

(cd "$work" && timeout 60 wine "$build/tools/logview/logview.exe" --once) >/dev/null 2>&1 &
refusing=$!
refusal=$(probe box)
wait "$refusing"
check "the window refuses --once with a message ($refusal)" holds "$refusal" "--once is for the terminal viewer"

# Two hosts at once: the second loads while the first is open.
start_receiver logview.exe --history 150 --save "$(windows_path "$artefacts/two-hosts.txt")"
rm -rf "$data"
mkdir -p "$data"
host=(host.exe --script "$(script_path "$usable")" --machine "$(script_path "$builtin")")
(cd "$work/plugin" && timeout "$timeout_s" wine "${host[@]}" --pace 3000) >"$artefacts/host-a.log" 2>&1 &
first=$!
for ((tries = 0; tries < 300; tries++)); do  # the first host's session has begun
  grep -q "^== session 1:" "$artefacts/two-hosts.txt" 2>/dev/null && break
  sleep 0.1
done
(cd "$work/plugin" && timeout "$timeout_s" wine "${host[@]}") >"$artefacts/host-b.log" 2>&1
wait "$first"
probe press "Find..."
probe fill "began before"
sleep 1
wine_screenshot "$artefacts/logview-two-hosts.png"
probe dismiss
saved=$(tr -d '\r' <"$artefacts/two-hosts.txt")
check "two hosts at once: two sessions, each named after its process" \
  test "$(grep -cE '^== session [12]: process [0-9]+,' <<<"$saved")" -eq 2
check "and a note that their records may mix" holds "$saved" "began before session 1 was unloaded"
check "--save writes every line as it comes" holds "$saved" "COVXIF::Unload( 2 ) was succeeded"
check "the oldest lines leave at the history's limit, counted in the status line" \
  holds "$(probe state)" "oldest left the history of 150 lines"
close_viewer
start_receiver logview.exe --filter "load()" --replay "$records_w"
check "--filter shows only the record lines that hold its text" \
  test "$(probe lines | grep -v '^==' | grep -vic 'load()')" -eq 0
stop_receiver

# 144 DPI: the columns (kept at 96 DPI) half as wide again.
wineserver -k
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -w
start_receiver logview.exe --replay "$records_w"
check "at 144 DPI the columns are half as wide again" holds "$(probe state)" "widths 144 90 96 600"
wine_screenshot "$artefacts/logview-144dpi.png"
stop_receiver
wineserver -k
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -w

# The timings: logsink and logview in turns, each started before the host.
large=tests/logview/large-machine
declare -a sink view
for ((run = 1; run <= runs; run++)); do
  for program in logsink.exe logview.exe; do
    name="large-${program%.exe}-$run"
    start_receiver "$program"
    run_host "$name" plugin "$large.script" "$large.machine.ini" --wait-viewer
    status=$?
    echo "# large machine with $program, run $run: $seconds s (status $status, $(host_counts "$artefacts/$name.log"))"
    if [ "$program" = logsink.exe ]; then sink+=("$seconds"); else view+=("$seconds"); fi
    stop_receiver
  done
done
median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
[ "$runs" -gt 0 ] && awk -v sink="$(median "${sink[@]}")" -v view="$(median "${view[@]}")" \
  -v slowest="$(printf '%s\n' "${view[@]}" | sort -g | tail -1)" 'BEGIN {
  printf "# large machine, median of %d runs: logsink %.2f s, logview %.2f s; logview / logsink %.2fx (goal 1.10x),\n",
    '"$runs"', sink, view, view / sink
  printf "# slowest logview run / median logsink %.2fx (goal 1.20x)\n", slowest / sink }'

echo "# artefacts in $artefacts"
tally_summary "log viewer"
