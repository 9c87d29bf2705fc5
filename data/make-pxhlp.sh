#!/bin/sh
# Writes pxhlp.dat, the Windows-1252 help file that plixdesk reads, from its
# readable UTF-8 source pxhlp.utf8.txt. Fails (and leaves the old pxhlp.dat in
# place) when a character has no Windows-1252 form.
set -eu
cd "$(dirname "$0")"
tmp=pxhlp.dat.tmp
if ! iconv -f UTF-8 -t WINDOWS-1252 pxhlp.utf8.txt > "$tmp"; then
    rm -f "$tmp"
    echo "make-pxhlp.sh: pxhlp.utf8.txt does not convert to Windows-1252" >&2
    exit 1
fi
mv "$tmp" pxhlp.dat
