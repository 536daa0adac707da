#!/usr/bin/env bash
# Runs the whole test suite: installs what is missing, builds, runs every
# test; then the same tests in an AddressSanitizer + UndefinedBehaviorSanitizer
# build, and the link fuzzer for a bounded time.
#   TAVIREL_TEST_QUICK=1  skips the sanitizer build and the fuzzer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

SETUP_NO_BUILD=1 ./scripts/setup.sh

echo "== build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
echo "== tests"
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 600

if [ "${TAVIREL_TEST_QUICK:-0}" != 1 ]; then
  echo "== sanitizer build (address, undefined)"
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTAVIREL_SANITIZE=ON >/dev/null
  cmake --build build-asan -j"$jobs"
  echo "== tests under sanitizers"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions=$root/tests/support/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 900

  if [ -x tests/link/run_fuzz.sh ]; then
    echo "== fuzzing the link's receive path"
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DTAVIREL_FUZZ=ON -DBUILD_TESTING=ON >/dev/null
    tests/link/run_fuzz.sh build-fuzz "${TAVIREL_FUZZ_SECONDS:-60}"
  fi
fi
echo "== all tests passed"
