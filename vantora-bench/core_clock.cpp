#include "core_clock.h"

#include <cstdint>

#include "timer.h"

namespace vbench {
namespace {

constexpr std::uint64_t kAddsPerRound = 1000;
constexpr std::uint64_t kRounds = 1000;  // a million additions: half a millisecond at 2 GHz
constexpr int kRuns = 5;

// Seconds for kRounds x kAddsPerRound dependent additions. The register added is not a constant,
// so no renamer can fold the chain; the memory clobber keeps the chain between the clock reads.
double chainSeconds() {
  std::uint64_t sum = 0, addend = 1, rounds = kRounds;
  const Stopwatch stopwatch;
  asm volatile(
      "1:\n\t"
      ".rept 1000\n\t"
      "add %[addend], %[sum]\n\t"
      ".endr\n\t"
      "decq %[rounds]\n\t"
      "jnz 1b\n\t"
      : [sum] "+r"(sum), [rounds] "+r"(rounds)
      : [addend] "r"(addend)
      : "cc", "memory");
  return stopwatch.seconds();
}

static_assert(kAddsPerRound == 1000, "the .rept count of the chain");

}  // namespace

double measureCoreClockHz() {
  double fastest = chainSeconds();
  for (int run = 1; run < kRuns; ++run) {
    const double seconds = chainSeconds();
    if (seconds < fastest) fastest = seconds;
  }
  return double(kRounds * kAddsPerRound) / fastest;
}

}  // namespace vbench
