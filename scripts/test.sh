#!/usr/bin/env bash
# The whole test suite: the static analysers (beside all the others); the
# native build and its tests through CTest; the fuzz targets and the fault
# sweep on a sanitized build; then for each Windows architecture (x64, x86)
# its build, the checks of that build and the Windows programs under Wine
# on a virtual display (the Win32 proofs, the end-to-end scripts against the
# real plug-in); then the package as a user unpacks it. Every suite runs
# even when one before it failed, so that each leaves its artefacts in
# artifacts/ (git-ignored); a failed build fails the suites that need it.
# The last line counts the suites.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2

scripts/need-packages.sh build-essential cmake ninja-build googletest libgtest-dev libgmock-dev \
  libbenchmark-dev mingw-w64 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 wine wine64 wine32:i386 \
  xvfb x11-apps x11-utils imagemagick zip unzip clang-14 libclang-rt-14-dev clang-tidy cppcheck shellcheck jq \
  locales || exit 1

passed=0
failed=0
results=()
# Runs one suite: a name, then its command.
suite() {
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  if "$@"; then
    passed=$((passed + 1))
    results+=("ok - $name ($((SECONDS - start)) s)")
  else
    failed=$((failed + 1))
    results+=("not ok - $name ($((SECONDS - start)) s)")
  fi
}
# Records a suite that could not run here, and why.
skip() {
  echo "== $1: skipped, $2"
  results+=("skipped - $1 ($2)")
}
build_preset() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1"; }
native_tests() { build_preset native && ctest --preset native -j"$(nproc)"; }

# The static analysers read the sources, not the builds: they run from the
# start beside the other suites, at the lowest priority so that they take
# the time the builds and the Wine checks leave, and are collected at the end.
mkdir -p artifacts
nice -n 19 scripts/static-analysis.sh >artifacts/static-analysis.log 2>&1 &
analysis=$!
analysis_result() {
  wait "$analysis"
  local status=$?
  cat artifacts/static-analysis.log
  return "$status"
}

suite "native build and tests" native_tests

# The inputs the module reads, fuzzed for a bounded time, and whole wizard
# runs against a failing or misbehaving NC library; both on the sanitized
# build of the fuzz preset.
suite "fuzz build" build_preset fuzz
suite "fuzz" scripts/fuzz.sh build/fuzz
suite "fault sweep" scripts/fault-sweep.sh build/fuzz artifacts/fault-sweep

# Run as `SCRIPT BUILD ARTEFACTS` for each architecture's build. Where the
# kernel cannot run 32-bit programs the x86 build is still made and checked,
# but its Wine checks are reported as skipped (scripts/wine-loader.sh).
source scripts/wine-loader.sh
# The log viewer's check times one run of each receiver here; five by hand.
export LOGVIEW_RUNS=1
wine_checks=(check-win32-ui check-wine-e2e check-logview)
declare -A presets=([x64]=windows [x86]=windows-x86)
for arch in x64 x86; do
  build=build/${presets[$arch]}
  suite "$arch: build" build_preset "${presets[$arch]}"
  suite "$arch: windows build checks" scripts/check-windows-build.sh "$build"
  for check in "${wine_checks[@]}"; do
    if [ "$arch" = x86 ] && ! wine_runs_32bit; then
      skip "$arch: $check" "this machine's kernel cannot run 32-bit programs"
      continue
    fi
    suite "$arch: $check" "scripts/$check.sh" "$build" "artifacts/$arch/${check#check-}"
  done
done

package_check() {
  local zip
  zip=$(scripts/package.sh | tail -1) && scripts/check-package.sh "$zip" artifacts/package
}
suite "package" package_check
suite "static analysis (the wait for it)" analysis_result

printf '%s\n' "${results[@]}"
echo "# $SECONDS s in all"
echo "suites: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
