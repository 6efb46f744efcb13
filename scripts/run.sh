#!/usr/bin/env bash
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
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 640x400x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"

XDG_RUNTIME_DIR="$work" "$binary" &
pids+=($!)
window="$(timeout 10 xdotool search --sync --onlyvisible --name '^Vorlix 1\.1$' | head -n 1)"
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.5
import -window "$window" "$shot"
echo "No display: Vorlix ran on a virtual screen; its window is in $shot"
