#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started as a launcher starts an entry with StartupNotify=true, the window
# ends the startup notification once it shows, and the busy cursor stops.
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
start_screen
messages="$E2E_TMP/messages"
timeout 20 /usr/bin/python3 "$(dirname "$0")/startup_messages.py" >"$messages" &
listener=$!
timeout 10 sh -c "until grep -q listening '$messages'; do sleep 0.05; done" || fail "no listener"
id="vorlix-e2e-$$_TIME$(date +%s)"
DESKTOP_STARTUP_ID="$id" start_vorlix "$1"
wait "$listener" || fail "no startup message ended: $(cat "$messages")"
grep -qx "remove: ID=$id" "$messages" || fail "the window ended no startup of its own: $(cat "$messages")"
echo "startup notification end-to-end: passed"
