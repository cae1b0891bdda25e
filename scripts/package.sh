#!/usr/bin/env bash
# Builds both Windows presets and packs the product for a Windows user into
# dist/PathForge-<version>-windows.zip (the version is the CMake project
# version):
#
#   README.txt                        what goes where (scripts/package-readme.txt)
#   LICENSES.txt                      the licenses of what the toolchain links
#                                     in (scripts/package-licenses.sh)
#   x64/40.PathForge.pin              the plug-in for a 64-bit host application
#   x86/40.PathForge.pin              the plug-in for a 32-bit host application
#   try-without-a-cnc/<arch>/         the test host, the simulated OVXIF.dll, the
#                                     log viewer, a machine description and
#                                     try-pathforge.bat, which starts the viewer
#                                     and then the host on ..\..\<arch>\40.PathForge.pin
#
# The plug-in folders hold nothing else: the simulated library carries the
# maker's file name and must never land beside the real host. Binaries are
# stripped, and signed when a code-signing certificate is given:
#
#   PATHFORGE_SIGN_CERT=cert.pem PATHFORGE_SIGN_KEY=key.pem scripts/package.sh
#
# (scripts/sign-binaries.sh says more; PATHFORGE_SIGN_TIMESTAMP adds a time
# stamp). Text files have Windows line ends. Prints the zip's path last.
set -euo pipefail
cd "$(dirname "$0")/.."

cert=${PATHFORGE_SIGN_CERT:-}
key=${PATHFORGE_SIGN_KEY:-}
if [ -n "$cert$key" ] && { [ ! -f "$cert" ] || [ ! -f "$key" ]; }; then
  echo "signing needs both PATHFORGE_SIGN_CERT and PATHFORGE_SIGN_KEY, each a file" >&2
  exit 2
fi
scripts/need-packages.sh cmake ninja-build mingw-w64 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 zip \
  ${cert:+osslsigncode}

# Windows line ends for a text file.
crlf() { sed 's/\r*$/\r/' "$@"; }

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
  crlf sim/machines/builtin.ini >"$try/machine.ini"
  sed "s/@ARCH@/$arch/g" scripts/package-try.bat | crlf >"$try/try-pathforge.bat"
  binaries=("$stage/$arch/40.PathForge.pin" "$try/OVXIF.dll" "$try/host.exe" "$try/logview.exe")
  "$strip" --strip-all "${binaries[@]}"
  if [ -n "$cert" ]; then scripts/sign-binaries.sh "$cert" "$key" "${binaries[@]}"; fi
done
sed "s/@VERSION@/$version/g" scripts/package-readme.txt | crlf >"$stage/README.txt"
scripts/package-licenses.sh | crlf >"$stage/LICENSES.txt"
zip=dist/PathForge-$version-windows.zip
mkdir -p dist
rm -f "$zip"
(cd "$stage" && zip -q -X -r "$stage.zip" README.txt LICENSES.txt x64 x86 try-without-a-cnc)
mv "$stage.zip" "$zip"
echo "$zip"
