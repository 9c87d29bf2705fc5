#!/usr/bin/env bash
# The client benchmark: what plixdesk costs while it waits, beside the least
# a Qt 6 tray program that polls the same server costs (bench/anchor_tray.cpp).
#
#   bench/client.sh [--minutes N] [--rounds R] [--stall-seconds S]
#
# Builds in Release (build-rel), starts plixsrv --demo on loopback and an
# Xvfb display of its own, then, R rounds (default 3):
#   1. plixdesk, logged in as the demo supplier with a change poll every 10 s,
#      and the anchor, polling the same change poll every 10 s, side by side
#      on the display for N minutes (default 10); which starts first
#      alternates. Left alone, plixdesk slows its poll to every 2 minutes
#      after an idle minute, so a user clicks its "First" page button every
#      50 s (xdotool), which keeps the 10 s poll (and adds a list fetch).
#      CPU is counted from the end of the start-up (20 s) to the end, polls
#      and clicks included; resident memory is read at the end.
#   2. plixdesk started afresh with PLIX_PROBE: the time from the timer tick
#      after which the first request rows show to the end of their paint.
#   3. plixdesk with PLIX_PROBE against a server that accepts connections and
#      never answers, for S seconds (default 150): the longest time its event
#      loop did not turn.
# Prints each round, then, last, one key=value a line: medians over the
# rounds, the stall the longest of all.
#
# PLIXDESK=/path/to/plixdesk measures another build of the program in the
# same way (an earlier commit's, say); a build without PLIX_PROBE reports -1
# for the two figures the probe takes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

minutes=10
rounds=3
stall_seconds=150
while [ $# -gt 0 ]; do
  case $1 in
    --minutes) minutes=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --stall-seconds) stall_seconds=$2; shift 2 ;;
    *) echo "usage: $0 [--minutes N] [--rounds R] [--stall-seconds S]" >&2; exit 2 ;;
  esac
done
warmup=20
idle_seconds=$(awk -v m="$minutes" 'BEGIN { printf "%d", m * 60 }')
if [ "$idle_seconds" -le $((warmup + 10)) ]; then
  echo "--minutes must leave more than $((warmup + 10)) seconds" >&2
  exit 2
fi

build=$root/build-rel
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPLIX_WITH_QT=ON -DPLIX_WITH_SERVER=ON >/dev/null
command -v xdotool >/dev/null || { echo "bench/client.sh needs xdotool (scripts/deps.sh bench installs it)" >&2; exit 1; }
cmake --build "$build" -j2 --target plixdesk plixdesk-sound plixdesk-seed plixsrv plix-anchor-tray >/dev/null

desk_program=${PLIXDESK:-$build/desk/gui/plixdesk}
work=$(mktemp -d /tmp/plix-bench-client.XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
tick_hz=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }
now() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# A display of our own, on a free number.
for display in $(shuf -i 50-99); do
  [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] || break
done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$display"
sleep 1

port=$(free_port)
"$build/server/plixsrv" --demo --quiet --listen 127.0.0.1 --port "$port" --db "$work/srv.db" \
  > "$work/srv.out" 2> "$work/srv.err" &
pids+=($!)
for _ in $(seq 100); do grep -q '^listening=' "$work/srv.out" 2>/dev/null && break; sleep 0.1; done
id=$(sed -n 's/^demo_id_lv=//p' "$work/srv.out")
check=$(sed -n 's/^demo_check=//p' "$work/srv.out")
[ -n "$id" ] || { cat "$work/srv.err" >&2; echo "plixsrv did not start" >&2; exit 1; }
poll_url="http://127.0.0.1:$port/plix_chkl.php?CD=03&ID_LV=$id&TPR=&TQR="

# The server that accepts and never answers.
silent_port=$(free_port)
python3 -c '
import socket, sys, time
s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(64)
held = []
while True:
    c, _ = s.accept(); held.append(c)
' "$silent_port" &
pids+=($!)

# Starts plixdesk in a fresh working folder logged in to PORT; prints its pid.
start_desk() {
  local name=$1 to_port=$2 probe=${3:-}
  local folder="$work/$name"
  mkdir -p "$folder/run"
  chmod 700 "$folder/run"
  cp data/pxlng.dat data/Notify.wav "$folder/"
  "$build/tools/plixdesk-seed" --poll 5 --host "www.plix.localhost:$to_port" "$folder" "$id" "$check" >/dev/null
  (cd "$folder" && XDG_RUNTIME_DIR="$folder/run" PLIX_PROBE="$probe" exec "$desk_program" \
     > "$folder/out.log" 2>&1) &
  echo $!
}
start_anchor() {
  "$build/bench/plix-anchor-tray" "$poll_url" > "$work/anchor.log" 2>&1 &
  echo $!
}
# The user pages to the first requests now and then: plixdesk's window
# stands at the display's top left (its "First" button at 188,337 px).
user_at_work() {
  while sleep 50; do xdotool mousemove 188 337 click 1 2>/dev/null || true; done
}
stop() {
  kill "$1" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$1" 2>/dev/null || true
}
probe_value() { v=$(sed -n "s/^$2=//p" "$1" 2>/dev/null); echo "${v:--1}"; }

echo "# load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
: > "$work/rss"; : > "$work/anchor_rss"; : > "$work/cpu"; : > "$work/anchor_cpu"
: > "$work/rows"; : > "$work/stall"
for round in $(seq "$rounds"); do
  # 1. Side by side, the first to start alternating.
  if [ $((round % 2)) -eq 1 ]; then
    desk=$(start_desk "idle$round" "$port"); anchor=$(start_anchor)
  else
    anchor=$(start_anchor); desk=$(start_desk "idle$round" "$port")
  fi
  pids+=("$desk" "$anchor")
  user_at_work &
  user=$!
  pids+=("$user")
  sleep "$warmup"
  d0=$(cpu_ticks "$desk"); a0=$(cpu_ticks "$anchor"); t0=$(now)
  sleep $((idle_seconds - warmup))
  d1=$(cpu_ticks "$desk"); a1=$(cpu_ticks "$anchor"); t1=$(now)
  kill "$user" 2>/dev/null || true
  rss=$(rss_kb "$desk"); anchor_rss=$(rss_kb "$anchor")
  multimedia=$(grep -c -i -E 'multimedia|pulse' "/proc/$desk/maps" || true)
  stop "$desk"; stop "$anchor"
  cpu=$(awk -v a="$d0" -v b="$d1" -v s="$t0" -v e="$t1" -v hz="$tick_hz" 'BEGIN { printf "%.4f", 100 * (b - a) / hz / (e - s) }')
  anchor_cpu=$(awk -v a="$a0" -v b="$a1" -v s="$t0" -v e="$t1" -v hz="$tick_hz" 'BEGIN { printf "%.4f", 100 * (b - a) / hz / (e - s) }')

  # 2. The first rows after their tick.
  probe="$work/rows$round.probe"
  desk=$(start_desk "rows$round" "$port" "$probe"); pids+=("$desk")
  for _ in $(seq 300); do
    v=$(probe_value "$probe" first_rows_after_tick_ms)
    awk -v v="$v" 'BEGIN { exit !(v >= 0) }' && break
    sleep 0.1
  done
  stop "$desk"
  rows=$(probe_value "$probe" first_rows_after_tick_ms)

  # 3. A server that never answers.
  probe="$work/stall$round.probe"
  desk=$(start_desk "stall$round" "$silent_port" "$probe"); pids+=("$desk")
  sleep "$stall_seconds"
  stop "$desk"
  stall=$(probe_value "$probe" longest_stall_ms)

  echo "round $round: rss_kb=$rss anchor_rss_kb=$anchor_rss cpu_percent=$cpu anchor_cpu_percent=$anchor_cpu" \
       "multimedia_maps=$multimedia first_rows_after_tick_ms=$rows longest_stall_ms=$stall"
  echo "$rss" >> "$work/rss"; echo "$anchor_rss" >> "$work/anchor_rss"
  echo "$cpu" >> "$work/cpu"; echo "$anchor_cpu" >> "$work/anchor_cpu"
  echo "$rows" >> "$work/rows"; echo "$stall" >> "$work/stall"
done
echo "# load after: $(cut -d' ' -f1-3 /proc/loadavg); idle ${minutes} min, stall run ${stall_seconds} s, $rounds rounds"

rss=$(median < "$work/rss"); anchor_rss=$(median < "$work/anchor_rss")
echo "rss_kb=$rss"
echo "anchor_rss_kb=$anchor_rss"
echo "rss_ratio=$(awk -v a="$rss" -v b="$anchor_rss" 'BEGIN { printf "%.3f", a / b }')"
echo "cpu_percent=$(median < "$work/cpu")"
echo "anchor_cpu_percent=$(median < "$work/anchor_cpu")"
echo "longest_stall_ms=$(sort -g "$work/stall" | tail -n 1)"
echo "first_rows_after_tick_ms=$(median < "$work/rows")"
