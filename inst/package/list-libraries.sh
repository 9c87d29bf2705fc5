#!/bin/sh
# Writes plixdesk.libs: the shared libraries the program and its modules
# need (their NEEDED entries), one "soname package" a line, the package being
# the Debian package that brings the library on this build machine. The
# installer checks each library and names the packages of the missing ones.
# Usage: list-libraries.sh OUTPUT PROGRAM [MODULE...]
set -eu
out=$1
shift

package_of() {
  # With /lib merged into /usr/lib a library may be registered under either name.
  for p in "$1" "$(readlink -f "$1")" "$(echo "$1" | sed 's|^/usr/lib/|/lib/|')" "$(echo "$1" | sed 's|^/lib/|/usr/lib/|')"; do
    found=$(dpkg -S "$p" 2>/dev/null | head -n 1 | cut -d: -f1) && [ -n "$found" ] && { echo "$found"; return; }
  done
}

{
  echo "# The shared libraries plixdesk needs and the Debian package of each."
  for file in "$@"; do
    objdump -p "$file" | awk -v f="$file" '$1 == "NEEDED" { print f, $2 }'
  done | awk '!seen[$2]++' | while read -r file soname; do
    path=$(ldd "$file" | awk -v so="$soname" '$1 == so { print $3 }')
    package=$(package_of "$path")
    if [ -n "$package" ]; then
      echo "$soname $package"
    else
      echo "# $soname: no Debian package found on the build machine"
    fi
  done
} > "$out.tmp"
mv "$out.tmp" "$out"
