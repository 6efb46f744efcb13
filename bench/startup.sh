#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bench/startup.sh [--with-at-spi] [RUNS [OLD_VORLIX]]: time from exec to
# the window mapped, and peak resident memory,
# interleaved on one Xvfb screen, in English and in German: the floor (a
# bare Qt window with the same widgets), vorlix, and OLD_VORLIX when given
# (an earlier build, to compare with). Release build.
# --with-at-spi: every program starts as it does beside a screen reader
# (see bench/with_at_spi.sh).
# bench/startup.sh --instructions [OLD_VORLIX]: instead of timing, counts
# under valgrind's callgrind the
# instructions each program runs from exec to its event loop (the window
# is mapped as the loop starts) and to its first frame drawn, which stay
# the same on a busy machine; the profiles are kept in build/bench/profiles
# for callgrind_annotate.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="time"
wrap=()
case "${1:-}" in
  --with-at-spi) wrap=(bash bench/with_at_spi.sh) && shift ;;
  --instructions) mode=instructions && shift ;;
esac
[ "$mode" = time ] || set -- 1 "$@"
runs="${1:-15}"
old="${2:-}"
if [ "$mode" = instructions ] && ! command -v valgrind >/dev/null; then
  echo "startup.sh: --instructions needs valgrind (apt install valgrind)" >&2
  exit 1
fi

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
if [ "$mode" = time ]; then
  "${wrap[@]}" build/bench/bench/startup-timer "$runs" "${commands[@]}"
  exit
fi

# The instructions to the event loop and to the first frame, the first
# profile's two parts; valgrind writes the second as the frame is drawn.
profiles=build/bench/profiles
rm -rf "$profiles" && mkdir -p "$profiles"
count() {
  local name="$1" program="$2" pid
  shift 2
  env "$@" valgrind --tool=callgrind --callgrind-out-file="$profiles/$name.%p" \
    --dump-before='QCoreApplication::exec*' \
    --dump-after='QWidgetRepaintManager::paintAndFlush*' "$program" 2>/dev/null &
  pid=$!
  for _ in $(seq 600); do
    grep -qs '^totals:' "$profiles/$name.$pid.2" && break
    sleep 0.1
  done
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  awk '/^totals:/ { sum += $2; print sum }' "$profiles/$name.$pid.1" "$profiles/$name.$pid.2"
}
declare -A floor_counts
for i in "${!commands[@]}"; do
  command="${commands[$i]}"
  language="${command%% *}"
  program="${command##* }"
  read -ra settings <<<"${command% *}"
  mapfile -t counts < <(count "$i-$(basename "$program")-${language#*=}" "$program" "${settings[@]}")
  [ -n "${floor_counts[$language]:-}" ] || floor_counts[$language]="${counts[*]}"
  read -r floor_loop floor_frame <<<"${floor_counts[$language]}"
  awk -v c="$command" -v l="${counts[0]}" -v f="${counts[1]}" -v fl="$floor_loop" -v ff="$floor_frame" \
    'BEGIN { printf "%s\n  %.1f M instructions to the event loop (%.3fx the floor in its language), %.1f M to the first frame (%.3fx)\n", c, l / 1e6, l / fl, f / 1e6, f / ff }'
done
