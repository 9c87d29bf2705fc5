#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice over:
# once without Qt (logic, server, platform doubles: nothing may reach for Qt
# there) with the fuzzers after it, once with Qt for the programs and their
# GUI tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

jobs=$(nproc)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

cmake -S . -B build-noqt -DPLIX_WITH_QT=OFF -DPLIX_WITH_SERVER=ON >/dev/null
cmake --build build-noqt -j"$jobs"
(cd build-noqt && ctest --output-on-failure -j"$jobs") | tee "$logs/logic.txt"

scripts/fuzz.sh

cmake -S . -B build -DPLIX_WITH_QT=ON -DPLIX_WITH_SERVER=ON -DPLIX_DEFAULT_HOST=www.plix.localhost:8080 >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" -L gui) | tee "$logs/gui.txt"

# One closing line for both runs.
total=0 failed=0
for f in "$logs"/logic.txt "$logs"/gui.txt; do
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$f" | tail -n 1)
  failed=$((failed + $(sed -E 's/.* ([0-9]+) tests failed out of.*/\1/' <<<"$line")))
  total=$((total + $(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")))
done
echo "$((total - failed)) passed, $failed failed"
