#!/usr/bin/env bash
# Sets up, builds and starts the desktop program. Without a display it says so and runs a short
# block test and a short memory test with the engine instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/vantora
fi
echo "No display to open the desktop program on (DISPLAY and WAYLAND_DISPLAY are unset);"
echo "running the engine by hand instead."
echo "== block test: integer reading, 1 GB per block size, blocks up to 1 MB"
build/engine/RAM.exe -b2 -g1 -m1
echo "== memory test: SSE Copy/Scale/Add/Triad on 1 MB arrays"
build/engine/RAM.exe -b12 -g1 -m1
