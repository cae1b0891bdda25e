#!/usr/bin/env bash
# Runs every fuzz target of a build of the `fuzz` preset for a bounded time:
#
#   scripts/fuzz.sh BUILD_DIR [SECONDS]     (SECONDS per target, default 30)
#
# Each target starts from a scratch copy of its seed corpus in
# fuzz/corpus/<target>/, so a run never grows the repository's corpus. An
# input that crashes a target, trips a sanitizer or breaks a property is kept
# in artifacts/fuzz/<target>/. Prints one line per target with its
# executions, then `fuzz: N passed, M failed`; exits 1 when a target failed.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2

build=${1:?usage: scripts/fuzz.sh BUILD_DIR [SECONDS]}
seconds=${2:-30}
targets=(program_file_fuzzer ini_file_fuzzer batch_job_fuzzer wizard_script_fuzzer make_program_fuzzer log_record_fuzzer)

# Scratch space in memory when the machine has it: the targets write the
# files their readers take. Their own scratch folders go there too (TMPDIR).
scratch=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch"
passed=0
failed=0
for target in "${targets[@]}"; do
  binary="$build/fuzz/$target"
  corpus="$scratch/corpus-$target"
  crashes="artifacts/fuzz/$target"
  mkdir -p "$corpus" "$crashes"
  cp fuzz/corpus/"$target"/* "$corpus"/
  log="$crashes/run.log"
  # The outer timeout only guards against a hang of libFuzzer itself.
  if [ -x "$binary" ] &&
    timeout $((seconds + 60)) "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" >"$log" 2>&1; then
    passed=$((passed + 1))
    verdict=ok
  else
    failed=$((failed + 1))
    verdict="not ok"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "$verdict - $target: ${runs:-0} executions in ${seconds} s (log: $log)"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
