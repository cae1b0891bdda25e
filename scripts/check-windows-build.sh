#!/usr/bin/env bash
# Checks a Windows build (either architecture): the export tables of the
# simulated OVXIF.dll and of the plug-in 40.PathForge.pin, that every
# program and library is of the build's architecture and needs no DLL of the
# mingw-w64 runtime, that host.exe is a window program, and that
# pathforge.exe under Wine writes the same bytes as the native build.
#
#   scripts/check-windows-build.sh [windows build folder] [native build folder]
#
# Defaults: build/windows and build/native.
set -euo pipefail
cd "$(dirname "$0")/.."
win=${1:-build/windows}
native=${2:-build/native}
passed=0

# The build's own objdump, for its architecture.
OBJDUMP=$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' "$win/CMakeCache.txt")
export OBJDUMP

tests/sim/check_dll_exports.sh "$win/sim/OVXIF.dll"
passed=$((passed + 1))

tests/plugin/check_pin_exports.sh "$win/src/plugin/40.PathForge.pin"
passed=$((passed + 1))

# The PE format of the build's target: its objdump is named after it.
case $(basename "$OBJDUMP") in
  i686-*) format=pei-i386 ;;
  *) format=pei-x86-64 ;;
esac
shipped=("$win/src/plugin/40.PathForge.pin" "$win/sim/OVXIF.dll" "$win/tools/host/host.exe"
         "$win/tools/logview/logview.exe" "$win/tools/pathforge/pathforge.exe")
for file in "${shipped[@]}"; do
  found=$("$OBJDUMP" -f "$file" | sed -n 's/.*file format //p')
  if [ "$found" != "$format" ]; then
    echo "$file is $found, the build makes $format"
    exit 1
  fi
  runtime=$("$OBJDUMP" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | grep -iE '^lib(gcc|stdc|winpthread)' || true)
  if [ -n "$runtime" ]; then
    echo "$file needs the mingw-w64 runtime: $runtime"
    exit 1
  fi
done
echo "check-windows-build: ${#shipped[@]} files of $format, none needs a mingw-w64 runtime DLL"
passed=$((passed + 1))

# Started by a person, the test host opens no console window.
subsystem=$("$OBJDUMP" -p "$win/tools/host/host.exe" | sed -n 's/^Subsystem[[:space:]]*//p')
if [ "$subsystem" != "$(printf '00000002\t(Windows GUI)')" ]; then
  echo "$win/tools/host/host.exe is not a window program (GUI subsystem)"
  exit 1
fi
passed=$((passed + 1))

source scripts/wine-loader.sh
if [ "$format" = pei-i386 ] && ! wine_runs_32bit; then
  echo "pathforge.exe not run: this machine's kernel cannot run 32-bit programs under Wine"
  echo "windows build checks: $passed passed, 0 failed"
  exit 0
fi
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
