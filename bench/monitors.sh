#!/usr/bin/env bash
# Measures the two monitors on this machine: the time from starting each until its first sample is
# drawn, its resident memory once it has run a while, and the processor time it takes meanwhile.
#
#   bench/monitors.sh [BUILD_DIR]        (default: build; the monitors are
#                                          BUILD_DIR/companions/cache-monitor/Kovrin.exe and
#                                          BUILD_DIR/companions/memory-monitor/Tessal.exe)
#
# Environment: RUNS (starts per monitor, default 5), SETTLE (seconds each run lasts after its first
# sample, default 10). Without a display the script runs itself under a virtual X server
# (xvfb-run), so the windows are drawn as on a desktop.
#
# Start-up: the monitors print one line when their first sample is drawn when started with
# --announce-first-sample; the time runs from just before the start to that line. Memory: VmRSS
# (resident now) and VmHWM (the most it was resident) of /proc/<pid>/status at the end of a run.
# Processor: user and system time over the settle period, in percent of one core.
set -euo pipefail

build=${1:-build}
runs=${RUNS:-5}
settle=${SETTLE:-10}

if [ -z "${DISPLAY:-}" ] && [ -z "${MONITORS_BENCH_UNDER_XVFB:-}" ]; then
  "$(dirname "$0")/../scripts/setup.sh" xvfb
  export MONITORS_BENCH_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

programs=("$build/companions/cache-monitor/Kovrin.exe" "$build/companions/memory-monitor/Tessal.exe")
for program in "${programs[@]}"; do
  if [ ! -x "$program" ]; then
    echo "no monitor at $program: build it first (scripts/build.sh) or name the build folder" >&2
    exit 1
  fi
done

work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2> /dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

ticks=$(getconf CLK_TCK)
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

printf '%-11s %8s %8s %8s   %9s %9s   %s\n' monitor "start ms" "min" "max" "RSS MB" "peak MB" \
  "CPU % of one core"
for program in "${programs[@]}"; do
  starts=()
  rss=0
  hwm=0
  cpu=""
  for _ in $(seq "$runs"); do
    fifo="$work/first-sample"
    rm -f "$fifo"
    mkfifo "$fifo"
    begin=$(date +%s%N)
    "$program" --announce-first-sample > "$fifo" 2> /dev/null &
    pid=$!
    exec 3< "$fifo"
    if ! read -r -t 30 _ <&3; then
      echo "$(basename "$program") drew no sample within 30 s" >&2
      exit 1
    fi
    drawn=$(date +%s%N)
    starts+=($(((drawn - begin) / 1000000)))
    ticks_before=$(cpu_ticks "$pid")
    sleep "$settle"
    ticks_after=$(cpu_ticks "$pid")
    run_rss=$(status_kb "$pid" VmRSS)
    run_hwm=$(status_kb "$pid" VmHWM)
    kill "$pid"
    wait "$pid" 2> /dev/null || true
    pid=""
    exec 3<&-
    ((run_rss > rss)) && rss=$run_rss
    ((run_hwm > hwm)) && hwm=$run_hwm
    cpu+="$(awk -v t=$((ticks_after - ticks_before)) -v hz="$ticks" -v s="$settle" \
      'BEGIN { printf "%.1f ", 100 * t / hz / s }')"
  done
  mapfile -t sorted < <(printf '%s\n' "${starts[@]}" | sort -n)
  median=${sorted[$((${#sorted[@]} / 2))]}
  printf '%-11s %8s %8s %8s   %9.1f %9.1f   %s\n' "$(basename "$program")" "$median" \
    "${sorted[0]}" "${sorted[-1]}" "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')" \
    "$(awk -v k="$hwm" 'BEGIN { print k / 1024 }')" "$cpu"
done
echo "start ms: median of $runs starts; RSS and peak: the largest of the runs, after ${settle} s"
