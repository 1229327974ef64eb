#!/usr/bin/env bash
# Measures vantora-bench against likwid-bench on this machine, in one run, and prints each pair
# in bytes per second with the ratio vantora-bench / likwid, then the figures the goals name.
#
#   bench/vantora-bench-vs-likwid.sh [BUILD_DIR]   (default: build; the program is
#                                                   BUILD_DIR/vantora-bench/vantora-bench)
#
# Environment: CPU (the core of the one-thread pairs, default 0), RUNS (measurements per figure,
# default 5; the runs alternate between the two programs and the best is shown, as other work on
# the machine only ever slows a run down).
#
# The pairs, one thread pinned to CPU (taskset for both; likwid-bench pins its workgroup too):
#   avx512 read / load_avx512     avx512 write / store_avx512
#   avx2 read   / load_avx        avx2 write   / store_avx
#   sse read    / load_sse        sse write    / store_sse
# at a level-1, level-2, level-3 and memory working set, and the all-core memory read: avx512
# read with --threads all against load_avx512 with one thread per core, each on its own
# 10^9 bytes (likwid-bench: N:<all threads' bytes>:<cores>).
#
# Both programs count the bytes loaded and stored once, without write-allocate traffic, and
# touch their buffers before timing; likwid's MByte/s are decimal and multiplied by 10^6 here.
# vantora-bench runs with --repeat 1, so each of its figures is one timed run (after its
# warm-up), as each likwid-bench figure is one run.
#
# Below the table: the level-1 avx512 read as a percentage of the core's peak at the clock
# measured around it, and the load-to-use latency at level 1 in cycles, each the best of RUNS.
set -euo pipefail

build=${1:-build}
bench=$build/vantora-bench/vantora-bench
cpu=${CPU:-0}
runs=${RUNS:-5}

"$(dirname "$0")/../scripts/setup.sh" likwid
if [ ! -x "$bench" ]; then
  echo "no vantora-bench at $bench: build it first (scripts/build.sh) or name the build folder" >&2
  exit 1
fi

levels=(L1 L2 L3 RAM)
# The memory working set is 10^9 bytes, a size both programs take exactly: likwid-bench cannot
# read a workgroup size of 2^31 bytes or more, which the all-core pair would need for 1 GiB each.
declare -A level_bytes=([L1]=16384 [L2]=524288 [L3]=8388608 [RAM]=1000000000)
pairs=("avx512 read load_avx512" "avx512 write store_avx512" "avx2 read load_avx"
  "avx2 write store_avx" "sse read load_sse" "sse write store_sse")
cores=$(nproc)

best() { sort -g | tail -1; }
lowest() { sort -g | head -1; }

# A CSV field of vantora-bench's single data line, by column name.
csv_field() {
  awk -F, -v name="$1" 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == name) c = i; next }
    { print $c }'
}

vantora() {  # taskset cpus, then vantora-bench options
  local cpus=$1
  shift
  taskset -c "$cpus" "$bench" --csv --repeat 1 "$@" 2> /dev/null
}

likwid_rate() {  # taskset cpus, kernel, workgroup
  taskset -c "$1" likwid-bench -t "$2" -w "$3" 2> /dev/null |
    awk '/^MByte\/s:/ { printf "%.0f\n", $2 * 1e6 }'
}

declare -A figures
record() { figures[$1]+="$2"$'\n'; }
best_of() { printf '%s' "${figures[$1]}" | best; }
lowest_of() { printf '%s' "${figures[$1]}" | lowest; }

measure_once() {
  local pair class op kernel level bytes output
  for level in "${levels[@]}"; do
    bytes=${level_bytes[$level]}
    for pair in "${pairs[@]}"; do
      read -r class op kernel <<< "$pair"
      output=$(vantora "$cpu" --class "$class" --op "$op" --size "$bytes")
      record "v.$class.$op.$level" "$(csv_field best_bps <<< "$output")"
      [ "$level" != L1 ] || [ "$class.$op" != avx512.read ] ||
        record peak "$(csv_field peak_percent <<< "$output")"
      record "l.$kernel.$level" "$(likwid_rate "$cpu" "$kernel" "N:${bytes}B:1")"
    done
  done
  output=$(vantora "0-$((cores - 1))" --threads all --class avx512 --op read \
    --size "${level_bytes[RAM]}")
  record v.all "$(csv_field best_bps <<< "$output")"
  record l.all "$(likwid_rate "0-$((cores - 1))" load_avx512 \
    "N:$((cores * level_bytes[RAM]))B:$cores")"
  output=$(vantora "$cpu" --op latency --size "${level_bytes[L1]}")
  record latency "$(csv_field cycles_per_load <<< "$output" | lowest)"
}

row() {  # level, pair text, set text, vantora rate, likwid rate
  awk -v level="$1" -v pair="$2" -v set="$3" -v v="$4" -v l="$5" 'BEGIN {
    ratio = (v > 0 && l > 0) ? sprintf("%.3f", v / l) : "n/a"
    printf "%-4s %-36s %-10s %15.0f %15.0f %7s\n", level, pair, set, v, l, ratio }'
}

echo "vantora-bench: $bench; $(likwid-bench -v 2>&1 | head -1)"
echo "CPU $cpu: $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo); $cores cores"
echo "Best of $runs alternating runs each"
echo

for ((run = 0; run < runs; run++)); do measure_once; done

printf "%-4s %-36s %-10s %15s %15s %7s\n" level pair "set" "vantora B/s" "likwid B/s" ratio
for level in "${levels[@]}"; do
  bytes=${level_bytes[$level]}
  set_text=$(awk -v b="$bytes" 'BEGIN { if (b == 1e9) printf "10^9 B";
    else if (b >= 1048576) printf "%d MiB", b / 1048576; else printf "%d KiB", b / 1024 }')
  for pair in "${pairs[@]}"; do
    read -r class op kernel <<< "$pair"
    row "$level" "$class $op / $kernel" "$set_text" "$(best_of "v.$class.$op.$level")" \
      "$(best_of "l.$kernel.$level")"
  done
done
row ALL "avx512 read, $cores threads / load_avx512" "$cores x 10^9" "$(best_of v.all)" \
  "$(best_of l.all)"
echo
echo "Level-1 avx512 read: $(best_of peak)% of the core's peak (goal: at least 90%)"
echo "Level-1 latency: $(lowest_of latency) cycles per load (goal: 4 to 5)"
