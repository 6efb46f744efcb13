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

# show_vorlix_on_virtual_screen DIR SIZE BINARY [VAR=VALUE...]: a screen of
# its own in the empty folder DIR with the program on it as at its first
# start, whatever the caller's desktop: on X, in Qt's own style, with its
# settings in DIR. Sets WINDOW to its window's id. When the script exits,
# the program ends, then the screen, and DIR goes.
show_vorlix_on_virtual_screen() {
  local dir="$1" size="$2" binary="$3"
  shift 3
  start_virtual_screen "$dir" "$size"
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE QT_QPA_PLATFORM=xcb \
    XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir" "$@" "$binary" &
  VIRTUAL_SCREEN_PROGRAM=$!
  # shellcheck disable=SC2064 # the folder and the pids as they are now
  trap "kill $VIRTUAL_SCREEN_PROGRAM 2>/dev/null; wait $VIRTUAL_SCREEN_PROGRAM
    kill $VIRTUAL_SCREEN_PID 2>/dev/null; wait; rm -rf '$dir'" EXIT
  WINDOW="$(timeout 10 xdotool search --sync --onlyvisible --name '^Vorlix ' | head -n 1)"
  [ -n "$WINDOW" ] || { echo "the window did not appear" >&2; return 1; }
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
}
