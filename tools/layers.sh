#!/usr/bin/env bash
# Prints the project's libraries in layer order, each with the libraries it
# links, as CMake's dependency graph (--graphviz) gives them, and marks every
# arrow that does not point down. Configures a scratch build to read the graph.
#   tools/layers.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$root" -B "$work" -DVELMORA_BUILD_TESTS=OFF --graphviz="$work/graph/deps.dot" >/dev/null
layers=$(sed -n 's/^set(VELMORA_LAYERS \(.*\))$/\1/p' "$root/cmake/Layers.cmake")
# deps.dot: nodes as `"nodeN" [ label = "name" ...` and edges as
# `"nodeA" -> "nodeB"`; the edges between the layers' libraries are kept.
awk -v layers="$layers" '
  BEGIN { n = split(layers, order, " "); for (i = 1; i <= n; i++) rank["velmora_" order[i]] = i }
  /\[ label = / { match($0, /label = "[^"]*"/); name[$1] = substr($0, RSTART + 9, RLENGTH - 10) }
  / -> / { from[++edges] = $1; to[edges] = $3 }
  END {
    bad = 0
    for (i = 1; i <= n; i++) {
      me = "velmora_" order[i]; line = ""
      for (e = 1; e <= edges; e++) {
        if (name[from[e]] != me || !(name[to[e]] in rank)) continue
        mark = rank[name[to[e]]] < i ? "" : " (UP!)"
        if (mark != "") bad = 1
        line = line " " name[to[e]] mark
      }
      printf "%2d %-20s ->%s\n", i, me, line
    }
    exit bad
  }' "$work/graph/deps.dot"
