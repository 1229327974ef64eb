#include "read_sweep.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <memory>
#include <stdexcept>
#include <vector>

#include "read_kernel.h"

namespace {

using namespace cachemonitor;
using namespace std::chrono_literals;

constexpr std::size_t kKB = 1024;

// A clock whose timed regions (start and end calls in turn) last the given times, then `last`.
class ScriptedClock {
 public:
  ScriptedClock(std::deque<std::chrono::nanoseconds> regions, std::chrono::nanoseconds last)
      : state_(std::make_shared<State>(State{std::move(regions), last})) {}

  std::chrono::nanoseconds operator()() const {
    State& s = *state_;
    if (s.started) {
      std::chrono::nanoseconds length = s.last;
      if (!s.regions.empty()) {
        length = s.regions.front();
        s.regions.pop_front();
      }
      s.now += length;
    }
    s.started = !s.started;
    return s.now;
  }

 private:
  struct State {
    std::deque<std::chrono::nanoseconds> regions;
    std::chrono::nanoseconds last;
    std::chrono::nanoseconds now{1s};
    bool started = false;
  };
  std::shared_ptr<State> state_;
};

struct AlignedBuffer {
  explicit AlignedBuffer(std::size_t bytes)
      : words(static_cast<std::uint64_t*>(std::aligned_alloc(64, bytes))), size(bytes) {}
  ~AlignedBuffer() { std::free(words); }
  const std::byte* data() const { return reinterpret_cast<const std::byte*>(words); }
  std::uint64_t* words;
  std::size_t size;
};

TEST(ReadKernel, FoldsEveryWordOfTheBuffer) {
  std::vector<std::uint64_t (*)(const std::byte*, std::size_t)> kernels = {ReadOnce16, ReadOnce};
  if (__builtin_cpu_supports("avx2")) kernels.push_back(ReadOnce32);
  for (const std::size_t bytes :
       {std::size_t{64}, std::size_t{128}, std::size_t{192}, 4 * kKB + 64}) {
    AlignedBuffer buffer(bytes);
    std::uint64_t expected = 0;
    for (std::size_t i = 0; i < bytes / 8; ++i) {
      buffer.words[i] = (i + 1) * 0x9E3779B97F4A7C15u;
      expected ^= buffer.words[i];
    }
    for (std::size_t k = 0; k < kernels.size(); ++k) {
      SCOPED_TRACE(testing::Message() << bytes << " bytes, kernel " << k);
      EXPECT_EQ(kernels[k](buffer.data(), bytes), expected);
      buffer.words[bytes / 8 - 1] ^= 1;
      EXPECT_EQ(kernels[k](buffer.data(), bytes), expected ^ 1) << "the last word is read";
      buffer.words[bytes / 8 - 1] ^= 1;
    }
  }
  EXPECT_TRUE(ReadLoadBytes() == 16 || ReadLoadBytes() == 32);
}

TEST(ReadKernel, EvictingKeepsTheContent) {
  AlignedBuffer buffer(8 * kKB);
  for (std::size_t i = 0; i < buffer.size / 8; ++i) buffer.words[i] = i * 7 + 3;
  const std::uint64_t before = ReadOnce(buffer.data(), buffer.size);
  EvictFromCaches(buffer.data(), buffer.size);
  EXPECT_EQ(ReadOnce(buffer.data(), buffer.size), before);
}

TEST(SweepFigure, BytesPerSecondOfAKnownVolumeAndTime) {
  EXPECT_EQ(BytesPerSecond({1'000'000'000, 500ms}), 2e9);
  EXPECT_EQ(BytesPerSecond({262'144, 1ms}), 262'144'000.0);
  EXPECT_EQ(BytesPerSecond({0, 1ms}), 0.0);
  EXPECT_EQ(BytesPerSecond({4096, 0ns}), std::nullopt);
  EXPECT_EQ(BytesPerSecond({4096, -1ns}), std::nullopt);
}

const WorkingSets kSmallSets{4 * kKB, 16 * kKB, 64 * kKB, 64 * kKB};

// Rounds of 2 ms each against a round target of 2 ms (8 ms over kRounds = 4): every round is
// kept; a level's first round reads 256 KB, four passes of a 64 KB working set.
TEST(ReadSweeper, ACacheLevelsFigureIsItsPassesOverTheFastestRound) {
  ScriptedClock clock({2ms, 1500us, 3ms, 2ms}, 2ms);
  ReadSweeper sweeper(kSmallSets, clock, 8ms);
  const SweepFigure first = sweeper.Sweep(kLevel3);
  EXPECT_EQ(first.bytes, 256 * kKB);
  EXPECT_EQ(first.time, 1500us);
  EXPECT_NEAR(*BytesPerSecond(first), 256 * kKB / 1.5e-3, 1);
  // Scaled to the fastest round: 4 passes in 1.5 ms make 5 in 2 ms.
  EXPECT_EQ(sweeper.Sweep(kLevel3).bytes, 5 * 64 * kKB);
  EXPECT_EQ(sweeper.Sweep(kLevel1).bytes, 256 * kKB);
}

TEST(ReadSweeper, ARoundFarTooShortGrowsThePassesAndStartsAgain) {
  ScriptedClock clock({100us, 2ms, 2ms, 2ms, 2ms}, 2ms);
  ReadSweeper sweeper(kSmallSets, clock, 8ms);
  const SweepFigure figure = sweeper.Sweep(kLevel2);
  EXPECT_EQ(figure.bytes, 16 * 20 * 16 * kKB);  // 16 passes took 0.1 ms: 20 times as many
  EXPECT_EQ(figure.time, 2ms);
}

// Memory: every pass is evicted first and timed on its own; a round's time is their sum.
TEST(ReadSweeper, MemoryPassesAreTimedOneByOne) {
  ScriptedClock clock({}, 500us);
  ReadSweeper sweeper(kSmallSets, clock, 8ms);
  const SweepFigure figure = sweeper.Sweep(kMemory);
  EXPECT_EQ(figure.bytes, 4 * 64 * kKB);
  EXPECT_EQ(figure.time, 2ms);
}

TEST(ReadSweeper, AStoppedClockEndsTheSweepWithoutAFigure) {
  ReadSweeper sweeper(
      {4 * kKB, 4 * kKB, 4 * kKB, 4 * kKB}, [] { return 5s; }, 8ms);
  const SweepFigure figure = sweeper.Sweep(kLevel1);
  EXPECT_EQ(BytesPerSecond(figure), std::nullopt);
  EXPECT_LE(figure.bytes, std::uint64_t{1} << 30);
}

TEST(ReadSweeper, RefusesWorkingSetsItCannotSweep) {
  for (const std::size_t odd : {std::size_t{0}, std::size_t{100}, 4 * kKB + 32}) {
    EXPECT_THROW(ReadSweeper({4 * kKB, odd, 64 * kKB, 64 * kKB}), std::invalid_argument) << odd;
  }
}

TEST(ReadSweeper, MeasuresEveryLevelOnTheSteadyClock) {
  ReadSweeper sweeper(kSmallSets, SteadyNow, 2ms);
  for (const Level level : {kLevel1, kLevel2, kLevel3, kMemory}) {
    SCOPED_TRACE(level);
    const SweepFigure figure = sweeper.Sweep(level);
    EXPECT_GE(figure.bytes, kSmallSets[level]);
    EXPECT_EQ(figure.bytes % kSmallSets[level], 0u);
    ASSERT_TRUE(BytesPerSecond(figure));
    EXPECT_GT(*BytesPerSecond(figure), 0);
  }
}

}  // namespace
