#!/usr/bin/env bash
# Checks the Windows package as a user meets it. Unpacked into a fresh
# folder: its layout (each plug-in alone in its folder, so no OVXIF.dll
# where a plug-in is; the try-it folders complete), the plug-ins of the
# right architecture with a version resource that names the zip's version,
# every binary stripped. Then, in a fresh Wine prefix on a virtual display,
# the typical request played through try-pathforge.bat of each architecture
# as a user starts it (the log viewer first, then the test host), checked
# against its golden files. Builds nothing.
#
#   scripts/check-package.sh ZIP [artefacts folder]
#
# Default artefacts folder: artifacts/package (each run's report and the
# screenshots of its pages).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2
zip=$1
artefacts=${2:-artifacts/package}
timeout_s=300

source scripts/check-tally.sh
# The result of the command just run: its status, then what it checked.
result() { if [ "$1" -eq 0 ]; then ok "$2"; else not_ok "$2"; fi; }

version=$(basename "$zip" | sed -n 's/^PathForge-\([0-9][0-9.]*[0-9]\)-windows\.zip$/\1/p')
if [ ! -f "$zip" ] || [ -z "$version" ]; then
  not_ok "$zip is a package named PathForge-<version>-windows.zip"
  tally_summary package
  exit 1
fi
zip=$(realpath "$zip")
mkdir -p "$artefacts"
artefacts=$(realpath "$artefacts")
rm -rf "${artefacts:?}"/*

source scripts/wine-display.sh
start_wine_display package
unpacked="$work/unpacked"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"

declare -A objdumps=([x64]=x86_64-w64-mingw32-objdump [x86]=i686-w64-mingw32-objdump)
declare -A formats=([x64]=pei-x86-64 [x86]=pei-i386)
wanted="README.txt"
for arch in x64 x86; do
  wanted+=" $arch/40.PathForge.pin"
  for file in OVXIF.dll host.exe logview.exe machine.ini try-pathforge.bat; do
    wanted+=" try-without-a-cnc/$arch/$file"
  done
done
wanted=$(printf '%s\n' $wanted | sort)
found=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | sort)
[ "$found" = "$wanted" ]
result $? "the package holds exactly the plug-ins, the try-it folders and README.txt"
[ "$found" = "$wanted" ] || diff <(echo "$wanted") <(echo "$found") | sed 's/^/# /'

beside=$(cd "$unpacked" && find . -iname '*.pin' -printf '%h\n' | sort -u | while read -r folder; do
  find "$folder" -maxdepth 1 -iname 'OVXIF.dll'
done)
[ -z "$beside" ]
result $? "no OVXIF.dll in a folder that holds a plug-in"

# A string value of the plug-in's version resource.
version_value() {
  x86_64-w64-mingw32-windres -i "$1" -O rc 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *VALUE \"$2\", \"\(.*\)\"\$/\1/p"
}
for arch in x64 x86; do
  pin="$unpacked/$arch/40.PathForge.pin"
  objdump=${objdumps[$arch]}
  [ "$("$objdump" -f "$pin" | sed -n 's/.*file format //p')" = "${formats[$arch]}" ]
  result $? "$arch/40.PathForge.pin is a ${formats[$arch]} DLL"
  [ "$(version_value "$pin" FileVersion)" = "$version" ] && [ "$(version_value "$pin" ProductVersion)" = "$version" ]
  result $? "$arch/40.PathForge.pin: version $version in its version resource"
  [ "$(version_value "$pin" ProductName)" = PathForge ] && [ -n "$(version_value "$pin" FileDescription)" ] &&
    [ "$(version_value "$pin" OriginalFilename)" = 40.PathForge.pin ]
  result $? "$arch/40.PathForge.pin: product name, file description and original file name"
  symbols=0
  for binary in "$pin" "$unpacked/try-without-a-cnc/$arch"/*.{dll,exe}; do
    symbols=$((symbols + $("$objdump" -t "$binary" | grep -c '^\[')))
  done
  [ "$symbols" -eq 0 ]
  result $? "$arch: the binaries are stripped"
done

# The typical request, through the try-it folder's batch file.
data=$(wine_data_folder)
script=$(windows_path "$(realpath tests/e2e/typical-request.script)")
for arch in x64 x86; do
  if [ "$arch" = x86 ] && ! wine_runs_32bit; then
    echo "# x86: not run, this machine's kernel cannot run 32-bit programs"
    continue
  fi
  rm -rf "$data"
  shots="$artefacts/shots/$arch"
  report="$artefacts/$arch-typical-request.log"
  mkdir -p "$shots"
  (cd "$unpacked/try-without-a-cnc/$arch" &&
    timeout "$timeout_s" wine cmd /c try-pathforge.bat --script "$script" \
      --report "$(windows_path "$report")" --shots "$(windows_path "$shots")") >"$artefacts/$arch-wine.log" 2>&1
  status=$?
  shots_to_png "$shots"
  counts=$(host_counts "$report")
  [ "$status" -eq 0 ] && [ "${counts#* passed, }" = "0 failed" ]
  result $? "$arch: the typical request through try-pathforge.bat (${counts:-no report})"
  [ "$status" -eq 0 ] || tr -d '\r' <"$report" 2>/dev/null | sed 's/^/# /'
  # Wine's processes show their Windows path, which holds this run's folder.
  pgrep -f "$(basename "$work").unpacked.try-without-a-cnc.$arch.logview\.exe" >/dev/null
  result $? "$arch: try-pathforge.bat started the log viewer"
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
done

echo "# artefacts in $artefacts"
tally_summary package
