// Block kernels with x87 64-bit loads and stores: 512-byte chunks of 64 accesses.
//
// Each kernel starts from a known x87 state (FINIT), so no register left on the stack by earlier
// code overflows it; the caller's control word (precision and rounding) is saved before and
// restored after, so the engine's own arithmetic keeps its settings.
#include "kernels/asm_loops.h"
#include "kernels/block_kernels.h"

namespace engine {

using kernels::Sweep;
using kernels::sweepOf;

void x87Write(void* block, std::size_t bytes, std::uint32_t passes) {
  const Sweep sweep = sweepOf(block, bytes, 512, passes);
  if (sweep.empty()) return;
  char* p;
  std::uint16_t controlWord;
  asm volatile("fnstcw %[cw]\n\t"
               "fninit\n\t"
               "fldz\n\t"
               VK_BLOCK_PASSES(512, VK_REPEAT(64, 8, "fstl .Lo(%[p])\n\t"))
               "fstp %%st(0)\n\t"
               "fldcw %[cw]\n\t"
               : [p] "=&r"(p), [passes] "+rm"(passes), [cw] "=m"(controlWord)
               : [p0] "rm"(sweep.begin), [end] "rm"(sweep.end)
               : "cc", "memory", VK_X87_CLOBBERS);
}

void x87ReadFill(void* block, std::size_t bytes) {
  const Sweep sweep = sweepOf(block, bytes, 32, 1);
  if (sweep.empty()) return;
  char* p = sweep.begin;
  std::uint16_t controlWord;
  asm volatile("fnstcw %[cw]\n\t"
               "fninit\n\t"
               "fldz\n\t"
               VK_FILL_LOOP(32, VK_REPEAT(4, 8, "fstl .Lo(%[p])\n\t"))
               "fstp %%st(0)\n\t"
               "fldcw %[cw]\n\t"
               : [p] "+r"(p), [cw] "=m"(controlWord)
               : [end] "rm"(sweep.end)
               : "cc", "memory", VK_X87_CLOBBERS);
}

// Every load is released at once (FFREE), so the loaded values never fill the register stack;
// 64 loads per chunk bring the stack top back to where it started.
void x87Read(void* block, std::size_t bytes, std::uint32_t passes) {
  const Sweep sweep = sweepOf(block, bytes, 512, passes);
  if (sweep.empty()) return;
  char* p;
  asm volatile(VK_BLOCK_PASSES(512, VK_REPEAT(64, 8,
                                              "fldl .Lo(%[p])\n\t"
                                              "ffree %%st(0)\n\t"))
               : [p] "=&r"(p), [passes] "+rm"(passes)
               : [p0] "rm"(sweep.begin), [end] "rm"(sweep.end)
               : "cc", "memory", VK_X87_CLOBBERS);
}

}  // namespace engine
