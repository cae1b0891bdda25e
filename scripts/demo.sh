#!/usr/bin/env bash
# The main job: the plug-in's wizard, run through its StartIF as a host runs
# it, on the simulated NC's built-in machine, through the typical request (a
# new project, machine type 1, the time-constant programs of $1-X).
#
# It first installs the X tools it needs to look at the display, then says
# which of two demos it runs and why:
#
# With a display ($DISPLAY set and reachable): the real Windows plug-in under
# Wine. The Windows build's host.exe loads 40.PathForge.pin and plays
# tests/e2e/typical-request.script (project "Typical", checked against its
# golden files) on the real wizard windows at a pace a person can follow,
# with the log viewer beside the wizard; then the files written are printed.
# Without a window manager (a bare Xvfb) Wine draws the window frames itself.
# Screenshots of each page go to demo-output/shots. The Wine prefix (0.7 to
# 1.3 GB) is kept for the next run outside the working tree, in
# ${XDG_CACHE_HOME:-~/.cache}/pathforge/wine-prefix; its path is printed.
#
# Without one: the headless demo. `pathforge wizard` runs the built-in demo
# (project "Demo") on the headless toolkit and prints each page and the
# files written.
#
# Either way the data folder is emptied first and lies below demo-output/,
# so the user's own settings are not touched. `env -u DISPLAY scripts/demo.sh`
# asks for the headless demo on a desktop. Both end by saying what their page
# numbers and their last line, "N passed, M failed", mean.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-display.sh

# The tools that look at the display, before anything is decided with them.
scripts/need-packages.sh x11-apps x11-utils

# Why the display can (or cannot) show the wizard; empty when it can.
display_refusal() {
  if [ -z "${DISPLAY:-}" ]; then
    echo "DISPLAY is not set"
  elif ! xwd -root -silent -display "$DISPLAY" >/dev/null 2>&1; then
    echo "no X server answers on DISPLAY=$DISPLAY"
  fi
}

has_window_manager() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# What the numbers of the output mean.
explain_output() {
  cat <<'TEXT'

Reading the output:
  Page numbers ("== page N", the screenshots' "NN-page-N") are the wizard's
  pages by position: 0 project, 1 machine information, 2 program selection,
  3 to 13 the program pages of kinds 0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10 (the
  time-constant programs of this demo are 4, rapid traverse, and 6, cutting
  feed), 14 requirements.
  "N passed, M failed" counts the checks of the run: every step a person
  does on the wizard (typing, clicking, a wizard button) and every
  expectation the script states (the page shown, a control's text or
  state, the buttons offered, the bytes of each file written) counts once;
  the Windows host adds its five checks of the plug-in's interface.
  "0 failed" means every page looked and every file came out as expected.
TEXT
}

headless_demo() {
  scripts/need-packages.sh build-essential cmake ninja-build googletest libgtest-dev libgmock-dev libbenchmark-dev
  cmake --preset native >/dev/null
  cmake --build --preset native --target pathforge
  rm -rf demo-output/data
  export XDG_DATA_HOME="$PWD/demo-output/data"
  build/native/tools/pathforge/pathforge wizard
  explain_output
}

viewer=""
stop_viewer() { if [ -n "$viewer" ]; then kill "$viewer" 2>/dev/null || true; fi; }

wine_demo() {
  scripts/need-packages.sh cmake ninja-build mingw-w64 binutils-mingw-w64-x86-64 wine wine64 imagemagick
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target host logview
  local host=$PWD/build/windows/tools/host out=$PWD/demo-output
  local script data
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/pathforge/wine-prefix
  if [ ! -d "$WINEPREFIX" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # An older demo kept its prefix in the working tree.
    if [ -d "$out/wine-prefix" ]; then mv "$out/wine-prefix" "$WINEPREFIX"; else mv "$(scripts/wine-prefix.sh)" "$WINEPREFIX"; fi
  fi
  echo "Wine prefix (kept for the next run; delete it to free its space): $WINEPREFIX"
  if has_window_manager; then
    wine_window_frames yes
  else
    echo "No window manager on $DISPLAY: Wine draws the window frames itself."
    wine_window_frames no
  fi
  data=$(wine_data_folder)
  script=$(winepath -w "$PWD/tests/e2e/typical-request.script")
  rm -rf "$data" "$out/shots"
  mkdir -p "$out/shots"

  wine "$PWD/build/windows/tools/logview/logview.exe" >/dev/null 2>&1 &
  viewer=$!
  trap stop_viewer EXIT
  (cd "$host" && wine host.exe --wait-viewer --pace 700 --script "$script" --shots "$(winepath -w "$out/shots")")
  for bmp in "$out/shots"/*.bmp; do convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"; done
  find "$data/Program" -type f | sort | while read -r file; do
    echo "== ${file#"$data/"} ($(stat -c %s "$file") bytes)"
    tr -d '\r' <"$file" | awk '{ print "  " $0 }'
  done
  echo "Screenshots of each page: $out/shots"
  explain_output
  sleep 3
}

refusal=$(display_refusal)
if [ -z "$refusal" ]; then
  echo "Demo on real windows under Wine: the display $DISPLAY answers."
  wine_demo
else
  echo "Headless demo: $refusal (set DISPLAY to a desktop or an Xvfb for the demo under Wine)."
  headless_demo
fi
