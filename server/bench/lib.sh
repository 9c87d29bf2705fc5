# Helpers of bench.sh (sourced): servers, wrk runs, figures and the report.

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}

start_nginx() {
  local port
  port="$(free_port)"
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
  server { listen 127.0.0.1:$port; root $work/www; }
}
NGX
  nginx -c "$work/nginx/nginx.conf" -p "$work/nginx" &
  nginx_pid=$!
  nginx_url="http://127.0.0.1:$port"
  for _ in $(seq 1 50); do curl -sf "$nginx_url/static.txt" >/dev/null && return; sleep 0.1; done
  echo "nginx did not start" >&2
  exit 1
}

# Seeds (or reuses) the database and starts plixsrv; sets url, first, every, seed_seconds.
start_plixsrv() {
  local db="$1" size="$2" t0
  t0=$(date +%s)
  "$bin" --db "$db" --port 0 --quiet ${PLIXSRV_ARGS:-} --bench-suppliers "$size" \
    --bench-requests "$size" >"$work/srv.out" 2>"$work/srv.err" &
  srv_pid=$!
  for _ in $(seq 1 6000); do
    grep -q '^listening=' "$work/srv.out" 2>/dev/null && break
    kill -0 "$srv_pid" 2>/dev/null || { cat "$work/srv.err" >&2; exit 1; }
    sleep 0.1
  done
  url="$(sed -n 's/^listening=//p' "$work/srv.out")"
  [ -n "$url" ] || { echo "plixsrv did not start" >&2; exit 1; }
  first="$(sed -n 's/^bench_first_id=//p' "$work/srv.out")"
  every="$(sed -n 's/^bench_filtered_every=//p' "$work/srv.out")"
  seed_seconds=$(($(date +%s) - t0))
}

stop_plixsrv() {
  kill "$srv_pid" 2>/dev/null || true
  wait "$srv_pid" 2>/dev/null || true
  srv_pid=""
}

# Polls every supplier once, as desktops do after a start, in runs of 2 s that
# go on where the last one ended; prints the time taken.
warm() {
  local t0 t1 done=0 n
  t0=$(date +%s.%N)
  while [ "$done" -lt "$1" ]; do
    n="$(PLIX_CD=03 PLIX_FIRST="$first" PLIX_SUPPLIERS="$1" PLIX_OFFSET="$done" \
      wrk -t"$THREADS" -c"$CONNS" -d2s -s "$here/walk.lua" "$url" | awk '/requests in/ { print $1 }')"
    done=$((done + ${n:-0}))
  done
  t1=$(date +%s.%N)
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.1fs", b - a }'
}

# One wrk run; appends "req/s p50_us p99_us errors" to $work/runs.<key>.
run_wrk() {
  local key="$1" conns="$2" script="$3" target="$4" out threads="$THREADS"
  [ "$conns" -lt "$threads" ] && threads="$conns"
  out="$(PLIX_THREADS="$threads" wrk -t"$threads" -c"$conns" -d"${DURATION}s" --latency -s "$here/$script" "$target")"
  awk -v k="$key" '/requests in/ { print k, $1 }' <<<"$out" >>"$work/counts"
  awk '
    function us(v) { if (v ~ /us$/) return v + 0; if (v ~ /ms$/) return v * 1000; if (v ~ /s$/) return v * 1000000; return v }
    /^Requests\/sec:/ { rps = $2 }
    $1 == "50%" { p50 = us($2) }
    $1 == "99%" { p99 = us($2) }
    /Non-2xx/ { errs += $NF }
    /Socket errors/ { gsub(",", ""); errs += $4 + $6 + $8 + $10 }
    END { print rps, p50, p99, errs + 0 }' <<<"$out" >>"$work/runs.$key"
}

# Posts one request per second through the customer API while the next run
# goes (wrk on one connection: no process started per post).
start_poster() {
  wrk -t1 -c1 -d"${DURATION}s" --latency -s "$here/post.lua" "$url/api/requests" >"$work/poster.out" &
  poster_pid=$!
  bg_pids+=("$poster_pid")
}

# Appends the posts' median time (ms), count and failures to $work/posts.<tag>.
stop_poster() {
  wait "$poster_pid" 2>/dev/null || true
  awk 'function ms(v) { if (v ~ /us$/) return v / 1000; if (v ~ /ms$/) return v + 0; return v * 1000 }
       $1 == "50%" { p = ms($2) } /requests in/ { n = $1 } /Non-2xx/ { e = $NF }
       END { print p, n, e + 0 }' "$work/poster.out" >>"$work/posts.$tag"
}

memory() { awk '/VmHWM|VmRSS/ { printf "%s %d MB ", $1, $2 / 1024 }' "/proc/$srv_pid/status"; }

db_size() { cat "$1" "$1-wal" 2>/dev/null | wc -c | awk '{ printf "%.1f MB", $1 / 1048576 }'; }

idle_cpu() {
  local hz t0 t1 start i
  echo "== 100 clients, one change poll each every 10 s (a new connection each), for ${IDLE_SECONDS}s"
  hz="$(getconf CLK_TCK)"
  t0="$(awk '{print $14 + $15}' "/proc/$srv_pid/stat")"
  start=$(date +%s)
  for i in $(seq 0 99); do
    (
      while [ "$(date +%s)" -lt $((start + IDLE_SECONDS)) ]; do
        curl -s -o /dev/null "$url/plix_chkl.php?CD=03&ID_LV=$((first + i))&TPR=a&TQR=b" || true
        sleep 10
      done
    ) &
    bg_pids+=("$!")
  done
  sleep "$IDLE_SECONDS"
  t1="$(awk '{print $14 + $15}' "/proc/$srv_pid/stat")"
  awk -v d="$((t1 - t0))" -v hz="$hz" -v s="$IDLE_SECONDS" \
    'BEGIN { printf "   plixsrv CPU: %.2f%% of one core\n", 100 * d / hz / s }'
}

# Median of column c over the runs of one key.
median() {
  [ -s "$work/runs.$1" ] || { echo 0; return; }
  sort -g -k"$2","$2" "$work/runs.$1" | awk -v c="$2" '{ v[NR] = $c } END { print v[int((NR + 1) / 2)] }'
}
errors() { [ -s "$work/runs.$1" ] && awk '{ s += $4 } END { print s + 0 }' "$work/runs.$1" || echo 0; }

source "$here/report.sh"
