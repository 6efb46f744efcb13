#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets and runs each for RUNS executions (default
# 20000) from an empty corpus; the settings file target, which writes and
# syncs a real file each time, gets a tenth of them. A crash or sanitizer
# report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20000}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
# A memory-backed folder keeps the file target's syncs cheap.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
for target in to_int16_fuzz calculate_fuzz settings_text_fuzz settings_file_fuzz; do
  target_runs="$runs"
  [ "$target" = settings_file_fuzz ] && target_runs=$((runs / 10))
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "-- $target: $target_runs runs"
  log="build/fuzz/$target.log"
  status=0
  "build/fuzz/fuzz/$target" -runs="$target_runs" "$corpus" >"$log" 2>&1 || status=$?
  grep -E '^Done|ERROR|SUMMARY' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    exit "$status"
  fi
done
