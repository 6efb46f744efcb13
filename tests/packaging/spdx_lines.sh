#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# spdx_lines.sh SOURCE-DIR: every source file says under which licence it
# is, in an SPDX line near its top.
set -euo pipefail
cd "$1"
missing=()
while IFS= read -r -d '' file; do
  head -n 3 "$file" | grep -q 'SPDX-License-Identifier: ' || missing+=("$file")
done < <(find src tests fuzz bench scripts cmake data .ci -type f \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.in' -o -name '*.sh' -o -name '*.py' \
  -o -name '*.cmake' -o -name 'CMakeLists.txt' -o -name '*.vsc' -o -name '*.desktop' \
  -o -name '*.svg' -o -name '*.xml' -o -name '*.1' -o -name '*.conf' -o -name run \) -print0)
head -n 3 CMakeLists.txt | grep -q 'SPDX-License-Identifier: ' || missing+=(CMakeLists.txt)
if [ ${#missing[@]} -ne 0 ]; then
  printf 'no SPDX line: %s\n' "${missing[@]}"
  exit 1
fi
echo "every source file has its SPDX line"
