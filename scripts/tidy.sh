#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tidy.sh BUILD-DIR LOG: clang-tidy, with the checks in .clang-tidy, over
# every source file in src/, from BUILD-DIR's compile commands and the
# headers moc made there; its output goes to LOG. Prints the number of
# findings, and fails when there is one or when clang-tidy itself fails.
#
# The files of each folder that uses Qt are checked together, as one
# translation unit: alone, each spends most of its time in Qt's headers,
# and together they give the same findings in a fifth of the time. So two
# files of such a folder cannot both define a name at file scope, even in
# an unnamed namespace; clang-tidy then reports the redefinition.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "$1")"
log="$2"
together=(src/calc src/window src/colors src/settings src/platform src/app)
work="$build/clang-tidy"
rm -rf "$work"
mkdir -p "$work"

# The unit of each such folder, and a compile database that has it in
# place of the folder's files.
for folder in "${together[@]}"; do
  unit="$work/$(basename "$folder").cpp"
  for source in $(git ls-files "$folder/*.cpp"); do
    printf '#include "%s"  // NOLINT(bugprone-suspicious-include)\n' "$PWD/$source"
  done >"$unit"
done
python3 - "$build/compile_commands.json" "$work" "$PWD" "${together[@]}" <<'PYTHON'
import json, os, sys
database, work, top, folders = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
entries = []
for folder in folders:
    unit = os.path.join(work, os.path.basename(folder) + ".cpp")
    first = next(e for e in json.load(open(database))
                 if e["file"].startswith(os.path.join(top, folder) + "/"))
    entries.append(dict(first, file=unit, command=first["command"].replace(first["file"], unit)))
for entry in json.load(open(database)):
    inside = entry["file"].startswith(os.path.join(top, "src") + "/")
    if inside and not any(entry["file"].startswith(os.path.join(top, f) + "/") for f in folders):
        entries.append(entry)
json.dump(entries, open(os.path.join(work, "compile_commands.json"), "w"), indent=1)
PYTHON

status=0
run-clang-tidy -p "$work" -j "$(nproc)" -quiet \
  -header-filter='/src/((app|calc|colors|platform|settings|window)/[^/]*\.(h|cpp)|translatable\.h)$' \
  >"$log" 2>&1 || status=$?
# A finding in a header is reported once for each file that includes it.
findings=$({ sed 's/\x1b\[[0-9;]*m//g' "$log" |
  grep -E '^/.*:[0-9]+:[0-9]+: (warning|error): ' || true; } | sort -u | wc -l)
echo "$findings"
[ "$status" -eq 0 ] && [ "$findings" -eq 0 ]
