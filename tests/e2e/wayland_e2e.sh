#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window on a headless Wayland compositor (weston) through Qt's native
# Wayland platform: a maximize request, which a fixed-size window cannot
# honour by clamping, leaves the program running, and the colours chosen
# before it are saved at the close, come back at the next start, and are
# saved by the real program when the compositor ends.
set -euo pipefail
runner="$1"
binary="$2"

work="$(mktemp -d)"
chmod 700 "$work"
weston_pid=""
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/weston.log" ] && tail -n 20 "$work/weston.log" >&2
  exit 1
}

export XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config"
export LC_ALL=C.UTF-8 LANGUAGE=''  # the English texts, whatever the caller's
export WAYLAND_DISPLAY=vorlix-e2e QT_QPA_PLATFORM=wayland
# Qt's Wayland plugin and libwayland-client keep a few allocations until the
# process ends, outside this program's code: under the sanitizer build the
# leak check would report them, not anything of ours.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
unset DISPLAY
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$work/$WAYLAND_DISPLAY" ] && break
  sleep 0.05
done
[ -S "$work/$WAYLAND_DISPLAY" ] || fail "weston did not start"

run() {  # run LINES...: one vorlix-script process on weston
  local status=0
  output="$(printf '%s\n' "$@" | "$runner" 2>"$work/runner.err")" || status=$?
  [ "$status" -eq 0 ] || fail "vorlix-script exited with $status: $(cat "$work/runner.err")"
}

run 'rclick Form1' 'maximize' 'rclick Label1' 'rclick Label1' 'color Form1' 'close'
[ "$output" = "color Form1 65535" ] || fail "after maximizing: $output"
grep -q 'Protocol error' "$work/runner.err" && fail "the connection broke: $(cat "$work/runner.err")"
echo "ok: a maximize request leaves the window running"

run 'color Form1' 'color Label1'
[ "$output" = "$(printf 'color Form1 65535\ncolor Label1 16711680')" ] ||
  fail "the colours did not come back: $output"
echo "ok: the close after it saved the colours"

# The compositor ends once the window has painted, from the event loop
# (libwayland logs the buffer attached); no settings file before it.
rm -rf "$XDG_CONFIG_HOME"
WAYLAND_DEBUG=1 "$binary" 2>"$work/vorlix.log" &
for _ in $(seq 200); do grep -qs 'attach(wl_buffer' "$work/vorlix.log" && break || sleep 0.05; done
kill "$weston_pid" && weston_pid=""
status=0 && wait $! || status=$?
[ "$status" = 1 ] && grep -qs '^form=' "$XDG_CONFIG_HOME/Vorlix/Vorlix.conf" &&
  grep -q 'Wayland connection broke' "$work/vorlix.log" ||
  fail "the compositor's end (status $status) lost the colours or went untold"
echo "ok: the compositor's end saved the colours; status 1"
echo "wayland end-to-end: passed"
