#include "kernels/mmx_fill.h"

#include "kernels/asm_loops.h"

#define MMX_FILL(store)                                                                     \
  const Sweep sweep = sweepOf(array, bytes, 32, 1);                                         \
  if (sweep.empty()) return;                                                                \
  char* p = sweep.begin;                                                                    \
  asm volatile("movq %[lanes], %%mm0\n\t"                                                   \
               VK_FILL_LOOP(32, VK_REPEAT(4, 8, store " %%mm0, .Lo(%[p])\n\t"))             \
               "emms\n\t"                                                                   \
               : [p] "+r"(p)                                                                \
               : [lanes] "m"(lanes), [end] "rm"(sweep.end)                                  \
               : "cc", "memory", VK_MMX_CLOBBERS)

namespace engine {
namespace kernels {

void fillMmxLanes(void* array, std::size_t bytes, std::uint64_t lanes) { MMX_FILL("movq"); }

void fillMmxLanesNonTemporal(void* array, std::size_t bytes, std::uint64_t lanes) {
  MMX_FILL("movntq");
}

}  // namespace kernels
}  // namespace engine
