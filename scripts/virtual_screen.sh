# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need an X screen of their own.
#
# start_virtual_screen DIR [SIZE]: starts Xvfb on a free display number,
# with a screen of SIZE pixels (800x600 unless given), exports DISPLAY for
# it, and leaves the server's pid in VIRTUAL_SCREEN_PID.
start_virtual_screen() {
  local dir="$1" size="${2:-800x600}"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  VIRTUAL_SCREEN_PID=$!
  for _ in $(seq 200); do
    [ -s "$dir/display" ] && break
    sleep 0.05
  done
  [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$dir/display")"
}
