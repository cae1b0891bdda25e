#!/usr/bin/env bash
# The fault sweep: whole scripted wizard runs (`pathforge wizard --script`)
# against a simulated NC library whose entry points fail or misbehave, one
# entry point and one behaviour per run, on the three machines of
# sim/machines.
#
#   scripts/fault-sweep.sh BUILD_DIR [ARTEFACTS]
#
# BUILD_DIR is a build folder whose pathforge, plug-in and simulated library
# were compiled with ASan + UBSan (the `fuzz` preset's build/fuzz, or any
# build configured with -fsanitize=address,undefined). ARTEFACTS (default
# BUILD_DIR/fault-sweep) receives results.txt, one line per run, and the
# folder of every run that failed: its machine, output and data folder.
#
# The entry points are those that a normal run calls, read from the
# simulator's journal of one run per machine. Each is made to fail with
# every status of STATUSES and to misbehave in every mode of MODES (see
# sim/README.md) at every call, and to fail with ONCE_STATUS at one call only:
# its first, its middle and its last call of the normal run. Each run is
# bounded by FAULT_SWEEP_SECONDS. A run passes when it ends by itself, without
# a sanitizer report or an exception, with one of the outcomes the wizard has
# for a faulty NC: it closed by Finish, it showed a message, its machine page
# offered no axis (Next disabled), or the NC named its axes otherwise, so that
# the script's programs are not offered; and when the project's files are
# all old or all new: after Finish the project file and whole program folders
# of the normal run (a faulty NC may offer fewer programs), each file whole
# (a program ends in "%", the project file holds both sections), otherwise no
# program and no project file; never a staged file, a backup or a commit
# journal.
#
# Prints one line per failed run and closes with
#   fault sweep: N passed, M failed
# Exit 0 when nothing failed, 1 when a run failed, 2 when it cannot run.
set -uo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: scripts/fault-sweep.sh BUILD_DIR [ARTEFACTS]" >&2
  exit 2
fi
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "$1" 2>/dev/null && pwd) || { echo "fault sweep: no build folder $1" >&2; exit 2; }
ARTEFACTS=${2:-$BUILD/fault-sweep}
PATHFORGE=$BUILD/tools/pathforge/pathforge
SCRIPT=$ROOT/tests/faults/whole-run.script
MACHINES=(builtin lathe three-systems)
STATUSES=(-1 -6 7)
ONCE_STATUS=${FAULT_SWEEP_ONCE_STATUS:--1}
MODES=(untouched unterminated int-min int-max nan huge -huge far-count)
SECONDS_PER_RUN=${FAULT_SWEEP_SECONDS:-30}
JOBS=${FAULT_SWEEP_JOBS:-$(nproc)}
# What a swallowed exception leaves in a run's output (the script driver
# reports every handler that an exception abandoned as "the handler of … failed").
EXCEPTION_PATTERN=${FAULT_SWEEP_EXCEPTION_PATTERN:-'exception|abandoned|the handler of .* failed'}

[ -x "$PATHFORGE" ] || { echo "fault sweep: $PATHFORGE is missing" >&2; exit 2; }
rm -rf "$ARTEFACTS"
mkdir -p "$ARTEFACTS/runs"

# The line of the wizard script that follows the outcome comment `$1`.
outcome_line() {
  local comment
  comment=$(grep -n -F -x "# outcome: $1" "$SCRIPT" | cut -d: -f1)
  [ -n "$comment" ] || { echo "fault sweep: the script lacks the outcome line: $1" >&2; exit 2; }
  echo $((comment + 1))
}
LINE_START=$(outcome_line "the start-up showed no message (12501, NCType Not Found, 12506, 12550)")
LINE_AXES=$(outcome_line "the machine page offers axes (Next enabled)")
LINE_NAMES=$(outcome_line "the selection offers axis \$1-X (the NC named its axes so)")
LINE_CLOSED=$(outcome_line "the wizard closed by Finish")
LINE_COUNT=$(outcome_line "the trial question was the only message")
LINE_LAST=$(outcome_line "the trial question was the last message")
PROJECT="KORVANTEL/Servo Bench/Program/Sweep"   # below a run's data folder
export ROOT PATHFORGE SCRIPT SECONDS_PER_RUN EXCEPTION_PATTERN ARTEFACTS PROJECT
export LINE_START LINE_AXES LINE_NAMES LINE_CLOSED LINE_COUNT LINE_LAST
# The plug-in and the simulated library are opened by bare name; with a
# shared sanitizer runtime, whose dlopen interceptor is the caller, only
# the library path finds them.
export LD_LIBRARY_PATH=$BUILD/src/plugin:$BUILD/sim${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Runs the wizard script once: machine file $2, in folder $1 (data and
# runtime folders inside it). Leaves out.txt and the exit status in rc.
run_wizard() {
  local dir=$1 machine=$2
  mkdir -p "$dir/data" "$dir/runtime"
  XDG_DATA_HOME=$dir/data XDG_RUNTIME_DIR=$dir/runtime OVXSIM_JOURNAL=${3:-} \
    timeout -k 5 "$SECONDS_PER_RUN" "$PATHFORGE" wizard --machine "$machine" --script "$SCRIPT" \
    >"$dir/out.txt" 2>&1 </dev/null
  echo $? >"$dir/rc"
}
export -f run_wizard

# Whether the run's output reports the check of script line $2 as failed.
line_failed() { grep -q -F "whole-run.script:$2: " "$1"; }
export -f line_failed

# The files below the project of the run in folder $1, one relative path a line.
project_files() { (cd "$1/data/$PROJECT" 2>/dev/null && find . -type f | sort); }
export -f project_files

# What is wrong with the project's files of the run in folder $1 after outcome
# $2, given the files of the normal run on its machine ($3); empty when
# nothing is.
files_verdict() {
  local project="$1/data/$PROJECT" files
  files=$(project_files "$1")
  if grep -q -E '\.pf-(new|old)$|/Commit\.journal$' <<<"$files"; then echo "files left on the way"; return; fi
  if [ "$2" != finish ]; then
    if grep -q -E '\.eia$|/Project\.dat$' <<<"$files"; then echo "files written without Finish"; fi
    return
  fi
  # A faulty NC may offer fewer programs; what was written are whole folders
  # of the normal run's files, and the project file.
  if [ -n "$(comm -23 <(echo "$files") "$3")" ]; then echo "files the normal run did not write"; return; fi
  local missing
  missing=$(awk 'FNR == NR { sub(/\/[^\/]*$/, ""); written[$0] = 1; next }
                 { folder = $0; sub(/\/[^\/]*$/, "", folder) } folder in written' <(echo "$files") "$3" |
            comm -23 - <(echo "$files"))
  if [ -n "$missing" ]; then echo "a program folder incomplete: $missing" | head -n 1; return; fi
  grep -q -x './Project.dat' <<<"$files" || { echo "no project file"; return; }
  while read -r file; do
    case $file in
      *.eia) [ "$(tail -c 1 "$project/$file")" = % ] || { echo "$file cut short"; return; } ;;
      */Project.dat) { grep -q '^\[GCode\]' "$project/$file" && grep -q '^\[Machine\]' "$project/$file"; } ||
        { echo "$file cut short"; return; } ;;
    esac
  done <<<"$files"
}
export -f files_verdict

# The verdict of a finished run in folder $1: "pass <outcome>" or
# "FAIL <why>". With the normal run's file list $2, the project's files are
# judged too.
verdict() {
  local dir=$1 expected=${2:-} result wrong
  result=$(outcome_verdict "$dir")
  if [ -n "$expected" ] && [ "${result%% *}" = pass ]; then
    wrong=$(files_verdict "$dir" "${result#pass }" "$expected")
    [ -n "$wrong" ] && result="FAIL mixed: $wrong"
  fi
  echo "$result"
}
export -f verdict

# The outcome of a finished run in folder $1: "pass <outcome>" or
# "FAIL <why>".
outcome_verdict() {
  local dir=$1 out=$1/out.txt rc
  rc=$(cat "$dir/rc")
  if [ "$rc" = 124 ] || [ "$rc" = 137 ]; then echo "FAIL hang (over ${SECONDS_PER_RUN}s)"; return; fi
  if grep -q -E 'Sanitizer|runtime error:' "$out"; then echo "FAIL sanitizer report"; return; fi
  if grep -q -i -E "$EXCEPTION_PATTERN" "$out"; then echo "FAIL exception"; return; fi
  if [ "$rc" != 0 ] && [ "$rc" != 1 ]; then echo "FAIL exit status $rc"; return; fi
  if ! line_failed "$out" "$LINE_CLOSED"; then echo "pass finish"; return; fi
  local shown
  shown=$(grep -F "whole-run.script:$LINE_COUNT: " "$out" | grep -o -E '^[^ ]+ [0-9]+' | grep -o -E '[0-9]+$')
  if line_failed "$out" "$LINE_START" || [ "${shown:-1}" -ge 2 ] ||
     { [ -z "$shown" ] && line_failed "$out" "$LINE_LAST"; }; then
    echo "pass message"; return
  fi
  if line_failed "$out" "$LINE_AXES"; then echo "pass no-axis"; return; fi
  if line_failed "$out" "$LINE_NAMES"; then echo "pass other-names"; return; fi
  echo "FAIL neither Finish nor a message"
}
export -f outcome_verdict

# One run of the sweep: machine $1, entry point $2, behaviour $3.
sweep_run() {
  local machine=$1 entry=$2 behaviour=$3
  local dir=$ARTEFACTS/runs/$machine-$entry=$behaviour
  mkdir -p "$dir"
  { cat "$ROOT/sim/machines/$machine.ini"; printf '\n[Fail]\n%s=%s\n' "$entry" "$behaviour"; } >"$dir/machine.ini"
  run_wizard "$dir" "$dir/machine.ini"
  local result
  result=$(verdict "$dir" "$ARTEFACTS/files-$machine.txt")
  echo "$result $machine $entry=$behaviour"
  case $result in pass*) rm -rf "$dir" ;; esac
}
export -f sweep_run

# The entry points that a normal run calls, and a check that it passes.
ENTRY_POINTS=()
for machine in "${MACHINES[@]}"; do
  dir=$ARTEFACTS/runs/$machine-normal
  mkdir -p "$dir"
  run_wizard "$dir" "$ROOT/sim/machines/$machine.ini" "$dir/journal.txt"
  if [ "$(verdict "$dir")" != "pass finish" ] || line_failed "$dir/out.txt" "$LINE_COUNT"; then
    echo "fault sweep: the normal run on $machine does not pass; see $dir/out.txt" >&2
    exit 2
  fi
  mapfile -t -O "${#ENTRY_POINTS[@]}" ENTRY_POINTS < <(sed 's/(.*//' "$dir/journal.txt")
  sed 's/(.*//' "$dir/journal.txt" | sort | uniq -c >"$ARTEFACTS/calls-$machine.txt"
  project_files "$dir" >"$ARTEFACTS/files-$machine.txt"
  rm -rf "$dir"
done
mapfile -t ENTRY_POINTS < <(printf '%s\n' "${ENTRY_POINTS[@]}" | sort -u)

# The calls of entry point $2 on machine $1 that fail alone: the first, the
# middle and the last of the normal run.
single_calls() {
  local calls
  calls=$(awk -v entry="$2" '$2 == entry { print $1 }' "$ARTEFACTS/calls-$1.txt")
  [ -n "$calls" ] && printf '%s\n' 1 $(((calls + 1) / 2)) "$calls" | sort -u -n
}

for machine in "${MACHINES[@]}"; do
  for entry in "${ENTRY_POINTS[@]}"; do
    for behaviour in "${STATUSES[@]}" "${MODES[@]}"; do
      printf '%s\0%s\0%s\0' "$machine" "$entry" "$behaviour"
    done
    for call in $(single_calls "$machine" "$entry"); do
      printf '%s\0%s\0%s\0' "$machine" "$entry" "$ONCE_STATUS@$call"
    done
  done
done | xargs -0 -n 3 -P "$JOBS" bash -c 'sweep_run "$@"' _ >"$ARTEFACTS/results.txt"

passed=$(grep -c '^pass' "$ARTEFACTS/results.txt")
failed=$(grep -c '^FAIL' "$ARTEFACTS/results.txt")
grep '^FAIL' "$ARTEFACTS/results.txt" | sort
echo "entry points: ${ENTRY_POINTS[*]}"
echo "outcomes: $(grep '^pass' "$ARTEFACTS/results.txt" | cut -d' ' -f2 | sort | uniq -c | xargs)"
echo "fault sweep: $passed passed, $failed failed"
[ "$failed" = 0 ]
