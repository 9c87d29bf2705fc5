#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need
# (dpkg-dev, lintian and desktop-file-utils make and check the installer's
# files and the Debian package).
# Quick when everything is already there: apt-get runs only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  qt6-translations-l10n
  libcurl4-openssl-dev libsqlite3-dev libcpp-httplib-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev
  clang-14 libclang-rt-14-dev
  xvfb xauth imagemagick curl dbus-daemon
  poppler-utils
  libssl-dev
  chromium
  dpkg-dev lintian desktop-file-utils
)
# Node.js and npm for the browser tests: the machine's own when it has them.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi
# The benchmarks: the server's compares plixsrv with nginx under wrk, the
# client's clicks plixdesk's page button with xdotool: `scripts/deps.sh bench`.
if [ "${1:-}" = "bench" ]; then
  packages+=(wrk nginx python3 xdotool)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# puppeteer-core for the browser tests, exactly as pinned in the lock file; it
# drives Debian's chromium and downloads no browser of its own.
browser_tests="$(cd "$(dirname "$0")/.." && pwd)/server/tests/browser"
if ! cmp -s "$browser_tests/package-lock.json" "$browser_tests/node_modules/.plix-installed-lock" 2>/dev/null; then
  (cd "$browser_tests" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error)
  cp "$browser_tests/package-lock.json" "$browser_tests/node_modules/.plix-installed-lock"
fi
