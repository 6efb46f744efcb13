#!/usr/bin/env bash
# The one test command: installs what is missing, checks the formatting,
# then builds and runs every test in the developer (g++) and the sanitizer
# (clang) builds, runs clang-tidy over src/, and gives each fuzz target a
# short run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

for preset in dev asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset tests"
  ctest --preset "$preset"
done

echo "== clang-tidy"
# The product's sources only: not the tests, nor what moc generates in the
# build folder. The checks and the headers looked at are in .clang-tidy.
here="$(printf '%s' "$PWD" | sed 's/[][\.*^$+?(){}|]/\\&/g')"
run-clang-tidy -p build/dev -j "$(nproc)" -quiet "^$here/src/.*\.cpp$"

echo "== fuzz smoke runs"
bash scripts/fuzz.sh 20000
