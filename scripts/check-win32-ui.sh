#!/usr/bin/env bash
# Runs the Win32 toolkit proof (tools/uiproof) of a Windows build under Wine
# on a virtual display, takes the screenshots it asks for, and counts its
# checks. Builds nothing.
#
#   scripts/check-win32-ui.sh [build folder] [screenshot folder]
#
# Defaults: build/windows and build/win32-ui-shots. The proof leaves
# "<name>.wanted" in the screenshot folder when its window is ready; this
# script answers with "<name>.png" (the whole display) and removes the marker.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
shots=${2:-build/win32-ui-shots}
exe="$build/tools/uiproof/uiproof.exe"
timeout_s=240

passed=0
failed=0
summary() {
  echo "win32 ui checks: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

if [ ! -f "$exe" ]; then
  echo "not ok - $exe exists (build the windows preset first)"
  failed=1
  summary
  exit 1
fi
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots"/*.wanted
exe=$(realpath "$exe")
shots=$(realpath "$shots")

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d /tmp/pathforge-win32ui.XXXXXX)
export DISPLAY=":$display" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=""
cleanup() {
  if [ -n "$WINEPREFIX" ]; then WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -rf "$work"
  if [ -n "$WINEPREFIX" ]; then rm -rf "$WINEPREFIX"; fi
}
trap cleanup EXIT
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done

export WINEPREFIX
WINEPREFIX=$(scripts/wine-prefix.sh)
# Wine draws the Windows frames itself: there is no window manager on Xvfb.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
# Two project folders in the prefix's data folder for the project page's list.
appdata=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
programs="$(winepath -u "$appdata" 2>/dev/null)/KORVANTEL/Servo Bench/Program"
mkdir -p "$programs/Alpha" "$programs/beta"
wineserver -w

wine "$exe" --shots "Z:${shots//\//\\}" >"$work/out.txt" 2>"$work/err.txt" &
proof=$!
deadline=$((SECONDS + timeout_s))
taken=()
while kill -0 "$proof" 2>/dev/null; do
  for marker in "$shots"/*.wanted; do
    [ -e "$marker" ] || continue
    name=$(basename "$marker" .wanted)
    xwd -root -display ":$display" -silent | convert xwd:- "$shots/$name.png"
    taken+=("$name")
    rm -f "$marker"
  done
  if [ "$SECONDS" -ge "$deadline" ]; then
    echo "not ok - uiproof finished within $timeout_s s"
    failed=$((failed + 1))
    kill "$proof" 2>/dev/null
    break
  fi
  sleep 0.2
done
wait "$proof"
status=$?

tr -d '\r' <"$work/out.txt"
passed=$((passed + $(tr -d '\r' <"$work/out.txt" | grep -c '^ok - ')))
failed=$((failed + $(tr -d '\r' <"$work/out.txt" | grep -c '^not ok - ')))
for name in "${taken[@]}"; do
  if [ -s "$shots/$name.png" ]; then
    passed=$((passed + 1))
  else
    echo "not ok - $shots/$name.png was written"
    failed=$((failed + 1))
  fi
done
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
  echo "not ok - uiproof exited with status $status"
  sed 's/^/# /' "$work/err.txt"
  failed=1
fi
echo "# screenshots in $shots"
summary
