#include "counter.h"

namespace engine {

std::uint32_t elapsedMilliseconds(std::uint64_t start, std::uint64_t end, std::uint64_t frequency) {
  const std::uint32_t ticksPerMillisecond = static_cast<std::uint32_t>(frequency / 1000);
  return static_cast<std::uint32_t>((end - start) / ticksPerMillisecond);
}

}  // namespace engine
