#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM, SIGHUP and SIGINT end the real program with status 0 at any
# moment of its start: 30 runs, each sent one of them at random 0 to 250 ms
# after it catches them, whether that falls before the window exists,
# while it is built or once the event loop runs. The delay starts when
# /proc shows SIGTERM caught, not at exec: before then the dynamic loader
# is still loading Qt and no code of the program's own can run, and
# counting from exec would make the test fail by chance. While it waits,
# the test checks that the signals are caught before Qt has loaded a
# platform plugin, that is before anything else starts. A signal ignored
# at the start (by nohup) stays ignored.
set -euo pipefail
binary="$1"
work="$(mktemp -d)"
pid=""
trap 'kill -KILL $pid 2>/dev/null || true; rm -rf "$work"' EXIT
# The offscreen platform: no display is needed, whatever the caller has.
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
echo 'leak:libdbus-1.so' >"$work/lsan.supp"  # Qt's bus connection, kept to the end
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$work/lsan.supp"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# has_signal PID FIELD SIGNAL: /proc says the process has SIGNAL in the
# mask FIELD (SigCgt, SigIgn).
has_signal() {
  local name mask
  while read -r name mask; do
    [ "$name" = "$2:" ] && (((16#$mask >> ($(kill -l "$3") - 1)) & 1)) && return 0
  done <"/proc/$1/status"
  return 1
}

# start [ENV ARGUMENT...]: starts the program, the three signals at their
# default whatever the caller ignores (a background job ignores SIGINT),
# and returns once it catches SIGHUP. The memory map is read before each
# look at the signals: a platform plugin loaded by then must have come
# after them.
start() {
  local maps
  env --default-signal=TERM,HUP,INT "$@" "$binary" 2>>"$work/stderr" &
  pid=$!
  until [ /proc/$pid/exe -ef "$binary" ]; do kill -0 $pid 2>/dev/null || return 0; done
  while kill -0 $pid 2>/dev/null; do
    maps="$(<"/proc/$pid/maps")"
    has_signal $pid SigCgt HUP && return 0
    [[ $maps != */platforms/libq* ]] || fail "the signals were caught only after Qt loaded a platform"
  done
}

signals=(TERM HUP INT)
for run in $(seq 30); do
  signal=${signals[RANDOM % 3]}
  delay=$((RANDOM % 251))
  start
  sleep "$(printf '0.%03d' $delay)"
  kill -s "$signal" $pid
  status=0
  wait $pid || status=$?
  [ $status -eq 0 ] || fail "SIG$signal $delay ms after the start: status $status: $(<"$work/stderr")"
done
echo "ok: 30 runs, each ended by a signal 0 to 250 ms after the start with status 0"

start --ignore-signal=TERM
has_signal $pid SigIgn TERM || fail "SIGTERM, ignored at the start, is caught"
kill -s HUP $pid
wait $pid
echo "ok: SIGTERM ignored at the start stays ignored"
