#!/usr/bin/env bash
# Builds the Windows preset and packs the plug-in for a Windows machine:
# dist/PathForge-windows.zip holds 40.PathForge.pin, the simulated OVXIF.dll,
# host.exe, logview.exe and README.txt (scripts/package-readme.txt), flat,
# so that unpacked into one folder the host finds the plug-in and the
# plug-in the NC library.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need-packages.sh cmake ninja-build mingw-w64 binutils-mingw-w64-x86-64 zip

cmake --preset windows >/dev/null
cmake --build --preset windows --target pf_plugin OVXIF host logview
stage=$(mktemp -d /tmp/pathforge-package.XXXXXX)
trap 'rm -rf "$stage"' EXIT
build=build/windows
cp "$build/src/plugin/40.PathForge.pin" "$build/sim/OVXIF.dll" "$build/tools/host/host.exe" \
  "$build/tools/logview/logview.exe" "$stage/"
# Windows line ends for the readme.
sed 's/$/\r/' scripts/package-readme.txt >"$stage/README.txt"
mkdir -p dist
rm -f dist/PathForge-windows.zip
(cd "$stage" && zip -q -X ../"$(basename "$stage")".zip 40.PathForge.pin OVXIF.dll host.exe logview.exe README.txt)
mv "$stage.zip" dist/PathForge-windows.zip
unzip -l dist/PathForge-windows.zip
