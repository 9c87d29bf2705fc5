#!/bin/sh
# Draws plixdesk.png, the program's icon: a white "P" on a blue rounded
# square, the same picture the program draws for its window and tray icon.
# The outline is drawn as a path, so no font is needed.
# Usage: data/make-icon.sh SIZE OUTPUT.png
set -eu
size=$1
out=$2
scale=$(awk "BEGIN { print $size / 48 }")
convert -size "${size}x${size}" xc:none \
  -draw "scale $scale,$scale fill #2e6da4 roundrectangle 0.5,0.5 47.5,47.5 9.6,9.6" \
  -draw "scale $scale,$scale fill white path 'M 16 10 H 27 A 9 9 0 0 1 27 28 H 22 V 38 H 16 Z M 22 16 V 22 H 27 A 3 3 0 0 0 27 16 Z'" \
  -depth 8 -define png:exclude-chunks=date,time "PNG32:$out"
