#!/usr/bin/env bash
# Builds everything and runs every test twice: once in an optimised build and
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$root/build" --output-on-failure -j2

"$root/scripts/build.sh" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DJOYVANE_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan-suppressions.txt" \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j2
