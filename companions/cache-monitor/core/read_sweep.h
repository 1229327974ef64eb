// Timed read sweeps over the four working sets, each lasting a few milliseconds.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "working_sets.h"

namespace cachemonitor {

using Clock = std::function<std::chrono::nanoseconds()>;

// The steady clock, for timing.
std::chrono::nanoseconds SteadyNow();

struct SweepFigure {
  std::uint64_t bytes = 0;  // bytes read inside the timed region
  std::chrono::nanoseconds time{0};
};

// The read rate; nothing when no time passed, rather than an infinite rate.
std::optional<double> BytesPerSecond(const SweepFigure& figure);

class ReadSweeper {
 public:
  // Allocates and fills one buffer as large as the largest working set; the sweeps read its
  // front part. `target` is how long one level's timed reading should last in all. Throws
  // std::invalid_argument for a working set that is not a positive multiple of 64 bytes.
  explicit ReadSweeper(const WorkingSets& sets, Clock clock = SteadyNow,
                       std::chrono::nanoseconds target = std::chrono::milliseconds(3));

  // Reads the level's working set in kRounds timed rounds of the same passes and returns the
  // fastest round: a round the system interrupted (another program, the hypervisor) only ever
  // reads slower. A cache level: one untimed pass first brings the working set into the caches.
  // Memory: before each timed pass the working set is evicted from the caches, untimed. The
  // rounds of a sweep last about target / kRounds together: a round shorter than half of that
  // grows the passes and the sweep starts its rounds again (a few times at most), and the passes
  // are carried, scaled to the fastest round, to the next sweep of the level.
  SweepFigure Sweep(Level level);

  static constexpr int kRounds = 4;

  const WorkingSets& sets() const { return sets_; }

  // The value all reads folded into; reading it keeps them from being optimised away.
  std::uint64_t checksum() const { return checksum_; }

 private:
  struct FreeBuffer {
    void operator()(std::byte* buffer) const;
  };

  SweepFigure TimedPasses(Level level, std::uint64_t passes);
  // The passes that make a round last `roundTarget`, judging by `passes` having taken `time`.
  std::uint64_t NextPasses(Level level, std::uint64_t passes, std::chrono::nanoseconds time,
                           std::chrono::nanoseconds roundTarget) const;

  WorkingSets sets_;
  Clock clock_;
  std::chrono::nanoseconds target_;
  std::unique_ptr<std::byte, FreeBuffer> buffer_;
  std::array<std::uint64_t, kLevelCount> passes_{};
  std::uint64_t checksum_ = 0;
};

}  // namespace cachemonitor
