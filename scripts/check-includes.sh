#!/usr/bin/env bash
# The include check: fails when a file includes a header from a layer above
# its own, or from another folder of its own layer, or lies in a folder that
# has no layer. The layers, from the bottom up: a folder may include its own
# headers and those of the layers below it. Folders on one line are peers and
# include nothing of each other. Tests, fuzz targets and the server's tests
# may include anything.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(
  "text"
  "platform server/src"
  "platform/testing platform/linux platform/qt"
  "desk/forms"
  "desk/core inst/forms"
  "desk/lang"
  "desk/net"
  "desk/inbox"
  "desk/profile desk/trade desk/chat"
  "desk/velto inst"
  "desk/gui"
  "inst/gui"
  "tools"
)
checked=(text platform server/src desk inst tools)

present=()
for d in "${checked[@]}"; do [ -d "$d" ] && present+=("$d"); done
files=$(find "${present[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
table=$(for i in "${!layers[@]}"; do for f in ${layers[$i]}; do echo "$f $i"; done; done)

# Every file once (so that a file without includes is placed too), then its includes.
{ for f in $files; do echo "$f:0:"; done
  grep -H -n -o '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"' $files || true
} | awk -v table="$table" '
  BEGIN {
    n = split(table, rows, "\n")
    for (i = 1; i <= n; i++) { split(rows[i], p, " "); rank[p[1]] = p[2] }
  }
  # The listed folder a path lies in (the longest that matches), "" when none.
  function folder(path,    f, best) {
    best = ""
    for (f in rank)
      if ((path == f || index(path, f "/") == 1) && length(f) > length(best)) best = f
    return best
  }
  function dir(path) { sub(/\/[^\/]*$/, "", path); return path }
  {
    file = $0; sub(/:.*/, "", file)
    rest = substr($0, length(file) + 2); line = rest; sub(/:.*/, "", line)
    header = substr(rest, length(line) + 2); sub(/^[^"]*"/, "", header); sub(/"$/, "", header)
    own = folder(dir(file))
    if (own == "") {
      if (!(file in reported)) print file ": its folder has no layer; add it to scripts/check-includes.sh"
      reported[file] = 1; failed = 1; next
    }
    if (header == "" || index(header, "/") == 0) next
    target = folder(dir(header))
    if (target == "" || target == own) next
    if (rank[target] + 0 >= rank[own] + 0) {
      print file ":" line ": " own " must not include " header " (" target " is not below it)"
      failed = 1
    }
  }
  END {
    if (failed) { print "include check failed: see the layers in docs/developing.md"; exit 1 }
    print "include check: every include points down a layer"
  }'
