#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build folder and runs
# each for a bounded time under AddressSanitizer and UndefinedBehaviorSanitizer.
# PLIX_FUZZ_SECONDS sets the time per target (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${PLIX_FUZZ_SECONDS:-30}
jobs=${PLIX_JOBS:-2}
build=build-fuzz
targets=(fuzz_reply fuzz_query)

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DPLIX_WITH_QT=OFF -DPLIX_WITH_SERVER=OFF -DPLIX_FUZZ=ON >/dev/null
cmake --build "$build" -j"$jobs" --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
  seeds=fuzz/seeds/${target#fuzz_}
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  log=$build/$target.log
  if "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$build/$target-" "$corpus" "$seeds" >"$log" 2>&1; then
    runs=$(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log" | tail -1)
    echo "$target: ${runs:-finished} (corpus $(ls "$corpus" | wc -l) inputs), no crash"
  else
    echo "$target: FAILED, see $log"
    tail -30 "$log"
    status=1
  fi
done
exit $status
