#!/usr/bin/env bash
# Installs the Debian packages named as arguments when any of them is missing.
# A name qualified with a foreign architecture (wine32:i386) first adds that
# architecture to dpkg. Run as root, or through sudo otherwise; running it
# again changes nothing. Called by the README's commands and by CI.
set -euo pipefail
missing=()
foreign=()
for pkg in "$@"; do
  dpkg -s "$pkg" >/dev/null 2>&1 && continue
  missing+=("$pkg")
  case $pkg in
    *:*) foreign+=("${pkg##*:}") ;;
  esac
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
native=$(dpkg --print-architecture)
for arch in "${foreign[@]}"; do
  [ "$arch" = "$native" ] && continue
  dpkg --print-foreign-architectures | grep -qx "$arch" || "${sudo_cmd[@]}" dpkg --add-architecture "$arch"
done
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
