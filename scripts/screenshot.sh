#!/usr/bin/env bash
# Makes the README's pictures from real runs: the main window in its first-run state on Qt's
# offscreen platform (docs/window.png), and page 1 of a worksheet (docs/worksheet.png).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${DUDEDUR_BUILD:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "${DUDEDUR_JOBS:-2}" --target dudedur dudedur_window_shot

mkdir -p docs
QT_QPA_PLATFORM=offscreen "$build/src/app/dudedur_window_shot" docs/window.png

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A home of its own, so the user's stored options do not change the picture.
HOME="$work" XDG_CONFIG_HOME="$work/.config" \
    "$build/src/dudedur" generate --seed 1 -o "$work/worksheet.pdf" >/dev/null 2>&1
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/worksheet.pdf" docs/worksheet
echo "docs/window.png docs/worksheet.png"
