#!/usr/bin/env bash
# Loopback benchmark of plixsrv against nginx serving a 100-byte file.
#  - wrk: chkl 03 change polls spread over 10,000 suppliers, chkl 02 request
#    lists of 25 records, and nginx's static file with the same settings;
#    requests/s, p50/p99 latency, the server's memory.
#  - CPU of plixsrv while 100 idle clients poll every 10 s (curl, new connection each).
# Everything stays on 127.0.0.1, every loop is bounded, and the script stops
# what it started. Installs what it needs with `scripts/deps.sh bench` (wrk, nginx, curl).
# Usage: server/bench/bench.sh [path/to/plixsrv]
#   env: DURATION=5 (s per round) ROUNDS=3 CONNS=16 THREADS=2 IDLE_SECONDS=30
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

DURATION="${DURATION:-5}"
ROUNDS="${ROUNDS:-3}"
CONNS="${CONNS:-16}"
THREADS="${THREADS:-2}"
IDLE_SECONDS="${IDLE_SECONDS:-30}"
SUPPLIERS=10000

work="$(mktemp -d /tmp/plixsrv-bench.XXXXXX)"
srv_pid=""
nginx_pid=""
idle_pids=()
cleanup() {
  for p in "${idle_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -n "$srv_pid" ] && kill "$srv_pid" 2>/dev/null || true
  [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])' 2>/dev/null ||
    echo $((20000 + RANDOM % 20000))
}

echo "== seeding $SUPPLIERS suppliers and starting plixsrv"
"$bin" --db "$work/bench.db" --port 0 --quiet ${PLIXSRV_ARGS:-} --bench-suppliers "$SUPPLIERS" >"$work/srv.out" 2>"$work/srv.err" &
srv_pid=$!
for _ in $(seq 1 600); do
  grep -q '^listening=' "$work/srv.out" 2>/dev/null && break
  kill -0 "$srv_pid" 2>/dev/null || { cat "$work/srv.err" >&2; exit 1; }
  sleep 0.1
done
url="$(sed -n 's/^listening=//p' "$work/srv.out")"
[ -n "$url" ] || { echo "plixsrv did not start" >&2; exit 1; }
first="$(sed -n 's/^bench_first_id=//p' "$work/srv.out")"
echo "plixsrv at $url, suppliers $first..$((first + SUPPLIERS - 1))"

echo "== starting nginx"
nport="$(free_port)"
mkdir -p "$work/www" "$work/nginx"
head -c 100 /dev/zero | tr '\0' 'x' >"$work/www/static.txt"
chmod -R a+rX "$work"
cat >"$work/nginx/nginx.conf" <<NGX
worker_processes 2;
daemon off;
pid $work/nginx/nginx.pid;
error_log $work/nginx/error.log;
events { worker_connections 1024; }
http {
  access_log off;
  client_body_temp_path $work/nginx/body;
  proxy_temp_path $work/nginx/proxy;
  fastcgi_temp_path $work/nginx/fastcgi;
  uwsgi_temp_path $work/nginx/uwsgi;
  scgi_temp_path $work/nginx/scgi;
  server { listen 127.0.0.1:$nport; root $work/www; }
}
NGX
nginx -c "$work/nginx/nginx.conf" -p "$work/nginx" &
nginx_pid=$!
for _ in $(seq 1 50); do curl -sf "http://127.0.0.1:$nport/static.txt" >/dev/null && break; sleep 0.1; done

cat >"$work/spread.lua" <<LUA
math.randomseed(7)
local code = os.getenv("PLIX_CD")
request = function()
  local id = $first + math.random(0, $SUPPLIERS - 1)
  local q = "/plix_chkl.php?CD=" .. code .. "&ID_LV=" .. id
  if code == "03" then q = q .. "&TPR=a&TQR=b" end
  -- nginx gets the same script work per request: the file, with a query it ignores
  if code == "static" then q = "/static.txt?ID_LV=" .. id end
  return wrk.format("GET", q)
end
LUA

# One wrk run; appends "req/s p50_us p99_us errors" to $work/runs.<key>.
run_wrk() {
  local key="$1"; shift
  local out
  out="$(wrk -t"$THREADS" -c"$CONNS" -d"${DURATION}s" --latency "$@")"
  awk -v errs="$(grep -cE 'Non-2xx|Socket errors' <<<"$out" || true)" '
    function us(v) { if (v ~ /us$/) return v + 0; if (v ~ /ms$/) return v * 1000; if (v ~ /s$/) return v * 1000000; return v }
    /^Requests\/sec:/ { rps = $2 }
    $1 == "50%" { p50 = us($2) }
    $1 == "99%" { p99 = us($2) }
    END { print rps, p50, p99, errs }' <<<"$out" >>"$work/runs.$key"
}

# Median of column c over the rounds of one target.
median() { sort -g -k"$2","$2" "$work/runs.$1" | awk -v c="$2" '{ v[NR] = $c } END { print v[int((NR + 1) / 2)] }'; }

report() {
  local key="$1" name="$2"
  printf '%-34s %10.0f req/s   p50 %7.0f us   p99 %7.0f us   runs with errors: %s\n' "$name" \
    "$(median "$key" 1)" "$(median "$key" 2)" "$(median "$key" 3)" "$(awk '$4 > 0' "$work/runs.$key" | wc -l)"
}

# Warm the mark cache once for every supplier (one list per supplier).
PLIX_CD=03 wrk -t"$THREADS" -c"$CONNS" -d3s -s "$work/spread.lua" "$url" >/dev/null

# Rounds alternate the targets, so load from elsewhere on the machine hits all alike.
echo "== wrk -t$THREADS -c$CONNS, $ROUNDS rounds of ${DURATION}s per target, loopback; medians"
for _ in $(seq 1 "$ROUNDS"); do
  PLIX_CD=03 run_wrk poll -s "$work/spread.lua" "$url"
  PLIX_CD=static run_wrk nginx -s "$work/spread.lua" "http://127.0.0.1:$nport"
  PLIX_CD=02 run_wrk list -s "$work/spread.lua" "$url"
done
report poll "plixsrv chkl 03 (10k suppliers)"
report list "plixsrv chkl 02 (25 records)"
report nginx "nginx static 100 bytes"
awk -v a="$(median poll 1)" -v b="$(median nginx 1)" \
  'BEGIN { if (b > 0) printf "change poll / nginx rate: %.2f (target >= 0.50)\n", a / b }'
echo "plixsrv memory: $(awk '/VmRSS|VmHWM/ {printf "%s %s %s  ", $1, $2, $3}' /proc/$srv_pid/status)"

echo "== 100 idle clients, one change poll each every 10 s, for ${IDLE_SECONDS}s"
ticks() { awk '{print $14 + $15}' "/proc/$srv_pid/stat"; }
hz="$(getconf CLK_TCK)"
t0="$(ticks)"
start=$(date +%s)
for i in $(seq 0 99); do
  (
    id=$((first + i))
    end=$((start + IDLE_SECONDS))
    while [ "$(date +%s)" -lt "$end" ]; do
      curl -s -o /dev/null "$url/plix_chkl.php?CD=03&ID_LV=$id&TPR=a&TQR=b" || true
      sleep 10
    done
  ) &
  idle_pids+=("$!")
done
sleep "$IDLE_SECONDS"
t1="$(ticks)"
for p in "${idle_pids[@]}"; do kill "$p" 2>/dev/null || true; done
idle_pids=()
awk -v d="$((t1 - t0))" -v hz="$hz" -v s="$IDLE_SECONDS" \
  'BEGIN { printf "plixsrv CPU while idle-polled: %.2f%% of one core (%d ticks in %d s)\n", 100 * d / hz / s, d, s }'
