# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests: a private Xvfb screen with a light window
# manager, the real vorlix binary on it, and helpers to look at the window.
# Source it, then call start_screen and start_vorlix.

E2E_TMP="$(mktemp -d)"
E2E_PIDS=()
# Every start in one test shares a private settings folder, so that a
# second start sees what the first one saved, and nothing of the user's.
export XDG_CONFIG_HOME="$E2E_TMP/config"
# The window manager keeps its log under the cache folder: this test's own.
export XDG_CACHE_HOME="$E2E_TMP/cache"
# The program goes to this test's X screen, whatever platform or Wayland
# display the caller's shell names.
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# The texts compared are the English ones, whatever the caller's language.
export LC_ALL=C.UTF-8 LANGUAGE=''
# A session manager of the caller's desktop stays out of the test.
unset SESSION_MANAGER
# Without a session bus, libdbus keeps a buffer of Qt's attempt to reach
# one to the end of the process: under the sanitizer build the leak check
# would report it, not anything of ours.
echo 'leak:libdbus-1.so' >"$E2E_TMP/lsan.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$E2E_TMP/lsan.supp"

cleanup() {
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_screen.sh"

start_screen() {
  start_virtual_screen "$E2E_TMP"
  E2E_PIDS+=("$VIRTUAL_SCREEN_PID")
  openbox --sm-disable >"$E2E_TMP/wm.log" 2>&1 &
  E2E_PIDS+=($!)
  sleep 0.3
}

# start_vorlix COMMAND...: starts the binary (through env, say) and sets
# WINDOW to its window's id.
start_vorlix() {
  XDG_RUNTIME_DIR="$E2E_TMP" "$@" >"$E2E_TMP/vorlix.log" 2>&1 &
  VORLIX_PID=$!
  E2E_PIDS+=($VORLIX_PID)
  find_window
}

# find_window: sets WINDOW to the main window's id, known by its title
# "Vorlix VERSION", once it shows, and focuses it.
find_window() {
  WINDOW="$(timeout 10 xdotool search --sync --onlyvisible --name '^Vorlix [0-9.]+$' | head -n 1)"
  [ -n "$WINDOW" ] || fail "the window did not appear"
  xdotool windowactivate --sync "$WINDOW" 2>/dev/null || xdotool windowfocus --sync "$WINDOW"
  sleep 0.2
}

client_size() {
  xwininfo -id "$WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# click X Y [BUTTON]: a real pointer click at a point of the client area.
click() {
  xdotool mousemove --window "$WINDOW" "$1" "$2" click "${3:-1}"
  sleep 0.15
}

type_text() {
  xdotool type --delay 20 "$1"
  sleep 0.1
}

key() {
  xdotool key --delay 20 "$@"
  sleep 0.2
}

screenshot() {
  sleep 0.3
  import -window "$WINDOW" "$E2E_TMP/shot.png"
}

# pixel X Y: the colour of the last screenshot there, as "r,g,b".
pixel() {
  convert "$E2E_TMP/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

# expect_pixel X Y R,G,B WHAT: the pixel reaches that colour within about
# three seconds (X input and painting are asynchronous), taking a fresh
# screenshot for each look after the first.
expect_pixel() {
  local got
  for attempt in $(seq 30); do
    got="$(pixel "$1" "$2")"
    if [ "$got" = "$3" ]; then
      echo "ok: $4 ($3)"
      return 0
    fi
    sleep 0.1
    import -window "$WINDOW" "$E2E_TMP/shot.png"
  done
  fail "$4: pixel ($1,$2) is $got, expected $3"
}
