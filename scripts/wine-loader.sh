# shellcheck shell=bash
# Sourced by every script that starts Wine.
#
# Debian's launcher takes the 32-bit loader whenever wine32 is installed, and
# that loader starts every program, 64-bit ones included. On a kernel that
# cannot run 32-bit programs it fails with "Exec format error" before any
# program starts. There the commands wine and wine-stable (and through them
# wineboot, winepath and cmd) go to the 64-bit loader (scripts/wine64/), and
# wine_runs_32bit says no, so that a check of the 32-bit build can say why it
# did not run instead of failing for a reason outside the project.

wine_runs_32bit() { [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; }

if [ -x /usr/lib/wine/wine64 ] && ! wine_runs_32bit; then
  PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:$PATH"
  export PATH
fi
