#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Vorlix and starts it on your display.
# With no display at all it starts Vorlix on a virtual screen (Xvfb), saves
# a screenshot of the window as a PNG file, says where, and ends.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
binary="build/release/src/app/vorlix"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$binary"
fi

shot="${VORLIX_SCREENSHOT:-$PWD/build/vorlix-screenshot.png}"
work="$(mktemp -d)"
pids=()
finish() {
  # Vorlix first, so that it does not see its screen go away.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

source scripts/virtual_screen.sh
start_virtual_screen "$work"
pids+=("$VIRTUAL_SCREEN_PID")

XDG_RUNTIME_DIR="$work" "$binary" &
pids+=($!)
window="$(timeout 10 xdotool search --sync --onlyvisible --name '^Vorlix 1\.1$' | head -n 1)"
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.5
import -window "$window" "$shot"
echo "No display: Vorlix ran on a virtual screen; its window is in $shot"
