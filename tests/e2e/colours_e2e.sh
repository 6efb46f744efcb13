#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Real right-clicks on the real window, a close through the window
# manager's close request, and a second start showing the saved colours.
set -euo pipefail
binary="$1"
source "$(dirname "$0")/x11_session.sh"

start_screen
start_vorlix "$binary"

click 5 5 3                      # window: entry 1, yellow
click 130 49 3                   # Text1(0): entry 1, yellow (no visible change)
click 234 49 3                   # Text1(2): entry 2, blue
click 160 65 3                   # Label1: entry 1
click 160 65 3                   # Label1: entry 2, blue
click 370 140 3                  # Calculate: entry 1, yellow
click 350 186 3                  # copyright label: nothing at all
click 10 100 3                   # Shape1's outline: the window, entry 2, blue
screenshot
expect_pixel 5 5 "0,0,255" "the rectangle's outline recolours the window"
expect_pixel 244 49 "0,0,255" "second entry box right-click gives blue"
expect_pixel 370 140 "255,255,0" "Calculate recoloured yellow"
expect_pixel 80 140 "255,128,0" "New keeps its colour"
label1_before="$(pixel 150 52)"

# The window manager's close: it sends WM_DELETE_WINDOW, so the colours
# are saved as they are when a user closes the window.
xdotool key alt+F4
for _ in $(seq 100); do kill -0 "$VORLIX_PID" 2>/dev/null || break; sleep 0.05; done
kill -0 "$VORLIX_PID" 2>/dev/null && fail "the window did not close"
grep -q '^form=16711680$' "$XDG_CONFIG_HOME/Vorlix/Vorlix.conf" || fail "the window's colour was not saved"
echo "ok: closed through the window manager, colours saved"

start_vorlix "$binary"
screenshot
expect_pixel 5 5 "0,0,255" "the window's colour came back"
expect_pixel 244 49 "0,0,255" "Text1(2)'s colour came back"
expect_pixel 370 140 "255,255,0" "Calculate's colour came back"
expect_pixel 150 52 "$label1_before" "Label1's colour came back"
echo "colours end-to-end: passed"
