#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bench/with_at_spi.sh COMMAND...: runs COMMAND as it runs beside a screen
# reader: on a private session bus, with the accessibility bus launcher
# running, org.a11y.Status IsEnabled set true, and
# QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Needs at-spi2-core and dbus-daemon.
set -euo pipefail

if [ -z "${VORLIX_AT_SPI_DIR:-}" ]; then
  dir="$(mktemp -d)"
  sed "s|@FOLDER@|$dir|g" "$(dirname "$0")/../tests/e2e/session_bus.conf" >"$dir/session.conf"
  status=0
  VORLIX_AT_SPI_DIR="$dir" XDG_RUNTIME_DIR="$dir" \
    dbus-run-session --config-file="$dir/session.conf" -- bash "$0" "$@" || status=$?
  rm -rf "$dir"
  exit "$status"
fi

# The launcher is kept off the X screen: a client that connects and leaves
# makes Xvfb reset under the programs being measured.
env -u DISPLAY /usr/libexec/at-spi-bus-launcher --launch-immediately \
  >"$VORLIX_AT_SPI_DIR/launcher.log" 2>&1 &
launcher=$!
trap 'kill "$launcher" 2>/dev/null; wait' EXIT
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' &&
    break
  sleep 0.05
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
  variant:boolean:true >/dev/null
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
