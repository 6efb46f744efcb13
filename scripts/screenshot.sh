#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/screenshot.png, the picture that the README and the AppStream
# metadata show: the window drawn at twice its size (824x416, as software
# centres want 620 pixels at least) on a virtual screen, with 1 1/2 + 2 1/3
# calculated. Builds the release preset first unless given a vorlix binary:
#   bash scripts/screenshot.sh [BINARY]
set -euo pipefail
cd "$(dirname "$0")/.."

binary="${1:-}"
if [ -z "$binary" ]; then
  bash scripts/install-deps.sh
  cmake --preset release >/dev/null
  cmake --build --preset release
  binary=build/release/src/app/vorlix
fi

work="$(mktemp -d)"
source scripts/virtual_screen.sh
show_vorlix_on_virtual_screen "$work" 1024x768 "$binary" QT_SCALE_FACTOR=2
window="$WINDOW"

# type_into X Y TEXT: clicks the box at (X, Y) of the unscaled window and types.
type_into() {
  xdotool mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) click 1
  xdotool type --delay 20 "$3"
}
type_into 90 65 1   # the first number's whole part, numerator and denominator
type_into 130 49 1
type_into 130 81 2
type_into 194 65 2  # the second number's
type_into 234 49 1
type_into 234 81 3
xdotool key Return  # Enter in the last box calculates
sleep 0.5
import -window "$window" "$work/shot.png"
convert "$work/shot.png" -strip docs/screenshot.png
echo "screenshot: docs/screenshot.png, $(identify -format '%wx%h' docs/screenshot.png)"
