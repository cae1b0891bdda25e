# shellcheck shell=bash
# Sourced by the Wine checks: their "ok" / "not ok" lines and the summary.
#
#   source scripts/check-tally.sh
#   ok TEXT, not_ok TEXT       # one line each, counted
#   tally_summary NAME         # "NAME checks: N passed, M failed"; false when M > 0
#   require_files NAME FILE... # a not-ok line for each missing file; when one
#                              # is missing, the summary and exit 1
#   host_counts LOG            # the last "N passed, M failed" line of a
#                              # scripted host run's output

passed=0
failed=0
ok() { echo "ok - $1"; passed=$((passed + 1)); }
not_ok() { echo "not ok - $1"; failed=$((failed + 1)); }

tally_summary() {
  echo "$1 checks: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

require_files() {
  local name=$1 file
  shift
  for file in "$@"; do
    [ -f "$file" ] || not_ok "$file exists (build the windows preset first)"
  done
  if [ "$failed" -ne 0 ]; then
    tally_summary "$name"
    exit 1
  fi
}

host_counts() { tr -d '\r' <"$1" 2>/dev/null | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -1; }
