#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The session ends with the window open, after a right-click turned the
# window's colour from 255 to 65535: by each signal a logout or a terminal
# sends, by a real X session manager (xsm), and by the X server's end. The
# colours are saved as a close saves them, status 0; a save that fails is
# told on standard error, never in a box that would hold up the logout,
# status 1.
set -euo pipefail
binary="$1"
source "$(dirname "$0")/x11_session.sh"
conf="$XDG_CONFIG_HOME/Vorlix/Vorlix.conf"
start_screen

# signals sent, what is in the way of the save, what the settings file or
# standard error must then show. A live process holding the lock keeps the
# first signal's save waiting while the next signals come.
while read -r signals in_the_way expected; do
  rm -rf "$XDG_CONFIG_HOME"
  [ "$in_the_way" = file ] && touch "$XDG_CONFIG_HOME"
  start_vorlix env --default-signal=INT "$binary"  # bash's background jobs ignore SIGINT
  click 5 5 3
  if [ "$in_the_way" = lock ]; then
    mkdir -p "$(dirname "$conf")"
    sleep 30 &
    holder=$!
    E2E_PIDS+=($holder)
    printf '%s\nsleep\n%s\n' "$holder" "$(hostname)" >"$conf.lock"
  fi
  for signal in ${signals//,/ }; do kill -s "$signal" "$VORLIX_PID" && sleep 0.3; done
  [ "$in_the_way" = lock ] && kill "$holder"
  status=0
  wait "$VORLIX_PID" || status=$?
  [ "$status" -eq "$(grep -c '^vorlix:' "$E2E_TMP/vorlix.log")" ] || fail "$signals: status $status"
  grep -qs "$expected" "$conf" "$E2E_TMP/vorlix.log" || fail "$signals: no $expected"
  echo "ok: $signals with $in_the_way in the way: $expected, status $status"
done <<'EOF'
TERM nothing ^form=65535$
HUP nothing ^form=65535$
INT nothing ^form=65535$
TERM,TERM,HUP lock ^form=65535$
TERM file ^vorlix: The colours could not be saved:
EOF

# xsm starts the program from .xsmstartup in its HOME, checkpoints on
# SIGUSR1 and ends the session on SIGTERM; Qt's own session management
# answers it. A folder where the file goes makes the logout's save fail.
rm -rf "$XDG_CONFIG_HOME"
printf '#!/bin/sh\n"%s" 2>"%s/vorlix.log"\necho $? >"%s/status"\n' "$binary" "$E2E_TMP" \
  "$E2E_TMP" >"$E2E_TMP/start"
chmod +x "$E2E_TMP/start"
echo "$E2E_TMP/start" >"$E2E_TMP/.xsmstartup"
env -u ICEAUTHORITY -u SM_SAVE_DIR HOME="$E2E_TMP" XDG_RUNTIME_DIR="$E2E_TMP" xsm \
  >"$E2E_TMP/xsm.log" 2>&1 &
xsm_pid=$!
E2E_PIDS+=($xsm_pid)
find_window
click 5 5 3
kill -s USR1 "$xsm_pid"
for _ in $(seq 50); do grep -qs '^form=65535$' "$conf" && break || sleep 0.1; done
grep -qs '^form=65535$' "$conf" || fail "xsm's checkpoint did not save the colours"
echo "ok: xsm's checkpoint saved the colours"
rm "$conf" && mkdir "$conf"
click 5 5 3
kill -s TERM "$xsm_pid"
for _ in $(seq 100); do [ -s "$E2E_TMP/status" ] && break || sleep 0.1; done
[ "$(cat "$E2E_TMP/status" 2>/dev/null)" = 1 ] || fail "xsm's logout: status $(cat "$E2E_TMP/status")"
grep -q 'is a folder, not a file' "$E2E_TMP/vorlix.log" || fail "the failure went untold"
echo "ok: xsm's logout ended the program with 1, the failed save told on standard error"

rm -rf "$XDG_CONFIG_HOME"
start_vorlix "$binary"
click 5 5 3 && screenshot && expect_pixel 5 5 "255,255,0" "the window recoloured"
kill "$VIRTUAL_SCREEN_PID"
status=0 && wait "$VORLIX_PID" || status=$?
[ "$status" = 1 ] && grep -q '^form=65535$' "$conf" &&
  grep -q 'X11 connection broke' "$E2E_TMP/vorlix.log" ||
  fail "the X server's end (status $status) lost the colours or went untold"
echo "ok: the X server's end saved the colours; status 1"
echo "session end-to-end: passed"
