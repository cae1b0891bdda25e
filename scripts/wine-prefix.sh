#!/usr/bin/env bash
# Makes a fresh Wine prefix for one test run and prints its path. Mono and
# Gecko are switched off so that no installer prompt appears.
set -euo pipefail
# shellcheck source=scripts/wine-loader.sh
source "$(dirname "$0")/wine-loader.sh"
prefix=$(mktemp -d /tmp/pathforge-wine.XXXXXX)
WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -u >/dev/null 2>&1
WINEPREFIX="$prefix" wineserver -w
echo "$prefix"
