#!/usr/bin/env bash
# Measures the engine's SSE kernels against likwid-bench on this machine, in one run, and prints
# each pair in bytes per second with the ratio engine / likwid.
#
#   bench/vs-likwid.sh [BUILD_DIR]        (default: build; the engine is BUILD_DIR/engine/RAM.exe)
#
# Environment: CPU (the core both programs are pinned to, default 0), RUNS (measurements per
# figure, default 3; the runs alternate between the two programs and the best is shown, as other
# work on the machine only ever slows a run down), PASS_GB (the engine's -g, default 16; the
# engine also runs with twice that, see below).
#
# The pairs, one thread on one core each (taskset for the engine; likwid-bench pins its one-thread
# workgroup itself):
#   SSE read, block test id 11      vs load_sse
#   SSE write, block test id 10     vs store_sse
#   SSE non-temporal write, id 16   vs store_mem_sse
#   SSE memory Copy, id 12          vs copy_sse
#   SSE memory Triad, id 12         vs stream_sp_sse (a = b * s + c in single precision with SSE:
#                                      the engine's Triad; likwid's triad_sse has four streams)
# at a level-1, level-2, level-3 and main-memory working set. The block tests take the line of the
# chosen block size; the memory test's arrays have the -m size, so its working sets are two arrays
# (Copy) or three (Triad) of that size. An array is at least 1 MB, so the memory test has no
# level-1 or level-2 working set and those rows are skipped.
#
# Counting bytes: the engine credits a block pass with the block, Copy with two arrays per pass
# (a read, b written) and Triad with three; likwid-bench's "Data volume" counts every stream's
# loads and stores once in the same way, without the write-allocate traffic of the stores, so the
# figures compare like with like once likwid's decimal MByte/s are multiplied by 10^6.
#
# Once per measurement costs: the engine times the first touch of a buffer it has not written
# before timing (the write kernels' block, the memory tests' destination), as it is designed to;
# likwid-bench initialises its arrays first. Where the system is slow to hand out fresh pages (a
# virtual machine can take 10 us per 4 KB page) this cost dominates the write figures of the
# largest blocks. So the engine also runs with twice the pass volume: the difference of the two
# times is the time of the extra passes alone, and "steady" is the engine's rate over them, which
# leaves out every once-per-measurement cost. The ratio column compares the figures the engine
# prints, the steady ratio compares the kernels' loops.
set -euo pipefail

build=${1:-build}
engine=$build/engine/RAM.exe
cpu=${CPU:-0}
runs=${RUNS:-3}
pass_gb=${PASS_GB:-16}
double_gb=$((2 * pass_gb))

"$(dirname "$0")/../scripts/setup.sh" likwid
if [ ! -x "$engine" ]; then
  echo "no engine at $engine: build it first (scripts/build.sh) or name the build folder" >&2
  exit 1
fi

# Cache sizes as the system reports them, for the header.
cache_size() { getconf "LEVEL$1_CACHE_SIZE" 2> /dev/null || echo 0; }
l1=$(getconf LEVEL1_DCACHE_SIZE 2> /dev/null || echo 0)

# Working sets per level: the block size in KB, and the memory test's array size in MB.
levels=(L1 L2 L3 RAM)
declare -A block_kb=([L1]=16 [L2]=512 [L3]=8192 [RAM]=524288)
declare -A array_mb=([L1]="" [L2]="" [L3]=2 [RAM]=256)
largest_block_mb=512

best() { sort -g | tail -1; }

# The engine's figure for the block size (KB) from a block test's output.
block_figure() { awk -v kb="$1" '$0 ~ "[ ]" kb " Kb block:" { print $(NF-1) }'; }
# The engine's figure of a memory subtest ("Copy", "Triad").
memory_figure() { awk -v name="$1:" '$2 == name { print $3 }'; }

likwid_rate() {  # kernel, working set in bytes
  taskset -c "$cpu" likwid-bench -t "$1" -w "N:${2}B:1" 2> /dev/null |
    awk '/^MByte\/s:/ { printf "%.0f\n", $2 * 1e6 }'
}

# Every figure of every run, one per line under its key; the table shows the best.
declare -A figures
record() { figures[$1]+="$2"$'\n'; }
best_of() { printf '%s' "${figures[$1]}" | best; }

block_pairs=("11 load_sse SSE read" "10 store_sse SSE write" "16 store_mem_sse SSE nt write")

# One run of everything. The runs alternate between the engine and likwid-bench, so both sample
# the same stretches of time on a machine shared with other work.
measure_once() {
  local pair id kernel name g level output mb array
  for pair in "${block_pairs[@]}"; do
    read -r id kernel name <<< "$pair"
    for g in "$pass_gb" "$double_gb"; do
      output=$(taskset -c "$cpu" "$engine" -b"$id" -g"$g" -m"$largest_block_mb")
      for level in "${levels[@]}"; do
        record "$id.$g.$level" "$(block_figure "${block_kb[$level]}" <<< "$output")"
      done
    done
    for level in "${levels[@]}"; do
      record "$kernel.$level" "$(likwid_rate "$kernel" $((block_kb[$level] * 1024)))"
    done
  done
  for level in "${levels[@]}"; do
    mb=${array_mb[$level]}
    [ -n "$mb" ] || continue
    for g in "$pass_gb" "$double_gb"; do
      output=$(taskset -c "$cpu" "$engine" -b12 -g"$g" -m"$mb")
      record "Copy.$g.$level" "$(memory_figure Copy <<< "$output")"
      record "Triad.$g.$level" "$(memory_figure Triad <<< "$output")"
    done
    array=$((mb * 1048576))
    record "copy_sse.$level" "$(likwid_rate copy_sse $((2 * array)))"
    record "stream_sp_sse.$level" "$(likwid_rate stream_sp_sse $((3 * array)))"
  done
}

# One line of the table. The engine's volume per measurement is g x `volume` GB; its rates at
# g and 2g give the steady rate over the second half of the passes.
row() {  # level, pair, working set text, volume, engine rate at g, engine rate at 2g, likwid rate
  awk -v level="$1" -v pair="$2" -v set="$3" -v volume="$4" -v g="$pass_gb" \
    -v single="$5" -v double="$6" -v l="$7" 'BEGIN {
    bytes = g * volume * 1073741824
    steady = 0
    if (single > 0 && double > 0 && 2 * bytes / double > bytes / single)
      steady = bytes / (2 * bytes / double - bytes / single)
    ratio = (single > 0 && l > 0) ? sprintf("%.3f", single / l) : "n/a"
    steady_ratio = (steady > 0 && l > 0) ? sprintf("%.3f", steady / l) : "n/a"
    printf "%-4s %-34s %-11s %14.0f %14.0f %7s %14.0f %7s\n", level, pair, set, single, l, ratio,
      steady, steady_ratio }'
}

echo "Engine: $engine; $(likwid-bench -v 2>&1 | head -1)"
echo "CPU $cpu: $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"
echo "Caches: L1d $((l1 / 1024)) KB, L2 $(($(cache_size 2) / 1024)) KB," \
  "L3 $(($(cache_size 3) / 1048576)) MB"
echo "Best of $runs runs each; engine -g $pass_gb (steady: -g $pass_gb and -g $double_gb)"
echo

for ((run = 0; run < runs; run++)); do measure_once; done

printf "%-4s %-34s %-11s %14s %14s %7s %14s %7s\n" level pair "set" "engine B/s" "likwid B/s" \
  ratio "steady B/s" steady
for level in "${levels[@]}"; do
  kb=${block_kb[$level]}
  for pair in "${block_pairs[@]}"; do
    read -r id kernel name <<< "$pair"
    row "$level" "$name ($id) / $kernel" "${kb} KB" 1 "$(best_of "$id.$pass_gb.$level")" \
      "$(best_of "$id.$double_gb.$level")" "$(best_of "$kernel.$level")"
  done
  mb=${array_mb[$level]}
  [ -n "$mb" ] || continue
  row "$level" "SSE Copy (12) / copy_sse" "2 x ${mb} MB" 2 "$(best_of "Copy.$pass_gb.$level")" \
    "$(best_of "Copy.$double_gb.$level")" "$(best_of "copy_sse.$level")"
  row "$level" "SSE Triad (12) / stream_sp_sse" "3 x ${mb} MB" 3 \
    "$(best_of "Triad.$pass_gb.$level")" "$(best_of "Triad.$double_gb.$level")" \
    "$(best_of "stream_sp_sse.$level")"
done
