#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# translations_complete.sh LUPDATE "OPTIONS" "TS_FILES" SOURCES...: each .ts
# file is what lupdate makes of the sources now (no text missing, none
# left over), and every text in it is translated, keeping the source's
# placeholders and its access key. The lists in quotes are CMake's, joined
# by semicolons.
set -euo pipefail
lupdate="$1"
IFS=';' read -r -a options <<<"$2"
IFS=';' read -r -a ts_files <<<"$3"
shift 3

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
for ts in "${ts_files[@]}"; do
  name="$(basename "$ts")"
  cp "$ts" "$work/$name"
  "$lupdate" "${options[@]}" "$@" -ts "$work/$name" >/dev/null
  if ! cmp -s "$ts" "$work/$name"; then
    echo "FAIL: $name differs from the sources' texts; run the vorlix_platform_lupdate target:"
    diff -u "$ts" "$work/$name" | sed '1,2d' | grep '^[-+]' || true
    failures=$((failures + 1))
  fi
  # lupdate writes each <source> on the line before its <translation>.
  problems="$(awk '
    function marks(text,   found) {
      found = ""
      while (match(text, /%[0-9pct]|\{\}|&amp;/)) {
        found = found " " substr(text, RSTART, RLENGTH)
        text = substr(text, RSTART + RLENGTH)
      }
      return found
    }
    /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
    /<translation/ {
      if ($0 !~ /<translation>[^<]+<\/translation>/) { print "not translated: " source; next }
      text = $0; sub(/.*<translation>/, "", text); sub(/<\/translation>.*/, "", text)
      if (marks(source) != marks(text)) print "placeholders or access key differ: " source " / " text
    }' "$ts")"
  if [ -n "$problems" ]; then
    printf 'FAIL: %s: %s\n' "$name" "$problems"
    failures=$((failures + 1))
  else
    echo "$name: $(grep -c '<source>' "$ts") texts, each translated"
  fi
done
[ "$failures" -eq 0 ]
