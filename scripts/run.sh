#!/usr/bin/env bash
# Installs what is missing, builds Dudedur and runs its main job.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "${DUDEDUR_JOBS:-2}" --target dudedur
# Starts the window; with a subcommand (e.g. `scripts/run.sh generate`) the command line instead.
build/release/src/dudedur "$@"
