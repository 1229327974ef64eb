#include "kernels/asm_loops.h"
#include "kernels/sse_groups.h"

namespace engine {
namespace kernels {

void fillSsePi(void* array, std::size_t bytes) {
  const Sweep sweep = sweepOf(array, bytes, 16, 1);
  if (sweep.empty()) return;
  char* p = sweep.begin;
  asm volatile("fldpi\n\t"
               VK_FILL_LOOP(16, VK_REPEAT(4, 4, "fsts .Lo(%[p])\n\t"))
               "fstp %%st(0)\n\t"
               : [p] "+r"(p)
               : [end] "rm"(sweep.end)
               : "cc", "memory", VK_X87_CLOBBERS);
}

}  // namespace kernels
}  // namespace engine
