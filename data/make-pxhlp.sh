#!/bin/sh
# Writes pxhlp.dat, the Windows-1252 help file that plixdesk reads, from its
# readable UTF-8 source pxhlp.utf8.txt, as make-pxlng.sh writes the language file.
exec "$(dirname "$0")/make-pxlng.sh" pxhlp
