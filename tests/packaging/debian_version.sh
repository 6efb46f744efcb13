#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# debian_version.sh CHANGELOG VERSION: the newest entry of the Debian
# changelog packages VERSION, the version project() gives. The changelog
# keeps its own entries; only their upstream part must agree.
set -euo pipefail
entry="$(head -n 1 "$1")"
# "vorlix (EPOCH:UPSTREAM-REVISION) ...": the epoch and the revision off.
upstream="$(sed -E -n 's/^[^ ]+ \(([0-9]+:)?(.+)-[^-]+\) .*/\2/p' <<<"$entry")"
if [ "$upstream" != "$2" ]; then
  echo "debian/changelog's newest entry is for version '$upstream', the project is $2: $entry"
  exit 1
fi
echo "debian/changelog packages version $2"
