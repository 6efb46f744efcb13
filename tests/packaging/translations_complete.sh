#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# translations_complete.sh LUPDATE "OPTIONS" "TS_FILES" SOURCES...: each .ts
# file is what lupdate makes of the sources now (no text missing, none
# left over), and every text in it is translated, keeping the source's
# placeholders and its access key: the same ones, in any order, as a
# sentence in another language may need them. The lists in quotes are
# CMake's, joined by semicolons.
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
    # The placeholders and access key a text holds, each once, in one order.
    function marks(text,   seen, all, count, i, found) {
      split("", seen)
      while (match(text, /%[0-9pct]|\{\}|&amp;/)) {
        seen[substr(text, RSTART, RLENGTH)] = 1
        text = substr(text, RSTART + RLENGTH)
      }
      count = split("%0 %1 %2 %3 %4 %5 %6 %7 %8 %9 %p %c %t {} &amp;", all, " ")
      found = ""
      for (i = 1; i <= count; i++) if (all[i] in seen) found = found " " all[i]
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
