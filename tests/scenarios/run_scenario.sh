#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run_scenario.sh RUNNER SCRIPT VERSION: runs SCRIPT on the offscreen
# platform with an empty settings folder and compares the output with its
# "#> " lines, where @VERSION@ stands for VERSION, the build's version.
# It runs in English whatever the caller's language, or under the locale a
# "# locale: " line of the script names.
set -euo pipefail
runner="$1"
script="$2"
version="$3"
language="$(sed -n 's/^# locale: //p' "$script")"

config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT

expected="$(sed -n "s/^#> //; T; s/@VERSION@/$version/g; p" "$script")"
status=0
actual="$(LC_ALL="${language:-C.UTF-8}" LANGUAGE='' QT_QPA_PLATFORM=offscreen \
  XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$config" "$runner" "$script")" || status=$?
if [ "$status" -ne 0 ]; then
  echo "vorlix-script exited with $status"
  exit 1
fi
if [ "$expected" != "$actual" ]; then
  diff -u <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | sed '1,2d' || true
  exit 1
fi
echo "scenario passed: $(grep -c '^#> ' "$script") lines of output matched"
