# shellcheck shell=bash
# Sourced by the Wine checks: a virtual display, a fresh Wine prefix on it,
# and their removal when the calling script exits.
#
#   source scripts/wine-display.sh
#   start_wine_display NAME    # sets DISPLAY, WINEPREFIX, WINEDEBUG, work (a
#                              # scratch folder), display (its number)
#   wine_data_folder           # prints the prefix's data folder (POSIX path)
#   kill_on_wine_exit NAME     # kills the process whose id the variable NAME
#                              # holds (when not empty) as the script exits
#   wine_window_frames yes|no  # whether a window manager frames Wine's windows
#   windows_path PATH          # the Windows form of a POSIX path in the prefix
#   shots_to_png FOLDER        # the host's BMP screenshots there become PNG files
#   wine_screenshot FILE       # a PNG of the display, cut to the windows shown
#
# Wine draws the Windows frames itself: there is no window manager on Xvfb.

source scripts/wine-loader.sh

_wine_exit_pids=()

kill_on_wine_exit() { _wine_exit_pids+=("$1"); }

windows_path() { winepath -w "$1" 2>/dev/null; }

shots_to_png() {
  local bmp
  for bmp in "$1"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
}

# The root window with each window drawn over it from the bottom up: on a
# bare X server the root reads back black where a Wine window lies over
# another one (a dialog, a menu), while the window itself holds its picture.
wine_screenshot() {
  local out=$1 layers=() id size place tmp
  tmp=$(mktemp -d)
  xwd -root -silent | convert xwd:- "$tmp/root.png"
  while read -r id size place; do
    [ "$size" = 1x1 ] && continue
    xwd -id "$id" -silent 2>/dev/null | convert xwd:- "$tmp/$id.png" 2>/dev/null || continue
    layers+=("$tmp/$id.png" -geometry "$place" -composite)
  done < <(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1, $(NF - 1), $NF }' | tac)
  convert "$tmp/root.png" "${layers[@]}" -trim +repage "$out"
  rm -rf "$tmp"
}

_stop_wine_display() {
  local name
  for name in "${_wine_exit_pids[@]}"; do
    if [ -n "${!name}" ]; then kill "${!name}" 2>/dev/null || true; fi
  done
  if [ -n "${WINEPREFIX:-}" ]; then WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true; fi
  if [ -n "${_xvfb:-}" ]; then
    kill "$_xvfb" 2>/dev/null || true
    wait "$_xvfb" 2>/dev/null || true
  fi
  rm -rf "${work:-}"
  if [ -n "${WINEPREFIX:-}" ]; then rm -rf "$WINEPREFIX"; fi
}

start_wine_display() {
  display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  _xvfb=$!
  work=$(mktemp -d "/tmp/pathforge-$1.XXXXXX")
  WINEPREFIX=""
  trap _stop_wine_display EXIT
  export DISPLAY=":$display" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
  done
  export WINEPREFIX
  WINEPREFIX=$(scripts/wine-prefix.sh)
  wine_window_frames no
}

# With "no" (a bare X server) Wine draws the frames and title bars of its
# windows itself; with "yes" the desktop's window manager does.
wine_window_frames() {
  local managed=N
  [ "$1" = yes ] && managed=Y
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d "$managed" /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f >/dev/null 2>&1
}

wine_data_folder() {
  local appdata
  appdata=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
  echo "$(winepath -u "$appdata" 2>/dev/null)/KORVANTEL/Servo Bench"
}
