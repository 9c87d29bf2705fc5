#!/bin/sh
# Writes the settings template pxini.dat: a 1024-byte record with no server
# host and no supplier, language 1 (the byte 1) at position 39.
# Usage: settings-template.sh OUTPUT
set -eu
{ head -c 38 /dev/zero; printf '\001'; head -c 985 /dev/zero; } > "$1"
