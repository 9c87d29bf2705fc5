#!/bin/sh
# Writes pxlng.dat, the Windows-1252 language file that plixdesk and the
# installer read, from its readable UTF-8 source pxlng.utf8.txt (or, given
# another name such as pxhlp, NAME.dat from NAME.utf8.txt).
# Fails (and leaves the old file in place) when a character has no
# Windows-1252 form.
set -eu
cd "$(dirname "$0")"
name=${1:-pxlng}
tmp=$name.dat.tmp
if ! iconv -f UTF-8 -t WINDOWS-1252 "$name.utf8.txt" > "$tmp"; then
    rm -f "$tmp"
    echo "make-pxlng.sh: $name.utf8.txt does not convert to Windows-1252" >&2
    exit 1
fi
mv "$tmp" "$name.dat"
