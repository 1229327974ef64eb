#include <sys/mman.h>

#include <cstdint>

#include "memory_advice.h"

namespace engine {

void adviseLargePages(void* start, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
  constexpr std::uintptr_t kSmallPage = 4096;
  constexpr std::size_t kLargePage = 2 * 1024 * 1024;
  if (bytes < kLargePage) return;
  const auto address = reinterpret_cast<std::uintptr_t>(start);
  const std::uintptr_t begin = (address + kSmallPage - 1) & ~(kSmallPage - 1);
  const std::uintptr_t end = (address + bytes) & ~(kSmallPage - 1);
  // Only a hint: where the system has no large pages the memory stays as it is.
  madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)start;
  (void)bytes;
#endif
}

}  // namespace engine
