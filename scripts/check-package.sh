#!/usr/bin/env bash
# Checks the Windows package as a user meets it. Unpacked into a fresh
# folder: its layout (each plug-in alone in its folder, so no OVXIF.dll
# where a plug-in is; the try-it folders complete), Windows line ends in
# every text file, LICENSES.txt with the licenses of what is linked in, the
# plug-ins of the right architecture, every binary with a version resource
# that names the zip's version and stripped, the programs with their icon
# and application manifest. Every binary is then signed with a throwaway
# self-signed certificate by scripts/sign-binaries.sh, as the package script
# signs with a real one, and the signatures are verified (a changed file must
# fail). Then, in a fresh Wine prefix on a virtual display, with the signed
# binaries, per architecture: host.exe started alone explains where the
# plug-in is; try-pathforge.bat started as by a double-click puts the log
# viewer beside the wizard; and the typical request played through
# try-pathforge.bat as a user starts it (the log viewer first, then the test
# host), checked against its golden files. Builds nothing.
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

scripts/need-packages.sh icoutils osslsigncode openssl x11-utils >/dev/null
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
listed=(README.txt LICENSES.txt)
for arch in x64 x86; do
  listed+=("$arch/40.PathForge.pin")
  for file in OVXIF.dll host.exe logview.exe machine.ini try-pathforge.bat; do
    listed+=("try-without-a-cnc/$arch/$file")
  done
done
wanted=$(printf '%s\n' "${listed[@]}" | sort)
found=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | sort)
[ "$found" = "$wanted" ]
result $? "the package holds exactly the plug-ins, the try-it folders, README.txt and LICENSES.txt"
[ "$found" = "$wanted" ] || diff <(echo "$wanted") <(echo "$found") | sed 's/^/# /'

for text in $(cd "$unpacked" && find . -type f ! -name '*.pin' ! -name '*.dll' ! -name '*.exe' | sed 's|^\./||' | sort); do
  [ "$(grep -c '' "$unpacked/$text")" -eq "$(grep -c $'\r$' "$unpacked/$text")" ] && [ "$(tail -c 1 "$unpacked/$text")" = "" ]
  result $? "$text: every line ends in CR LF"
done

licenses="$unpacked/LICENSES.txt"
grep -q '^Files: mingw-w64-crt/' "$licenses" && grep -q '^Files: mingw-w64-libraries/winpthreads/\*' "$licenses" &&
  grep -q '^License: ZPL-2.1' "$licenses" && grep -q '^License: expat' "$licenses" &&
  grep -q '^GCC RUNTIME LIBRARY EXCEPTION' "$licenses"
result $? "LICENSES.txt: the mingw-w64 runtime's, winpthreads' and GCC's runtime license texts"

beside=$(cd "$unpacked" && find . -iname '*.pin' -printf '%h\n' | sort -u | while read -r folder; do
  find "$folder" -maxdepth 1 -iname 'OVXIF.dll'
done)
[ -z "$beside" ]
result $? "no OVXIF.dll in a folder that holds a plug-in"

# A string value of a binary's version resource.
version_value() {
  x86_64-w64-mingw32-windres -i "$1" -O rc 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *VALUE \"$2\", \"\(.*\)\"\$/\1/p"
}
for arch in x64 x86; do
  pin="$unpacked/$arch/40.PathForge.pin"
  objdump=${objdumps[$arch]}
  [ "$("$objdump" -f "$pin" | sed -n 's/.*file format //p')" = "${formats[$arch]}" ]
  result $? "$arch/40.PathForge.pin is a ${formats[$arch]} DLL"
  for binary in "$pin" "$unpacked/try-without-a-cnc/$arch"/*.{dll,exe}; do
    name=$(basename "$binary")
    [ "$(version_value "$binary" FileVersion)" = "$version" ] && [ "$(version_value "$binary" ProductVersion)" = "$version" ] &&
      [ "$(version_value "$binary" ProductName)" = PathForge ] && [ -n "$(version_value "$binary" FileDescription)" ] &&
      [ -n "$(version_value "$binary" CompanyName)" ] && [ -n "$(version_value "$binary" LegalCopyright)" ] &&
      [ "$(version_value "$binary" OriginalFilename)" = "$name" ]
    result $? "$arch/$name: version $version, product, company, copyright, description and file name in its version resource"
  done
  for program in host.exe logview.exe; do
    binary="$unpacked/try-without-a-cnc/$arch/$program"
    manifest=$(wrestool -x --raw -t 24 -n 1 "$binary" 2>/dev/null | tr -d '\r')
    grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest" &&
      grep -q '>PerMonitorV2, PerMonitor<' <<<"$manifest" && [ -n "$(wrestool -l -t 14 "$binary" 2>/dev/null)" ]
    result $? "$arch/$program: an icon, and a manifest asking for common controls 6 and per-monitor DPI"
  done
  symbols=0
  for binary in "$pin" "$unpacked/try-without-a-cnc/$arch"/*.{dll,exe}; do
    symbols=$((symbols + $("$objdump" -t "$binary" | grep -c '^\[')))
  done
  [ "$symbols" -eq 0 ]
  result $? "$arch: the binaries are stripped"
done

# Every binary signed with a throwaway certificate, as package.sh signs with
# PATHFORGE_SIGN_CERT and PATHFORGE_SIGN_KEY; the Wine runs below use them.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=PathForge package check" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" >/dev/null 2>&1
mapfile -t binaries < <(find "$unpacked" -type f \( -name '*.pin' -o -name '*.dll' -o -name '*.exe' \) | sort)
scripts/sign-binaries.sh "$work/cert.pem" "$work/key.pem" "${binaries[@]}"
result $? "sign-binaries.sh signed every binary with the throwaway certificate"
for binary in "${binaries[@]}"; do
  osslsigncode verify -CAfile "$work/cert.pem" -in "$binary" >/dev/null 2>&1
  result $? "${binary#"$unpacked"/}: its signature verifies"
done
changed="$work/changed.pin"
cp "$unpacked/x64/40.PathForge.pin" "$changed"
printf 'X' | dd of="$changed" bs=1 seek=4096 conv=notrunc 2>/dev/null
! osslsigncode verify -CAfile "$work/cert.pem" -in "$changed" >/dev/null 2>&1
result $? "a signed plug-in changed by one byte fails the verification"

# The top-level window of that title on the display: "left top right bottom".
window_box() {
  xwininfo -display ":$display" -name "$1" 2>/dev/null | awk '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { if (w) print x, y, x + w, y + h }'
}
wizard_title="PathForge program wizard $version"
# The viewer's own window carries its version; the bare title belongs to the
# hidden window that takes the records.
viewer_title="Drive Composer log viewer $version"

# The architectures whose programs this machine can run under Wine.
runnable=(x64)
if wine_runs_32bit; then
  runnable+=(x86)
else
  echo "# x86 programs not run: this machine's kernel cannot run 32-bit programs"
fi

# A person's first steps: host.exe on its own, then the batch file.
for arch in "${runnable[@]}"; do
  try="$unpacked/try-without-a-cnc/$arch"
  alone="$artefacts/$arch-host-alone.txt"
  (cd "$try" && timeout "$timeout_s" wine host.exe --report "$(windows_path "$alone")") >/dev/null 2>&1
  status=$?
  [ "$status" -eq 2 ] && grep -qF "double-click try-pathforge.bat" "$alone" &&
    grep -qF "..\\..\\$arch\\40.PathForge.pin" "$alone"
  result $? "$arch: host.exe alone says where the plug-in is and points to try-pathforge.bat"
  (cd "$try" && wine cmd /c try-pathforge.bat) >/dev/null 2>&1 &
  started=$!
  wizard="" viewer=""
  for _ in $(seq 300); do
    wizard=$(window_box "$wizard_title")
    viewer=$(window_box "$viewer_title")
    [ -n "$wizard" ] && [ -n "$viewer" ] && read -r _ _ wizard_right _ <<<"$wizard" &&
      read -r viewer_left _ <<<"$viewer" && [ "$viewer_left" -ge "$wizard_right" ] && break
    sleep 0.2
  done
  xwd -root -display ":$display" -silent | convert xwd:- "$artefacts/$arch-double-click.png" 2>/dev/null
  read -r _ _ wizard_right _ <<<"${wizard:-0 0 0 0}"
  read -r viewer_left _ <<<"${viewer:-0}"
  [ -n "$wizard" ] && [ -n "$viewer" ] && [ "$viewer_left" -ge "$wizard_right" ]
  result $? "$arch: try-pathforge.bat double-clicked puts the log viewer beside the wizard (wizard ${wizard:-not shown}, viewer ${viewer:-not shown})"
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  wait "$started"
done

# The typical request, through the try-it folder's batch file.
data=$(wine_data_folder)
script=$(windows_path "$(realpath tests/e2e/typical-request.script)")
for arch in "${runnable[@]}"; do
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
