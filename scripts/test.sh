#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice over:
# once without Qt (logic, server, platform doubles: nothing may reach for Qt there),
# once with Qt for the programs and their GUI tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

jobs=$(nproc)

cmake -S . -B build-noqt -DPLIX_WITH_QT=OFF -DPLIX_WITH_SERVER=ON >/dev/null
cmake --build build-noqt -j"$jobs"
(cd build-noqt && ctest --output-on-failure -j"$jobs")

cmake -S . -B build -DPLIX_WITH_QT=ON -DPLIX_WITH_SERVER=ON -DPLIX_DEFAULT_HOST=www.plix.localhost:8080 >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" -L gui)

if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh
fi
