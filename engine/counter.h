// The high-resolution counter every measurement is timed with.
#pragma once

#include <cstdint>

namespace engine {

// Ticks per second of the counter, or 0 when the platform has no counter with a resolution well
// below one millisecond.
std::uint64_t counterFrequency();
// The counter's current reading, in ticks.
std::uint64_t counterNow();

// Whole milliseconds between two readings, fractions dropped.
// REQUIRES: end >= start and frequency >= 1000.
std::uint32_t elapsedMilliseconds(std::uint64_t start, std::uint64_t end, std::uint64_t frequency);

}  // namespace engine
