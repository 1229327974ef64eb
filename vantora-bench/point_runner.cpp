#include "point_runner.h"

#include <algorithm>
#include <vector>

#include "kernels/pointer_chase.h"
#include "timer.h"

namespace vbench {
namespace {

// What one thread keeps for a point, a cache line apart from the others' so that recording a
// time does not disturb a thread still running.
struct alignas(64) ThreadState {
  MappedBuffer buffer;
  std::string error;
  Lanes lanes;
  double seconds = 0;
};

constexpr std::uint64_t kChaseSeed = 0x5eed;

// What the write kernels store: neither zeros nor the bytes the touch left, which some cores
// could recognise and skip.
Lanes storedPattern() {
  Lanes lanes;
  for (int i = 0; i < 8; ++i) lanes.words[i] = 0x9E3779B97F4A7C15ull * std::uint64_t(i + 1);
  return lanes;
}

}  // namespace

PointMeasurement measurePoint(WorkerPool& pool, const PointRequest& request) {
  const KernelEntry& kernel = request.kernel;
  const bool copy = kernel.operation == Operation::Copy;
  const bool latency = kernel.operation == Operation::Latency;
  std::vector<ThreadState> threads(pool.size());
  for (ThreadState& state : threads) state.lanes = storedPattern();
  PointMeasurement measurement;

  // Each thread maps and touches its own buffer, so its pages are local to its core's memory.
  pool.run([&](std::size_t worker) {
    ThreadState& state = threads[worker];
    state.error = state.buffer.map(request.bytes, request.pages);
    if (!state.error.empty()) return;
    state.buffer.touch();
    if (latency) linkChase(state.buffer.data(), request.bytes, kChaseSeed + worker);
  });
  for (const ThreadState& state : threads) {
    if (!state.error.empty()) {
      measurement.error = state.error;
      return measurement;
    }
    measurement.largePageBytes += state.buffer.largePageBytes();
  }

  const std::uint64_t kernelBytes = copy ? request.bytes / 2 : request.bytes;
  SpinBarrier start(pool.size());
  const TimedRun run = [&](std::uint64_t count, bool withClock) {
    RunTime time;
    pool.run([&](std::size_t worker) {
      ThreadState& state = threads[worker];
      char* const a = state.buffer.data();
      const bool clock = withClock && worker == 0;
      const double before = clock ? request.clockHz() : 0;
      start.arriveAndWait();
      const Stopwatch stopwatch;
      kernel.run(a, a + kernelBytes, kernelBytes, count, state.lanes);
      state.seconds = stopwatch.seconds();
      if (clock) time.clockHz = std::max(before, request.clockHz());
    });
    for (const ThreadState& state : threads) time.seconds = std::max(time.seconds, state.seconds);
    return time;
  };
  measurement.repeats =
      measureRepeats(run, latency ? kChaseUnroll : 1, request.minSeconds, request.repeat);
  return measurement;
}

}  // namespace vbench
