#!/usr/bin/env bash
# Builds the Debian package in the build folder BUILD and checks it: its
# contents, its dependencies, its menu entry, lintian, and a first start of
# the packaged program in a fresh home that must seed ~/PLIX and leave the
# package's folder alone.
set -euo pipefail
build=$1
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t plixdesk_*_"$(dpkg --print-architecture)".deb | head -n 1)
echo "package: $deb"
fail() { echo "FAIL: $*" >&2; exit 1; }

contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 }')
for f in opt/plixdesk/plixdesk opt/plixdesk/plixdesk-sound.so opt/plixdesk/plixinst opt/plixdesk/pxlng.dat opt/plixdesk/pxini.dat \
         opt/plixdesk/Notify.wav opt/plixdesk/plixdesk.png opt/plixdesk/plixdesk.libs \
         opt/plixdesk/plixdesk.shared usr/share/applications/plixdesk.desktop \
         usr/share/icons/hicolor/48x48/apps/plixdesk.png usr/share/icons/hicolor/256x256/apps/plixdesk.png \
         usr/share/doc/plixdesk/copyright usr/share/doc/plixdesk/changelog.gz; do
  grep -qx "./$f" <<<"$contents" || fail "$f is not in the package"
done
outside=$(grep -v -e '^\./opt/' -e '^\./usr/share/' -e '^\./$' -e '^\./opt/$' -e '^\./usr/$' <<<"$contents" || true)
[ -z "$outside" ] || fail "files outside /opt/plixdesk and /usr/share: $outside"

depends=$(dpkg-deb --field "$deb" Depends)
echo "depends: $depends"
for p in libqt6widgets6 libqt6multimedia6 libcurl4 libc6; do
  grep -q "\b$p\b" <<<"$depends" || fail "Depends lacks $p"
done

work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/plixdesk.desktop" || fail "menu entry does not validate"

lintian_rc=0
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || lintian_rc=$?
grep -v 'running with root privileges' "$work/lintian.txt" || true
[ "$lintian_rc" -eq 0 ] || fail "lintian reports errors"

# First start from the package: ~/PLIX is made from the package's files.
mkdir -p "$work/home"
mkdir -m 700 "$work/run"
before=$(cd "$work/root/opt/plixdesk" && ls -la --time-style=full-iso)
(cd / && HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen \
  exec "$work/root/opt/plixdesk/plixdesk" >"$work/out.txt" 2>&1) &
pid=$!
for _ in $(seq 100); do [ -f "$work/home/PLIX/pxflt.dat" ] && break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null || { cat "$work/out.txt" >&2; fail "the packaged program did not keep running"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
[ -f "$work/home/PLIX/pxflt.dat" ] || fail "no working folder ~/PLIX after the first start"
cmp -s "$work/home/PLIX/pxlng.dat" "$work/root/opt/plixdesk/pxlng.dat" || fail "~/PLIX/pxlng.dat is not the package's"
cmp -s "$work/home/PLIX/pxini.dat" "$work/root/opt/plixdesk/pxini.dat" || fail "~/PLIX/pxini.dat is not the template"
after=$(cd "$work/root/opt/plixdesk" && ls -la --time-style=full-iso)
[ "$before" = "$after" ] || fail "the program wrote into the package's folder"
echo "package OK"
