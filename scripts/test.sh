#!/usr/bin/env bash
# Installs what is missing, builds Dudedur and runs every test: once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then in the release build with warnings as errors; between the
# release build and its tests the settings file is fuzzed for a bounded minute (scripts/fuzz.sh),
# so that the output still ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh

jobs=${DUDEDUR_JOBS:-2}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

echo "== Sanitized build (ASan + UBSan)"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUDEDUR_WERROR=ON \
    -DDUDEDUR_SANITIZE=ON -DDUDEDUR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize -j "$jobs" --output-on-failure >build/sanitize/ctest.log 2>&1 || {
    cat build/sanitize/ctest.log
    exit 1
}
grep -E "tests passed|did not run|Skipped" build/sanitize/ctest.log | sed "s/^/sanitized: /"

echo "== Release build"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDUDEDUR_WERROR=ON >/dev/null
cmake --build build/release -j "$jobs"

DUDEDUR_JOBS=$jobs scripts/fuzz.sh

echo "== Release tests"
ctest --test-dir build/release -j "$jobs" --output-on-failure
