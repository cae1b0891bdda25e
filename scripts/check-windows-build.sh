#!/usr/bin/env bash
# Checks the Windows build: the export tables of the simulated OVXIF.dll and
# of the plug-in 40.PathForge.pin, and that pathforge.exe under Wine writes
# the same bytes as the native build.
set -euo pipefail
cd "$(dirname "$0")/.."
win=${1:-build/windows}
native=${2:-build/native}
passed=0

tests/sim/check_dll_exports.sh "$win/sim/OVXIF.dll"
passed=$((passed + 1))

tests/plugin/check_pin_exports.sh "$win/src/plugin/40.PathForge.pin"
passed=$((passed + 1))

work=$(mktemp -d /tmp/pathforge-check.XXXXXX)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(scripts/wine-prefix.sh)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work" "$WINEPREFIX"' EXIT
mkdir -p "$work/native" "$work/windows"
sed 's|^Folder *=.*|Folder = out|' examples/demo.job > "$work/native/demo.job"
cp "$work/native/demo.job" "$work/windows/demo.job"
XDG_DATA_HOME="$work/native/data" "$native/tools/pathforge/pathforge" generate "$work/native/demo.job" >/dev/null
(cd "$work/windows" && wine "$OLDPWD/$win/tools/pathforge/pathforge.exe" generate demo.job >/dev/null)
wineserver -w
if ! diff -r "$work/native/out" "$work/windows/out"; then
  echo "pathforge.exe under Wine wrote other bytes than the native pathforge"
  echo "windows build checks: $passed passed, 1 failed"
  exit 1
fi
passed=$((passed + 1))
echo "windows build checks: $passed passed, 0 failed"
