#!/usr/bin/env bash
# Measures the engine's SSE kernels against likwid-bench on this machine, in one run, and prints
# each pair in bytes per second with the ratio engine / likwid.
#
#   bench/vs-likwid.sh [BUILD_DIR]        (default: build; the engine is BUILD_DIR/engine/RAM.exe)
#
# Environment: CPU (the core both programs are pinned to, default 0), RUNS (measurements per
# figure, default 3; the best is shown, as other work on the machine only ever slows a run down),
# PASS_GB (the engine's -g, default 16; the engine also runs with twice that, see below).
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
# virtual machine can take 1 s per GB) this cost dominates the write figures of the largest
# blocks. So the engine also runs with twice the pass volume: the difference of the two times is
# the time of the extra passes alone, and "steady" is the engine's rate over them, which leaves
# out every once-per-measurement cost. The ratio column compares the figures the engine prints,
# the steady ratio compares the kernels' loops.
set -euo pipefail

build=${1:-build}
engine=$build/engine/RAM.exe
cpu=${CPU:-0}
runs=${RUNS:-3}
pass_gb=${PASS_GB:-16}
double_gb=$((2 * pass_gb))

if ! command -v likwid-bench > /dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends likwid
fi
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

# Every figure for one engine block test id at one pass volume, by level, best of the runs.
declare -A engine_block
engine_blocks() {  # id, pass volume in GB
  local outputs=() run level
  for ((run = 0; run < runs; run++)); do
    outputs+=("$(taskset -c "$cpu" "$engine" -b"$1" -g"$2" -m"$largest_block_mb")")
  done
  for level in "${levels[@]}"; do
    engine_block[$1.$2.$level]=$(printf '%s\n' "${outputs[@]}" |
      block_figure "${block_kb[$level]}" | best)
  done
}

# Copy and Triad of the SSE memory test at one array size and pass volume, best of the runs.
declare -A engine_memory
engine_memories() {  # array size in MB, pass volume in GB
  local outputs=() run
  for ((run = 0; run < runs; run++)); do
    outputs+=("$(taskset -c "$cpu" "$engine" -b12 -g"$2" -m"$1")")
  done
  engine_memory[Copy.$1.$2]=$(printf '%s\n' "${outputs[@]}" | memory_figure Copy | best)
  engine_memory[Triad.$1.$2]=$(printf '%s\n' "${outputs[@]}" | memory_figure Triad | best)
}

likwid_best() {  # kernel, working set in bytes
  local run
  for ((run = 0; run < runs; run++)); do likwid_rate "$1" "$2"; done | best
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
echo "Caches: L1d $((l1 / 1024)) KB, L2 $(($(cache_size 2) / 1024)) KB, L3 $(($(cache_size 3) / 1048576)) MB"
echo "Best of $runs runs each; engine -g $pass_gb (steady: -g $pass_gb and -g $double_gb)"
echo

for id in 11 10 16; do
  for g in "$pass_gb" "$double_gb"; do engine_blocks "$id" "$g"; done
done
for level in "${levels[@]}"; do
  [ -n "${array_mb[$level]}" ] || continue
  for g in "$pass_gb" "$double_gb"; do engine_memories "${array_mb[$level]}" "$g"; done
done

printf "%-4s %-34s %-11s %14s %14s %7s %14s %7s\n" level pair "set" "engine B/s" "likwid B/s" \
  ratio "steady B/s" steady
for level in "${levels[@]}"; do
  kb=${block_kb[$level]}
  bytes=$((kb * 1024))
  for pair in "11 load_sse SSE read" "10 store_sse SSE write" "16 store_mem_sse SSE nt write"; do
    read -r id kernel name <<< "$pair"
    row "$level" "$name ($id) / $kernel" "${kb} KB" 1 "${engine_block[$id.$pass_gb.$level]}" \
      "${engine_block[$id.$double_gb.$level]}" "$(likwid_best "$kernel" "$bytes")"
  done
  mb=${array_mb[$level]}
  [ -n "$mb" ] || continue
  array=$((mb * 1048576))
  row "$level" "SSE Copy (12) / copy_sse" "2 x ${mb} MB" 2 "${engine_memory[Copy.$mb.$pass_gb]}" \
    "${engine_memory[Copy.$mb.$double_gb]}" "$(likwid_best copy_sse $((2 * array)))"
  row "$level" "SSE Triad (12) / stream_sp_sse" "3 x ${mb} MB" 3 \
    "${engine_memory[Triad.$mb.$pass_gb]}" "${engine_memory[Triad.$mb.$double_gb]}" \
    "$(likwid_best stream_sp_sse $((3 * array)))"
done
