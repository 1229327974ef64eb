#!/usr/bin/env bash
# Measures how long the desktop program takes from its start to a ready main window when the
# system summary is cached (every start after the first): the start-up procedure, the load handler
# with the engine's processor report, and the first paint of the window, through the picture tool
# built with the tests, which starts the program's windows as the program does.
# Usage: bench/startup.sh [BUILD_DIR]   (RUNS, default 10)
set -euo pipefail
build=${1:-build}
runs=${RUNS:-10}
shot="$build/tests/app/startup/main-window-shot"
[ -x "$shot" ] || { echo "build the tests first: $shot is missing" >&2; exit 1; }

sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/win"
export TEMP="$sandbox/temp" XDG_DATA_HOME="$sandbox/data" WinDir="$sandbox/win"
export QT_QPA_PLATFORM=offscreen VANTORA_DOWNLOAD_SITE=
"$shot" "$sandbox/first.png" 7 2>/dev/null  # gathers and stores the summary once

times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$shot" "$sandbox/shot.png" 7 2>/dev/null
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start to ready window, cached summary, $runs runs: min ${sorted[0]} ms," \
  "median ${sorted[$((runs / 2))]} ms, max ${sorted[$((runs - 1))]} ms"
