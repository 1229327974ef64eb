#include "read_sweep.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "read_kernel.h"

namespace cachemonitor {
namespace {

// The first timed round of a level reads at least this much, so its time is measurable.
constexpr std::uint64_t kFirstRoundBytes = 256 * 1024;
// One round reads at most this much, whatever a stalled or coarse clock suggests.
constexpr std::uint64_t kMostRoundBytes = std::uint64_t{1} << 30;
constexpr std::uint64_t kMostGrowth = 64;
// How often a sweep may grow its rounds and start again, beyond its kRounds rounds.
constexpr int kMostRegrowths = 4;

}  // namespace

std::chrono::nanoseconds SteadyNow() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

std::optional<double> BytesPerSecond(const SweepFigure& figure) {
  if (figure.time.count() <= 0) return std::nullopt;
  return static_cast<double>(figure.bytes) * 1e9 / static_cast<double>(figure.time.count());
}

void ReadSweeper::FreeBuffer::operator()(std::byte* buffer) const { std::free(buffer); }

ReadSweeper::ReadSweeper(const WorkingSets& sets, Clock clock, std::chrono::nanoseconds target)
    : sets_(sets), clock_(std::move(clock)), target_(target) {
  for (const std::size_t set : sets_) {
    if (set == 0 || set % 64 != 0) {
      throw std::invalid_argument("a working set must be a positive multiple of 64 bytes");
    }
  }
  const std::size_t largest = *std::max_element(sets_.begin(), sets_.end());
  buffer_.reset(static_cast<std::byte*>(std::aligned_alloc(4096, largest)));
  if (!buffer_) throw std::bad_alloc();
  // Distinct words make the pages resident and every load count in the checksum.
  auto* words = reinterpret_cast<std::uint64_t*>(buffer_.get());
  for (std::size_t i = 0; i < largest / sizeof(std::uint64_t); ++i) words[i] = i;
  for (std::size_t level = 0; level < kLevelCount; ++level) {
    passes_[level] =
        std::max<std::uint64_t>(1, (kFirstRoundBytes + sets_[level] - 1) / sets_[level]);
  }
}

SweepFigure ReadSweeper::TimedPasses(Level level, std::uint64_t passes) {
  const std::byte* const data = buffer_.get();
  const std::size_t bytes = sets_[level];
  SweepFigure figure;
  if (level == kMemory) {
    for (std::uint64_t pass = 0; pass < passes; ++pass) {
      EvictFromCaches(data, bytes);
      const auto start = clock_();
      checksum_ ^= ReadOnce(data, bytes);
      figure.time += clock_() - start;
    }
  } else {
    const auto start = clock_();
    for (std::uint64_t pass = 0; pass < passes; ++pass) checksum_ ^= ReadOnce(data, bytes);
    figure.time = clock_() - start;
  }
  figure.bytes = passes * bytes;
  return figure;
}

std::uint64_t ReadSweeper::NextPasses(Level level, std::uint64_t passes,
                                      std::chrono::nanoseconds time,
                                      std::chrono::nanoseconds roundTarget) const {
  const std::uint64_t most =
      std::max<std::uint64_t>(1, std::min(passes * kMostGrowth, kMostRoundBytes / sets_[level]));
  if (time.count() <= 0) return most;
  const double scaled = static_cast<double>(passes) * static_cast<double>(roundTarget.count()) /
                        static_cast<double>(time.count());
  return std::clamp<std::uint64_t>(static_cast<std::uint64_t>(scaled), 1, most);
}

SweepFigure ReadSweeper::Sweep(Level level) {
  if (level != kMemory) checksum_ ^= ReadOnce(buffer_.get(), sets_[level]);
  const std::chrono::nanoseconds roundTarget = target_ / kRounds;
  std::uint64_t passes = passes_[level];
  SweepFigure fastest;
  int kept = 0;
  for (int attempt = 0; kept < kRounds && attempt < kRounds + kMostRegrowths; ++attempt) {
    const SweepFigure figure = TimedPasses(level, passes);
    const std::uint64_t next = NextPasses(level, passes, figure.time, roundTarget);
    if (2 * figure.time < roundTarget && next > passes) {
      passes = next;
      fastest = figure;
      kept = 0;
      continue;
    }
    if (kept == 0 || figure.time < fastest.time) fastest = figure;
    ++kept;
  }
  passes_[level] = kept == 0 ? passes : NextPasses(level, passes, fastest.time, roundTarget);
  return fastest;
}

}  // namespace cachemonitor
