#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# 30 starts, each sent SIGTERM, SIGHUP or SIGINT 0 to 250 ms after /proc
# shows them caught (from exec, the dynamic loader's few milliseconds would
# fail the test by chance), end with status 0; they must be caught before
# Qt loads a platform plugin. One ignored at the start stays ignored.
set -euo pipefail
binary="$1"
work="$(mktemp -d)"
trap 'kill -KILL ${pid:-} 2>/dev/null || true; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
fail() { echo "FAIL: $*" >&2 && exit 1; }

caught() {  # caught MASK SIGNAL: /proc shows $pid with SIGNAL in MASK
  (((16#$(awk -v f="$1:" '$1 == f {m = $2} END {print m ? m : 0}' "/proc/$pid/status") >>
    ($(kill -l "$2") - 1)) & 1))
}

start() {  # start [ENV ARGUMENT...]: the signals at their default, whatever the caller's
  env --default-signal=TERM,HUP,INT "$@" "$binary" &
  pid=$!
  until [ /proc/$pid/exe -ef "$binary" ]; do :; done  # the shell's own handlers first
  while maps="$(<"/proc/$pid/maps")" && ! caught SigCgt HUP; do
    [[ $maps != */platforms/libq* ]] || fail "the signals were caught after Qt loaded a platform"
  done
}

for _ in $(seq 30); do
  signal=$(shuf -n 1 -e TERM HUP INT) delay=$((RANDOM % 251))
  start && sleep "$(printf '0.%03d' $delay)" && kill -s "$signal" $pid
  wait $pid || fail "SIG$signal $delay ms after the start: status $?"
done
start --ignore-signal=TERM
caught SigIgn TERM || fail "SIGTERM, ignored at the start, is caught"
kill -s HUP $pid && wait $pid
echo "ending signals: passed"
