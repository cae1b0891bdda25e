#!/usr/bin/env bash
# Checks that every include in src/ points down the module's layers: a file
# includes only its own folder, the folders that hold it (a platform or page
# sub-folder builds on its parent, never the other way) and the folders of
# lower layers. src/ never includes tools/, sim/ or tests/,
# and every folder of src/ has its place below. Run by CTest.
#
#   scripts/check-layers.sh     # exit 0 and the order, or 1 and each include that breaks it
set -euo pipefail
cd "$(dirname "$0")/.." || exit 2

# The layers, lowest first; folders on one line share a layer and include
# none of each other. res/ holds the resource lists that every layer reads.
layers=(
  "res"
  "common"
  "program motion nclink"
  "ui"
  "graph wizard"
  "pages"
  "sheet"
  "plugin"
)

order=$(printf '%s\n' "${layers[@]}")
folders=$(find src -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)

grep -rnE --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+/' src |
  awk -v order="$order" -v folders="$folders" '
    BEGIN {
      n = split(order, lines, "\n")
      for (i = 1; i <= n; i++) {
        m = split(lines[i], names, " ")
        for (j = 1; j <= m; j++) rank[names[j]] = i
        layer = lines[i]; gsub(/ /, ", ", layer)
        shown = shown (i > 1 ? " → " : "") layer
      }
      k = split(folders, present, "\n")
      for (i = 1; i <= k; i++) {
        if (!(present[i] in rank)) { print "src/" present[i] ": a folder without a layer"; bad++ }
        seen[present[i]] = 1
      }
      for (name in rank) if (name != "res" && !(name in seen)) { print name ": a layer without a folder in src/"; bad++ }
    }
    {
      split($0, parts, ":"); file = parts[1]; line = parts[2]
      match($0, /"[^"]+"/); target = substr($0, RSTART + 1, RLENGTH - 2)
      dir = file; sub(/^src\//, "", dir); sub(/\/[^\/]*$/, "", dir)
      to = target; sub(/\/[^\/]*$/, "", to)
      split(dir, d, "/"); split(to, t, "/")
      count++
      if (!(t[1] in rank)) { problem = t[1] " is no layer of src/" }
      else if (t[1] != d[1] && rank[t[1]] >= rank[d[1]]) { problem = t[1] " is not below " d[1] }
      else if (t[1] == d[1] && to != dir && index(dir "/", to "/") != 1) { problem = to " is neither " dir " nor a folder that holds it" }
      else next
      print file ":" line ": includes " target ": " problem
      bad++
    }
    END {
      if (bad) { print bad " includes or folders break the layers " shown; exit 1 }
      print "src/ layers " shown ": " count " includes point down"
    }'
