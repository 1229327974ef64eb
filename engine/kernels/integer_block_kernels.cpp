// Block kernels with 32-bit integer moves: 256-byte chunks of 64 accesses.
#include "kernels/asm_loops.h"
#include "kernels/block_kernels.h"

namespace engine {

using kernels::Sweep;
using kernels::sweepOf;

void integerWrite(void* block, std::size_t bytes, std::uint32_t passes) {
  const Sweep sweep = sweepOf(block, bytes, 256, passes);
  if (sweep.empty()) return;
  char* p;
  std::uint32_t zero;
  asm volatile("xorl %[zero], %[zero]\n\t"
               VK_BLOCK_PASSES(256, VK_REPEAT(64, 4, "movl %[zero], .Lo(%[p])\n\t"))
               : [p] "=&r"(p), [zero] "=&r"(zero), [passes] "+rm"(passes)
               : [p0] "rm"(sweep.begin), [end] "rm"(sweep.end)
               : "cc", "memory");
}

void integerReadFill(void* block, std::size_t bytes) {
  const Sweep sweep = sweepOf(block, bytes, 16, 1);
  if (sweep.empty()) return;
  char* p = sweep.begin;
  std::uint32_t zero;
  asm volatile("xorl %[zero], %[zero]\n\t"
               VK_FILL_LOOP(16, VK_REPEAT(4, 4, "movl %[zero], .Lo(%[p])\n\t"))
               : [p] "+r"(p), [zero] "=&r"(zero)
               : [end] "rm"(sweep.end)
               : "cc", "memory");
}

void integerRead(void* block, std::size_t bytes, std::uint32_t passes) {
  const Sweep sweep = sweepOf(block, bytes, 256, passes);
  if (sweep.empty()) return;
  char* p;
  std::uint32_t even, odd;
  asm volatile(VK_BLOCK_PASSES(256, VK_REPEAT(32, 8,
                                              "movl .Lo(%[p]), %[even]\n\t"
                                              "movl .Lo+4(%[p]), %[odd]\n\t"))
               : [p] "=&r"(p), [even] "=&r"(even), [odd] "=&r"(odd), [passes] "+rm"(passes)
               : [p0] "rm"(sweep.begin), [end] "rm"(sweep.end)
               : "cc", "memory");
}

}  // namespace engine
