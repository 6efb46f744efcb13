#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bench/startup.sh [--with-at-spi] [RUNS]: time from exec to the window
# mapped, and peak resident memory, for vorlix and for the floor (a bare Qt
# window with the same widgets), interleaved on one Xvfb screen. Release
# build. With --with-at-spi both programs start as they do beside a screen
# reader (see bench/with_at_spi.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
wrap=()
if [ "${1:-}" = --with-at-spi ]; then
  wrap=(bash bench/with_at_spi.sh)
  shift
fi
runs="${1:-15}"

bash scripts/install-deps.sh >/dev/null
cmake --preset bench >/dev/null
cmake --build --preset bench --target vorlix vorlix-floor startup-timer >/dev/null

work="$(mktemp -d)"
trap 'kill "$VIRTUAL_SCREEN_PID" 2>/dev/null; rm -rf "$work"' EXIT
source scripts/virtual_screen.sh
start_virtual_screen "$work"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"

"${wrap[@]}" build/bench/bench/startup-timer "$runs" build/bench/src/app/vorlix \
  build/bench/bench/vorlix-floor
