#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one test command: installs what is missing, checks the formatting,
# builds and runs every test in the developer build (g++) and in the
# sanitizer build (clang), runs clang-tidy over src/, and gives each fuzz
# target a short run. It ends by saying what it ran: each build with its
# tests passed, failed and skipped, the other checks, and the total time.
# A failed step fails the command; the steps after it still run, so the
# summary is whole.
#
# The tests mostly wait (for processes to start, for X and the screen
# reader), so the work that only computes runs beside them, niced so that
# the tests come first: clang-tidy and the sanitizer build beside the
# developer build's tests, the fuzz runs beside the sanitizer build's.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
results="$PWD/build/test-command"
rm -rf "$results"
mkdir -p "$results"

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

# Each step leaves its lines for the summary in $results/STEP.summary, a
# failure in $results/STEP.failed, and its test counts in
# $results/STEP.counts, so that steps run in the background report too.
report() { printf '%s\n' "$2" >>"$results/$1.summary"; }
failed_step() { printf '%s\n' "$2" >>"$results/$1.failed"; }

check_formatting() {
  local sources
  sources="$(git ls-files '*.cpp' '*.h')"
  if xargs clang-format --dry-run --Werror <<<"$sources"; then
    report formatting "formatting: $(wc -l <<<"$sources") files as .clang-format says"
  else
    failed_step formatting formatting
    report formatting "formatting: FAILED"
  fi
}

build() {  # build PRESET
  local step_started=$SECONDS
  echo "== $1 build"
  cmake --preset "$1" >/dev/null
  if cmake --build --preset "$1"; then
    echo "$((SECONDS - step_started))" >"$results/$1.build-seconds"
    return 0
  fi
  failed_step "$1" "$1 build"
  report "$1" "$1: the build FAILED"
  return 1
}

run_tests() {  # run_tests PRESET
  local step_started=$SECONDS junit="$PWD/build/$1/test-results.xml"
  echo "== $1 tests"
  rm -f "$junit"
  ctest --preset "$1" --output-junit "$junit" || failed_step "$1" "$1 tests"
  if [ ! -s "$junit" ]; then
    failed_step "$1" "$1 tests"
    report "$1" "$1 ($(compiler "build/$1")): ctest wrote no results"
    return
  fi
  local tests failures skipped
  tests=$(junit_count "$junit" tests)
  failures=$(junit_count "$junit" failures)
  skipped=$(($(junit_count "$junit" skipped) + $(junit_count "$junit" disabled)))
  echo "$((tests - failures - skipped)) $failures $skipped" >"$results/$1.counts"
  report "$1" "$1 ($(compiler "build/$1")): $((tests - failures - skipped)) passed, $failures failed, $skipped skipped; built in $(duration "$(cat "$results/$1.build-seconds")"), tested in $(duration $((SECONDS - step_started)))"
  # Why each skipped test skipped, in its own words: a test that skips
  # prints "NAME: skipped: REASON" before it exits with 77.
  while IFS= read -r reason; do
    report "$1" "  $reason"
  done < <(grep -o '[A-Za-z0-9_.]*: skipped: [^<]*' "$junit" | sort -u)
}

# clang-tidy over src/, from the developer build's compile commands.
run_clang_tidy() {
  local step_started=$SECONDS log="$results/clang-tidy.log" findings files
  files=$(git ls-files 'src/*.cpp' | wc -l)
  if ! findings=$(bash scripts/tidy.sh build/dev "$log"); then
    tail -n 60 "$log"
    failed_step clang-tidy clang-tidy
  fi
  report clang-tidy "clang-tidy ($(clang-tidy --version | sed -n 's/.*LLVM version //p')): ${findings:-no} findings in $files files, $(duration $((SECONDS - step_started))) beside the tests"
}

run_fuzz() {
  local step_started=$SECONDS runs=20000 log="$results/fuzz.log" targets
  if bash scripts/fuzz.sh "$runs" >"$log" 2>&1; then
    targets=$(grep -c "^-- .*: [0-9]* runs" "$log" || true)
    report fuzz "fuzz: $targets targets, $runs runs each (the settings file's a tenth), no crash, $(duration $((SECONDS - step_started))) beside the tests"
  else
    tail -n 60 "$log"
    failed_step fuzz fuzz
    report fuzz "fuzz: FAILED"
  fi
}

echo "== formatting"
check_formatting

if build dev; then
  nice -n 19 bash -c "$(declare -f report failed_step duration run_clang_tidy); results='$results'; run_clang_tidy" &
  tidy=$!
  (nice -n 10 bash -c "$(declare -f report failed_step build); results='$results'; build asan" \
    >"$results/asan-build.log" 2>&1) &
  asan=$!
  run_tests dev
else
  failed_step clang-tidy clang-tidy
  report clang-tidy "clang-tidy: not run, as the dev build failed"
  tidy="" asan=""
  build asan || true
fi

if [ -n "$asan" ]; then
  wait "$asan" || true
  cat "$results/asan-build.log"
fi
nice -n 10 bash -c "$(declare -f report failed_step duration run_fuzz); results='$results'; run_fuzz" &
fuzz=$!
[ -e "$results/asan.failed" ] || run_tests asan
wait "$fuzz" || true
[ -z "$tidy" ] || wait "$tidy" || true

echo "== summary"
for step in formatting dev asan clang-tidy fuzz; do
  [ -e "$results/$step.summary" ] && cat "$results/$step.summary"
done
echo "total time: $(duration $((SECONDS - started)))"
shopt -s nullglob
failed=$(cat /dev/null "$results"/*.failed | paste -s -d ',' | sed 's/,/, /g')
[ -z "$failed" ] || echo "failed steps: $failed"
read -r passed failures skipped < <(cat /dev/null "$results"/*.counts |
  awk '{p += $1; f += $2; s += $3} END {print p + 0, f + 0, s + 0}')
echo "tests: $passed passed, $failures failed, $skipped skipped"
[ -z "$failed" ]
