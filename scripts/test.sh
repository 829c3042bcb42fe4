#!/usr/bin/env bash
# Installs what is missing, builds every test and runs them: Release with warnings as errors, again
# with AddressSanitizer + UndefinedBehaviorSanitizer, the fuzzers for a short while, and finally a
# smoke start of the real program headless.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Release build and tests"
"$top/scripts/build.sh" "$top/build/ci-release" -DCMAKE_BUILD_TYPE=Release -DVELKORIN_WERROR=ON
ctest --test-dir "$top/build/ci-release" --output-on-failure --parallel "$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
"$top/scripts/build.sh" "$top/build/ci-asan" -DCMAKE_BUILD_TYPE=Debug -DVELKORIN_WERROR=ON \
  -DVELKORIN_SANITIZE=ON -DVELKORIN_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir "$top/build/ci-asan" --output-on-failure --parallel "$jobs"

if [ -d "$top/tests/fuzz" ] && ls "$top"/tests/fuzz/*.cpp >/dev/null 2>&1; then
  echo "== Fuzzers"
  "$top/scripts/build.sh" "$top/build/ci-fuzz" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DVELKORIN_FUZZ=ON -DVELKORIN_BENCH=OFF
  ctest --test-dir "$top/build/ci-fuzz" -L fuzz --output-on-failure --parallel "$jobs"
fi

echo "== Smoke start of the program"
"$top/scripts/smoke.sh" "$top/build/ci-release/program"
