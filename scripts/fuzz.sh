#!/usr/bin/env bash
# Builds the settings fuzz target with clang and libFuzzer and runs it for a bounded time over the
# seed corpus and the kept regression inputs. An input that makes it fail is written into
# fuzz/regressions/settings/, to be committed there as a regression case.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${DUDEDUR_JOBS:-2}
seconds=${DUDEDUR_FUZZ_SECONDS:-60}

echo "== Fuzz build (clang, libFuzzer, ASan + UBSan)"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DDUDEDUR_FUZZ=ON \
    -DDUDEDUR_BUILD_TESTS=OFF -DDUDEDUR_BUILD_BENCHMARKS=OFF -DDUDEDUR_BUILD_WINDOW=OFF >/dev/null
cmake --build build/fuzz -j "$jobs" --target settings_fuzz

echo "== Fuzzing the settings file for ${seconds} s"
# New inputs go to the first folder, outside the source tree; the other two are only read.
mkdir -p build/fuzz/corpus/settings
build/fuzz/fuzz/settings_fuzz build/fuzz/corpus/settings fuzz/corpus/settings \
    fuzz/regressions/settings -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=fuzz/regressions/settings/ \
    >build/fuzz/settings_fuzz.log 2>&1 || {
    cat build/fuzz/settings_fuzz.log
    echo "settings_fuzz failed; the input is kept in fuzz/regressions/settings/" >&2
    exit 1
}
grep -E "^(Done|stat::number_of_executed_units|stat::new_units_added)" build/fuzz/settings_fuzz.log || true
