#!/usr/bin/env bash
# The static analysers over the product code and the scripts, each with no
# finding allowed: clang-tidy with the checks in .clang-tidy on src/, sim/
# and tools/ (every file of the native build, and the Windows-only files on
# the mingw-w64 build's commands); cppcheck's warning, performance and
# portability checks on the same code, on both builds; ShellCheck on every
# shell script, following what each sources. The C++ under tests/ is left
# out: it changes often, and the analysers guard what ships (and the tools
# that check it).
# The compile databases are configured into build/analysis/ (nothing is
# built); each tool's findings go to artifacts/static-analysis/<tool>.txt.
# Prints each tool's count, then `static analysis: N findings (T s)`; exits
# 1 when there is any (an analyser that cannot run counts as one).
#
#   scripts/static-analysis.sh
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2

out=artifacts/static-analysis
mkdir -p "$out"
rm -f "$out"/*.txt
jobs=$(nproc)
product="^$PWD/(src|sim|tools)/"
total=0

# Prints a tool's count and adds it to the total: a name, its status (0 when
# it ran through), its report and the log of its run. A finding is a line
# that names a file and line; a run that failed counts as one more.
report() {
  local name=$1 status=$2 file=$3 log=$4 count
  count=$(grep -cE '^[^ :]+:[0-9]+:' "$file")
  if [ "$status" -ne 0 ]; then
    count=$((count + 1))
    echo "$name: did not run through (exit $status), see $log"
  fi
  echo "$name: $count findings"
  total=$((total + count))
  if [ "$count" -gt 0 ]; then sed 's/^/  /' "$file" | head -n 40; fi
}

# A preset's compile commands, with the cache variables given.
configure() {
  local preset=$1
  shift
  cmake --preset "$preset" -B "build/analysis/$preset" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" \
    >"$out/configure-$preset.log" 2>&1 ||
    { echo "static analysis: configuring $preset failed, see $out/configure-$preset.log"; exit 1; }
}
# The native commands as for clang, which knows no g++-only option.
configure native -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
configure windows
native_db=build/analysis/native/compile_commands.json
windows_db=build/analysis/windows/compile_commands.json

# The C++ headers of the mingw-w64 compiler, which clang does not find by
# itself: the system include folders the compiler itself reports.
mingw_headers() {
  local compiler
  compiler=$(jq -r '.[0].command' "$windows_db" | cut -d' ' -f1)
  "$compiler" -E -x c++ -v - </dev/null 2>&1 |
    sed -n '/#include <...> search starts here/,/End of search list/p' | sed -n 's|^ \(/.*/c++.*\)$|-extra-arg=-isystem\1|p'
}

# clang-tidy prints a finding with its source lines; only the first line of
# each, once however many files include its header, goes to the report.
tidy_findings() { sed 's/\x1b\[[0-9;]*m//g' | grep -E '^/[^ ]+:[0-9]+:[0-9]+: (warning|error):' | sort -u; }
windows_only=$(comm -13 <(jq -r '.[].file' "$native_db" | sort) <(jq -r '.[].file' "$windows_db" | sort) |
               grep -E "${product}.*\.cpp$")
{
  run-clang-tidy -quiet -j "$jobs" -p build/analysis/native "$product" 2>&1
  native_status=$?
  windows_status=0
  if [ -n "$windows_only" ]; then
    # shellcheck disable=SC2046,SC2086  # one argument per line, none with a blank
    run-clang-tidy -quiet -j "$jobs" -p build/analysis/windows $(mingw_headers) $windows_only 2>&1
    windows_status=$?
  fi
  [ "$native_status" -eq 0 ] && [ "$windows_status" -eq 0 ]
} >"$out/clang-tidy.log"
status=$?
tidy_findings <"$out/clang-tidy.log" >"$out/clang-tidy.txt"
report clang-tidy "$status" "$out/clang-tidy.txt" "$out/clang-tidy.log"

# cppcheck reads only the project's own headers; the -i folders are the
# tests, the benchmarks and the generated sources.
cppcheck_db() {
  cppcheck --project="$1" "${@:2}" --enable=warning,performance,portability --inline-suppr \
    --quiet -j "$jobs" -itests -ibench -ibuild --template='{file}:{line}: {severity} {id}: {message}'
}
{ cppcheck_db "$native_db" && cppcheck_db "$windows_db" --platform=win64; } >"$out/cppcheck.txt" 2>&1
report cppcheck $? "$out/cppcheck.txt" "$out/cppcheck.txt"

# Every shell script: the *.sh files and the ones a shell shebang marks.
shell_scripts() {
  local file
  while IFS= read -r file; do
    case $file in
      *.sh) echo "$file" ;;
      *) if head -n 1 "$file" | grep -qE '^#!.*\b(ba)?sh\b'; then echo "$file"; fi ;;
    esac
  done < <(find scripts tests .ci -type f | sort)
}
mapfile -t scripts < <(shell_scripts)
shellcheck -x -f gcc "${scripts[@]}" >"$out/shellcheck.txt" 2>&1
status=$?
# ShellCheck exits with 1 for findings, with more when it could not run.
[ "$status" -eq 1 ] && status=0
report shellcheck "$status" "$out/shellcheck.txt" "$out/shellcheck.txt"

echo "static analysis: $total findings ($SECONDS s)"
[ "$total" -eq 0 ]
