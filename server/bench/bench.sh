#!/usr/bin/env bash
# Loopback benchmark of plixsrv beside nginx serving a 100-byte file, in one run.
# For each marketplace size (SIZES: suppliers = requests, default 10,000 and
# 100,000; requests posted over 60 days, so half are past the purge age):
#  - change poll (chkl 03) spread over all suppliers, CONNS and MANY connections,
#    a new connection per poll (as the desktop polls), and with one request
#    posted per second (the API, as a customer does);
#  - request list (chkl 02, 257 records) with MANY connections;
#  - the list of suppliers with a narrow word filter (one request in 500), one
#    call at a time (its time) and with CONNS connections (its rate);
#  - purge (chkl 01), each supplier once, at 100 a second (its time) and
#    flat out (the disk's write rate), with the database size around it;
#  - nginx with CONNS and MANY connections and new connections, the same wrk
#    settings and query;
#  - the server's memory; at the end, the CPU of 100 clients polling every 10 s.
# Rounds alternate the targets so other load on the machine hits all alike;
# medians are printed with the ratio to nginx and the goals of issue 15.
# Everything stays on 127.0.0.1 and stops by itself.
# Usage: server/bench/bench.sh [path/to/plixsrv]
#   env: SIZES="10000 100000" DURATION=5 ROUNDS=3 CONNS=16 MANY=64 THREADS=2 IDLE_SECONDS=20
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
bin="${1:-}"
if [ -z "$bin" ]; then
  for c in "$root/build-server/server/plixsrv" "$root/build/server/plixsrv"; do
    [ -x "$c" ] && bin="$c" && break
  done
fi
[ -x "${bin:-}" ] || { echo "plixsrv binary not found; pass its path" >&2; exit 1; }
"$root/scripts/deps.sh" bench

SIZES="${SIZES:-10000 100000}"
DURATION="${DURATION:-5}"
ROUNDS="${ROUNDS:-3}"
CONNS="${CONNS:-16}"
MANY="${MANY:-64}"
THREADS="${THREADS:-2}"
IDLE_SECONDS="${IDLE_SECONDS:-20}"
export PLIX_THREADS="$THREADS"

work="$(mktemp -d /tmp/plixsrv-bench.XXXXXX)"
srv_pid=""
nginx_pid=""
bg_pids=()
cleanup() {
  for p in "${bg_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -n "$srv_pid" ] && kill "$srv_pid" 2>/dev/null || true
  [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
source "$here/lib.sh"

echo "== $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at start"
start_nginx
results="$work/results"
: >"$results"

for size in $SIZES; do
  tag="$((size / 1000))k"
  echo "$tag $size" >>"$work/sizes"
  echo "== $tag: seeding $size suppliers and $size requests"
  start_plixsrv "$work/$tag.db" "$size"
  echo "   seeded in ${seed_seconds}s; marks of every supplier worked out in $(warm "$size")"
  export PLIX_FIRST="$first" PLIX_SUPPLIERS="$size"
  narrow_count=$(((size + every - 2) / every))
  for r in $(seq 1 "$ROUNDS"); do
    PLIX_CD=03 run_wrk "$tag.poll" "$CONNS" spread.lua "$url"
    PLIX_CD=static run_wrk "$tag.nginx" "$CONNS" spread.lua "$nginx_url"
    PLIX_CD=03 run_wrk "$tag.poll64" "$MANY" spread.lua "$url"
    PLIX_CD=static run_wrk "$tag.nginx64" "$MANY" spread.lua "$nginx_url"
    PLIX_CD=03 PLIX_CLOSE=1 run_wrk "$tag.pollnew" "$CONNS" spread.lua "$url"
    PLIX_CD=static PLIX_CLOSE=1 run_wrk "$tag.nginxnew" "$CONNS" spread.lua "$nginx_url"
    PLIX_CD=02 run_wrk "$tag.list64" "$MANY" spread.lua "$url"
    PLIX_CD=02 PLIX_FIRST=$((first + 1)) PLIX_STEP="$every" PLIX_SUPPLIERS="$narrow_count" \
      run_wrk "$tag.narrow1" 1 spread.lua "$url"
    PLIX_CD=02 PLIX_FIRST=$((first + 1)) PLIX_STEP="$every" PLIX_SUPPLIERS="$narrow_count" \
      run_wrk "$tag.narrow" "$CONNS" spread.lua "$url"
    start_poster
    PLIX_CD=03 run_wrk "$tag.pollpost" "$CONNS" spread.lua "$url"
    stop_poster
  done
  rss="$(memory)"
  db_before="$(db_size "$work/$tag.db")"
  # Suppliers in turn: each purges once.
  PLIX_CD=01 PLIX_DELAY_MS=10 run_wrk "$tag.purge" 1 walk.lua "$url"
  PLIX_CD=01 PLIX_OFFSET=$((size / 2)) run_wrk "$tag.purgeflat" 1 walk.lua "$url"
  db_after="$(db_size "$work/$tag.db")"
  echo "   memory after $MANY connections: $rss; database + log $db_before before and $db_after after purging every supplier"
  echo "$tag.rss $rss" >>"$results"
  [ "$size" = "${SIZES##* }" ] && idle_cpu
  stop_plixsrv
done

echo
echo "== medians of $ROUNDS rounds of ${DURATION}s, wrk -t$THREADS (purge: one pass); load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
report
