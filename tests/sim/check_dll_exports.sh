#!/bin/sh
# Checks the export table of a Windows build of the simulated NC library:
# every checked entry point of src/nclink/OvxContract.h, OvxNcIfCallPinType
# and ConvertSerialAxisToSystemAxisPermittedSPC must be exported by name;
# for a variant, the one entry point it lacks must not be.
#
# usage: check_dll_exports.sh [OVXIF.dll [LACKING]]
#   default: build/windows/sim/OVXIF.dll of this tree, nothing lacking
#   e.g.:    check_dll_exports.sh build/windows/sim/without-InitMSmpTimeout/OVXIF.dll InitMSmpTimeout
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
dll=${1:-$root/build/windows/sim/OVXIF.dll}
lacking=${2:-}
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
contract=$root/src/nclink/OvxContract.h

# The X(Name) entries of the OVX_CHECKED_ENTRY_POINTS macro: from its
# #define line through the last continued line.
checked=$(sed -n '/^#define OVX_CHECKED_ENTRY_POINTS(X)/,/[^\\]$/p' "$contract" |
  grep -o 'X([A-Za-z0-9_]*)' | sed 's/^X(\(.*\))$/\1/')
count=$(printf '%s\n' "$checked" | wc -l)
if [ "$count" -ne 103 ]; then
  echo "check_dll_exports: read $count checked entry points from $contract, expected 103" >&2
  exit 2
fi

# The names of the export table's name-pointer table.
exports=$("$objdump" -p "$dll" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p')
if [ -z "$exports" ]; then
  echo "check_dll_exports: $dll exports nothing (or cannot be read)" >&2
  exit 2
fi

status=0
for name in $checked OvxNcIfCallPinType ConvertSerialAxisToSystemAxisPermittedSPC; do
  if printf '%s\n' "$exports" | grep -qx "$name"; then
    if [ "$name" = "$lacking" ]; then
      echo "exported, but the variant must lack it: $name" >&2
      status=1
    fi
  elif [ "$name" != "$lacking" ]; then
    echo "not exported: $name" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "check_dll_exports: $dll: all $((count + 2)) entry points checked${lacking:+ ($lacking absent, as it must be)}"
exit "$status"
