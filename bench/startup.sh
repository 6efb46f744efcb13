#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bench/startup.sh [--with-at-spi] [RUNS [OLD_VORLIX]]: time from exec to
# the window mapped, and peak resident memory, interleaved on one Xvfb
# screen, in English and in German: the floor (a bare Qt window with the
# same widgets), vorlix, and OLD_VORLIX when given (an earlier build, to
# compare with). Release build. With --with-at-spi every program starts as
# it does beside a screen reader (see bench/with_at_spi.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
wrap=()
if [ "${1:-}" = --with-at-spi ]; then
  wrap=(bash bench/with_at_spi.sh)
  shift
fi
runs="${1:-15}"
old="${2:-}"

bash scripts/install-deps.sh >/dev/null
cmake --preset bench >/dev/null
cmake --build --preset bench --target vorlix vorlix-floor startup-timer >/dev/null

work="$(mktemp -d)"
trap 'kill "$VIRTUAL_SCREEN_PID" 2>/dev/null; rm -rf "$work"' EXIT
source scripts/virtual_screen.sh
start_virtual_screen "$work"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE LC_ALL LC_MESSAGES

commands=()
for program in build/bench/bench/vorlix-floor build/bench/src/app/vorlix ${old:+"$old"}; do
  commands+=("LANGUAGE=en LANG=en_US.UTF-8 $program" "LANGUAGE=de LANG=de_DE.UTF-8 $program")
done
"${wrap[@]}" build/bench/bench/startup-timer "$runs" "${commands[@]}"
