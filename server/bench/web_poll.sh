#!/usr/bin/env bash
# What the customer pages' short poll costs plixsrv, on loopback:
#  - wrk: a request page's poll while nothing changed ({"unchanged":true}),
#    the full view it draws from, and the desktop's change poll beside them;
#  - CPU of plixsrv while PAGES open request pages poll every 3 s (curl).
# Every loop is bounded; the script stops what it started.
# Usage: server/bench/web_poll.sh [path/to/plixsrv]
#   env: DURATION=5 (s per wrk run) CONNS=16 THREADS=2 PAGES=100 IDLE_SECONDS=30
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
bin="${1:-}"
for c in "$root/build-noqt/server/plixsrv" "$root/build/server/plixsrv"; do
  [ -z "$bin" ] && [ -x "$c" ] && bin="$c"
done
[ -x "${bin:-}" ] || { echo "plixsrv binary not found; pass its path" >&2; exit 1; }
"$root/scripts/deps.sh" bench

DURATION="${DURATION:-5}" CONNS="${CONNS:-16}" THREADS="${THREADS:-2}"
PAGES="${PAGES:-100}" IDLE_SECONDS="${IDLE_SECONDS:-30}"

work="$(mktemp -d /tmp/plixsrv-webbench.XXXXXX)"
srv_pid=""
pollers=()
cleanup() {
  for p in "${pollers[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -n "$srv_pid" ] && kill "$srv_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

"$bin" --demo --db "$work/p.db" --port 0 --quiet >"$work/srv.out" 2>"$work/srv.err" &
srv_pid=$!
for _ in $(seq 1 100); do
  grep -q '^listening=' "$work/srv.out" 2>/dev/null && break
  sleep 0.1
done
url="$(sed -n 's/^listening=//p' "$work/srv.out")"
key="$(sed -n 's/^demo_request_page=.*#//p' "$work/srv.out")"
[ -n "$url" ] && [ -n "$key" ] || { cat "$work/srv.err" >&2; echo "plixsrv did not start" >&2; exit 1; }
mark="$(curl -s -H "X-Plix-Key: $key" "$url/web/api/request" | sed -n 's/.*"mark":"\([0-9a-f]*\)".*/\1/p')"
echo "plixsrv at $url; demo request page: 2 suppliers, 4 conversation entries, 1 offer, 3 chat lines"

run() {
  local name="$1"; shift
  wrk -t"$THREADS" -c"$CONNS" -d"${DURATION}s" --latency "$@" | awk -v name="$name" '
    function us(v) { if (v ~ /us$/) return v + 0; if (v ~ /ms$/) return v * 1000; return v * 1000000 }
    /^Requests\/sec:/ { rps = $2 }
    $1 == "50%" { p50 = us($2) }
    $1 == "99%" { p99 = us($2) }
    /Non-2xx/ { errs = $NF }
    END { printf "%-36s %8.0f req/s   p50 %6.0f us   p99 %6.0f us   non-2xx %d\n", name, rps, p50, p99, errs }'
}
echo "== wrk -t$THREADS -c$CONNS -d${DURATION}s"
run "page poll, nothing changed" -H "X-Plix-Key: $key" "$url/web/api/request?since=$mark"
run "page poll, full view" -H "X-Plix-Key: $key" "$url/web/api/request"
run "desktop change poll (chkl 03)" "$url/plix_chkl.php?CD=03&ID_LV=1001&TPR=a&TQR=b"

echo "== $PAGES open request pages, one poll each every 3 s, for ${IDLE_SECONDS}s"
ticks() { awk '{print $14 + $15}' "/proc/$srv_pid/stat"; }
t0="$(ticks)"
end=$(($(date +%s) + IDLE_SECONDS))
for _ in $(seq 1 "$PAGES"); do
  (
    while [ "$(date +%s)" -lt "$end" ]; do
      curl -s -o /dev/null -H "X-Plix-Key: $key" "$url/web/api/request?since=$mark" || true
      sleep 3
    done
  ) &
  pollers+=($!)
done
wait "${pollers[@]}" 2>/dev/null || true
pollers=()
awk -v t="$(($(ticks) - t0))" -v hz="$(getconf CLK_TCK)" -v s="$IDLE_SECONDS" -v n="$PAGES" \
  'BEGIN { printf "plixsrv CPU: %.1f %% of one core for %d pages\n", 100 * t / hz / s, n }'
echo "plixsrv memory: $(awk '/VmRSS/ {print $2, $3}' /proc/$srv_pid/status)"
