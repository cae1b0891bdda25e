#!/usr/bin/env bash
# Builds both Windows presets and packs the product for a Windows user into
# dist/PathForge-<version>-windows.zip (the version is the CMake project
# version):
#
#   README.txt                        what goes where (scripts/package-readme.txt)
#   x64/40.PathForge.pin              the plug-in for a 64-bit host application
#   x86/40.PathForge.pin              the plug-in for a 32-bit host application
#   try-without-a-cnc/<arch>/         the test host, the simulated OVXIF.dll, the
#                                     log viewer, a machine description and
#                                     try-pathforge.bat, which starts the viewer
#                                     and then the host on ..\..\<arch>\40.PathForge.pin
#
# The plug-in folders hold nothing else: the simulated library carries the
# maker's file name and must never land beside the real host. Binaries are
# stripped. Prints the zip's path last.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need-packages.sh cmake ninja-build mingw-w64 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 zip

declare -A presets=([x64]=windows [x86]=windows-x86)
stage=$(mktemp -d /tmp/pathforge-package.XXXXXX)
trap 'rm -rf "$stage"' EXIT
version=""
for arch in x64 x86; do
  build=build/${presets[$arch]}
  cmake --preset "${presets[$arch]}" >/dev/null
  cmake --build --preset "${presets[$arch]}" --target pf_plugin OVXIF host logview >/dev/null
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  strip=$(sed -n 's/^CMAKE_STRIP:FILEPATH=//p' "$build/CMakeCache.txt")
  try="$stage/try-without-a-cnc/$arch"
  mkdir -p "$stage/$arch" "$try"
  cp "$build/src/plugin/40.PathForge.pin" "$stage/$arch/"
  cp "$build/sim/OVXIF.dll" "$build/tools/host/host.exe" "$build/tools/logview/logview.exe" "$try/"
  cp sim/machines/builtin.ini "$try/machine.ini"
  sed "s/@ARCH@/$arch/g; s/\$/\r/" scripts/package-try.bat >"$try/try-pathforge.bat"
  "$strip" --strip-all "$stage/$arch/40.PathForge.pin" "$try/OVXIF.dll" "$try/host.exe" "$try/logview.exe"
done
# Windows line ends for the readme.
sed "s/@VERSION@/$version/g; s/\$/\r/" scripts/package-readme.txt >"$stage/README.txt"
zip=dist/PathForge-$version-windows.zip
mkdir -p dist
rm -f "$zip"
(cd "$stage" && zip -q -X -r "$stage.zip" README.txt x64 x86 try-without-a-cnc)
mv "$stage.zip" "$zip"
echo "$zip"
