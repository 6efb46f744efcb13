#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one test command: installs what is missing, checks the formatting,
# builds and runs every test in the developer build (g++) and in the
# sanitizer build (clang), runs clang-tidy over src/, and gives each fuzz
# target a short run. It ends by saying what it ran: each build with its
# tests passed, failed and skipped, the other checks, and the total time.
# A failed step fails the command; the steps after it still run, so the
# summary is whole.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
summary=()
failed=()
passed_total=0 failed_total=0 skipped_total=0

bash scripts/install-deps.sh

duration() {  # duration SECONDS: "1 min 5 s"
  if [ "$1" -ge 60 ]; then echo "$(($1 / 60)) min $(($1 % 60)) s"; else echo "$1 s"; fi
}

# compiler BUILD-DIR: the compiler CMake found there, such as "GNU 12.2.0".
compiler() {
  sed -n -e 's/^set(CMAKE_CXX_COMPILER_ID "\(.*\)")/\1/p' \
    -e 's/^set(CMAKE_CXX_COMPILER_VERSION "\(.*\)")/\1/p' \
    "$1"/CMakeFiles/*/CMakeCXXCompiler.cmake | paste -s -d ' '
}

# junit_count FILE ATTRIBUTE: a count from the head of ctest's JUnit file.
junit_count() {
  sed -n "s/^[[:space:]]*$2=\"\([0-9]*\)\"$/\1/p" "$1" | head -n 1
}

echo "== formatting"
sources="$(git ls-files '*.cpp' '*.h')"
if xargs clang-format --dry-run --Werror <<<"$sources"; then
  summary+=("formatting: $(wc -l <<<"$sources") files as .clang-format says")
else
  failed+=(formatting)
  summary+=("formatting: FAILED")
fi

for preset in dev asan; do
  step_started=$SECONDS
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  if ! cmake --build --preset "$preset"; then
    failed+=("$preset build")
    summary+=("$preset: the build FAILED")
    continue
  fi
  echo "== $preset tests"
  results="$PWD/build/$preset/test-results.xml"
  rm -f "$results"
  ctest --preset "$preset" --output-junit "$results" || failed+=("$preset tests")
  if [ ! -s "$results" ]; then
    failed+=("$preset tests")
    summary+=("$preset ($(compiler "build/$preset")): ctest wrote no results")
    continue
  fi
  tests=$(junit_count "$results" tests)
  failures=$(junit_count "$results" failures)
  skipped=$(($(junit_count "$results" skipped) + $(junit_count "$results" disabled)))
  passed=$((tests - failures - skipped))
  passed_total=$((passed_total + passed))
  failed_total=$((failed_total + failures))
  skipped_total=$((skipped_total + skipped))
  summary+=("$preset ($(compiler "build/$preset")): $passed passed, $failures failed, $skipped skipped, $(duration $((SECONDS - step_started)))")
  # Why each skipped test skipped, in its own words: a test that skips
  # prints "NAME: skipped: REASON" before it exits with 77.
  while IFS= read -r reason; do
    summary+=("  $reason")
  done < <(grep -o '[A-Za-z0-9_.]*: skipped: [^<]*' "$results" | sort -u)
done

echo "== clang-tidy"
# It reads the developer build's compile commands and moc's headers.
step_started=$SECONDS
tidy_log="$PWD/build/clang-tidy.log"
tidy_files=$(git ls-files 'src/*.cpp' | wc -l)
# The product's sources only: not the tests, nor what moc generates in the
# build folder. The checks and the headers looked at are in .clang-tidy.
here="$(printf '%s' "$PWD" | sed 's/[][\.*^$+?(){}|]/\\&/g')"
if [[ " ${failed[*]} " == *" dev build "* ]]; then
  failed+=(clang-tidy)
  summary+=("clang-tidy: not run, as the dev build failed")
else
  tidy_status=0
  run-clang-tidy -p build/dev -j "$(nproc)" -quiet "^$here/src/.*\.cpp$" >"$tidy_log" 2>&1 ||
    tidy_status=$?
  # A finding in a header is reported once for each file that includes it.
  findings=$({ sed 's/\x1b\[[0-9;]*m//g' "$tidy_log" |
    grep -E '^/.*:[0-9]+:[0-9]+: (warning|error): ' || true; } | sort -u | wc -l)
  if [ "$tidy_status" -ne 0 ] || [ "$findings" -ne 0 ]; then
    tail -n 60 "$tidy_log"
    failed+=(clang-tidy)
  fi
  summary+=("clang-tidy ($(clang-tidy --version | sed -n 's/.*LLVM version //p')): $findings findings in $tidy_files files, $(duration $((SECONDS - step_started)))")
fi

echo "== fuzz smoke runs"
step_started=$SECONDS
fuzz_runs=20000
fuzz_log="$PWD/build/fuzz-smoke.log"
if bash scripts/fuzz.sh "$fuzz_runs" | tee "$fuzz_log"; then
  targets=$(grep -c "^-- .*: [0-9]* runs" "$fuzz_log" || true)
  summary+=("fuzz: $targets targets, $fuzz_runs runs each (the settings file's a tenth), no crash, $(duration $((SECONDS - step_started)))")
else
  failed+=(fuzz)
  summary+=("fuzz: FAILED")
fi

echo "== summary"
printf '%s\n' "${summary[@]}"
echo "total time: $(duration $((SECONDS - started)))"
if [ ${#failed[@]} -ne 0 ]; then
  echo "failed steps: ${failed[*]}"
fi
echo "tests: $passed_total passed, $failed_total failed, $skipped_total skipped"
[ ${#failed[@]} -eq 0 ]
