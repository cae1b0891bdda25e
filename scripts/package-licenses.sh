#!/usr/bin/env bash
# Prints LICENSES.txt of the Windows package: the licenses of what the
# mingw-w64 toolchain links into every binary (-static: nothing of it is a
# DLL of its own), taken from the copyright files of the installed Debian
# packages that the binaries were built with:
#
#   the mingw-w64 runtime (mingw-w64-crt)   mingw-w64-common's copyright file:
#   winpthreads                             its paragraphs for every file, the
#                                           runtime and winpthreads (not its
#                                           tests), and the licenses they name
#   libstdc++ and libgcc of GCC             the GCC Runtime Library Exception of
#                                           gcc-mingw-w64-base's copyright file
#
#   scripts/package-licenses.sh > LICENSES.txt     (LF line ends)
set -euo pipefail

mingw=/usr/share/doc/mingw-w64-common/copyright
gcc=/usr/share/doc/gcc-mingw-w64-base/copyright
for file in "$mingw" "$gcc"; do
  [ -f "$file" ] || { echo "$file is missing: install mingw-w64" >&2; exit 1; }
done
package_version() { dpkg-query -W -f '${Version}' "$1" 2>/dev/null || echo "unknown"; }

cat <<TEXT
PathForge for Windows: the licenses of what is linked in
========================================================

Every program and library of this package (40.PathForge.pin, host.exe,
logview.exe, OVXIF.dll) was built with the mingw-w64 cross compilers of
Debian, which link these parts of the toolchain into each file:

  - the mingw-w64 runtime: the start-up code and what it adds to the
    Windows C runtime (mingw-w64-crt)
  - winpthreads: POSIX threads on Windows, under the C++ threads
  - libstdc++ and libgcc of GCC: the C++ standard library and the
    compiler's support routines

Their license texts follow as Debian states them: the copyright file of
mingw-w64-common $(package_version mingw-w64-common) for the runtime and winpthreads (the
paragraphs for every file, for mingw-w64-crt and for winpthreads, then the
licenses they name), and the GCC Runtime Library Exception from the
copyright file of gcc-mingw-w64-base $(package_version gcc-mingw-w64-base), under which
libstdc++ and libgcc may be combined with a program of any license.


The mingw-w64 runtime and winpthreads
-------------------------------------

TEXT

# Paragraph mode: a "Files:" paragraph is kept when it names every file, the
# runtime or winpthreads' own sources; a stand-alone "License:" paragraph is
# kept when a kept one names its license.
awk 'BEGIN { RS = ""; ORS = "\n\n" }
  /^Files:/ {
    files = $0
    sub(/\nCopyright:.*/, "", files)
    if (files ~ /(^Files:|\n)[ \t]*(Files: )?(\*|mingw-w64-crt\/[^\n]*|mingw-w64-libraries\/winpthreads\/(\*|include\/[^\n]*|src\/[^\n]*))(\n|$)/) {
      print
      match($0, /\nLicense: [^\n]*/)
      count = split(substr($0, RSTART + 10, RLENGTH - 10), names, / and | or /)
      for (i = 1; i <= count; i++) wanted[names[i]] = 1
    }
    next
  }
  /^License:/ {
    name = substr($0, 10)
    sub(/\n.*/, "", name)
    text[name] = $0
    order[++licenses] = name
  }
  END { for (i = 1; i <= licenses; i++) if (order[i] in wanted) print text[order[i]] }' "$mingw"

cat <<TEXT

libstdc++ and libgcc: the GCC Runtime Library Exception
-------------------------------------------------------

TEXT
sed -n '/^GCC RUNTIME LIBRARY EXCEPTION$/,/^requirements of the license of GCC\.$/p' "$gcc"
