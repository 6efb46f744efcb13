#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for RUNS executions (default
# 20000) from an empty corpus. A crash or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20000}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in to_int16_fuzz calculate_fuzz; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "-- $target: $runs runs"
  log="build/fuzz/$target.log"
  status=0
  "build/fuzz/fuzz/$target" -runs="$runs" "$corpus" >"$log" 2>&1 || status=$?
  grep -E '^Done|ERROR|SUMMARY' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    exit "$status"
  fi
done
