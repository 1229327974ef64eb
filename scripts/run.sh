#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
echo "== block test: integer reading, 1 GB per block size, blocks up to 1 MB"
build/engine/RAM.exe -b2 -g1 -m1
echo "== memory test: SSE Copy/Scale/Add/Triad on 1 MB arrays"
build/engine/RAM.exe -b12 -g1 -m1
