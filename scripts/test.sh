#!/usr/bin/env bash
# The one test command: installs what is missing, checks the formatting,
# then builds and runs every test in the developer and the sanitizer
# builds, and gives each fuzz target a short run.
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

echo "== fuzz smoke runs"
bash scripts/fuzz.sh 20000
