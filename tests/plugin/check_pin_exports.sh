#!/bin/sh
# Checks the export table of the Windows plug-in: exactly the sixteen names
# of src/plugin/Exports.h, undecorated, with ordinals 1..16 in the order of
# that header.
#
# usage: check_pin_exports.sh [40.PathForge.pin]
#   default: build/windows/src/plugin/40.PathForge.pin of this tree
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
pin=${1:-$root/build/windows/src/plugin/40.PathForge.pin}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
header=$root/src/plugin/Exports.h

# The declared names, in order: "PF_EXPORT <type> <Name>(".
declared=$(sed -n 's/^PF_EXPORT [^(]*[ *&]\([A-Za-z0-9_]*\)(.*/\1/p' "$header")
count=$(printf '%s\n' "$declared" | wc -l)
if [ "$count" -ne 16 ]; then
  echo "check_pin_exports: read $count exports from $header, expected 16" >&2
  exit 2
fi

# "<ordinal> <name>" of each entry of the name-pointer table (objdump shows
# the ordinal less the base, which is 1).
base=$("$objdump" -p "$pin" | sed -n 's/^Export Address Table -- Ordinal Base \([0-9]*\).*/\1/p')
exported=$("$objdump" -p "$pin" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' |
  while read -r index name; do echo "$((index + ${base:-0})) $name"; done | sort -n)
if [ -z "$exported" ]; then
  echo "check_pin_exports: $pin exports nothing (or cannot be read)" >&2
  exit 2
fi

wanted=$(printf '%s\n' "$declared" | awk '{ print NR " " $0 }')
if [ "$exported" != "$wanted" ]; then
  echo "check_pin_exports: $pin: the export table differs from $header" >&2
  echo "expected (ordinal name):" >&2
  printf '%s\n' "$wanted" >&2
  echo "exported:" >&2
  printf '%s\n' "$exported" >&2
  exit 1
fi
echo "check_pin_exports: $pin: the 16 exports by name, ordinals 1..16 in the order of Exports.h"
