#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Vorlix and starts it on your display.
# With no display at all it starts Vorlix on a virtual screen (Xvfb) as at
# its first start, without touching your settings, saves a screenshot of
# the window as a PNG file, says where, and ends.
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
source scripts/virtual_screen.sh
show_vorlix_on_virtual_screen "$work" 800x600 "$binary"
sleep 0.5
import -window "$WINDOW" "$shot"
echo "No display: Vorlix ran on a virtual screen; its window is in $shot"
