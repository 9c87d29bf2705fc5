#!/usr/bin/env bash
# The demo: plixsrv with demo data on loopback, and plixdesk connected to it
# from a fresh working folder that holds the program's data files.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/deps.sh

port=${PLIX_DEMO_PORT:-8080}
host="www.plix.localhost:${port}"   # *.localhost always means this machine

cmake -S . -B build -DPLIX_WITH_QT=ON -DPLIX_WITH_SERVER=ON -DPLIX_DEFAULT_HOST="$host" >/dev/null
targets=(plixdesk plixdesk-seed)
[ -f server/CMakeLists.txt ] && targets+=(plixsrv)
cmake --build build -j"$(nproc)" --target "${targets[@]}"

work="$root/run/demo-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$work"
for f in pxlng.dat pxhlp.dat Notify.wav; do
  [ -f "data/$f" ] && cp "data/$f" "$work/"
done
echo "working folder: $work"

server_pid=""
cleanup() { [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true; }
trap cleanup EXIT

if [ -x build/server/plixsrv ]; then
  build/server/plixsrv --demo --listen 127.0.0.1 --port "$port" --db "$work/plixsrv.db" \
    > "$work/plixsrv.out" 2> "$work/plixsrv.log" &
  server_pid=$!
  for _ in $(seq 50); do
    curl -s -o /dev/null "http://127.0.0.1:${port}/plix_ctrl.php?CD=01" && break
    sleep 0.1
  done
  if ! kill -0 "$server_pid" 2>/dev/null; then
    cat "$work/plixsrv.log" >&2
    echo "plixsrv did not start; if port $port is taken, pick another: PLIX_DEMO_PORT=8090 $0" >&2
    exit 1
  fi
  cat "$work/plixsrv.out"
  # The working folder starts logged in as the demo supplier: its number and
  # check value go into pxini.dat as a login stores them, with the alert sound
  # on and a change poll every 5 ticks (10 seconds).
  demo_value() { sed -n "s/^$1=//p" "$work/plixsrv.out"; }
  if [ -n "$(demo_value demo_id_lv)" ]; then
    build/tools/plixdesk-seed --sound --poll 5 "$work" "$(demo_value demo_id_lv)" "$(demo_value demo_check)"
    echo "Demo login (menu Extra > login): name $(demo_value demo_login), password $(demo_value demo_password)"
  fi
  echo "Customer page, to post a request as a customer: $(demo_value customer_page)"
  if [ -n "$(demo_value demo_request_page)" ]; then
    echo "A demo request's own page (conversation, offer, chat): $(demo_value demo_request_page)"
  fi
fi

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop found (DISPLAY is not set): starting plixdesk under Xvfb." >&2
  cd "$work" && xvfb-run -a "$root/build/desk/gui/plixdesk"
  exit
fi
cd "$work" && "$root/build/desk/gui/plixdesk"
