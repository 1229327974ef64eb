// Copy/Scale/Add/Triad with MMX: 256-byte chunks of eight groups of four 64-bit words, each
// word four unsigned 16-bit lanes (PMULLW keeps the low half of a product, PADDUSW saturates).
#include "kernels/asm_loops.h"
#include "kernels/memory_kernels.h"
#include "kernels/mmx_fill.h"
#include "kernels/mmx_groups.h"

// A kernel repeating `group` over every 32 bytes of a 256-byte chunk, on the arrays `abc`
// (AB: reads a, writes b; ABC: reads a and b, writes c).
#define MMX_KERNEL(name, abc, before, group)                                                \
  void name(const Arrays& arrays, std::size_t bytes, std::uint32_t passes) {                \
    const Sweep sweep = sweepOf(arrays.a, bytes, 256, passes);                              \
    if (sweep.empty()) return;                                                              \
    char *a, *b, *c;                                                                        \
    const std::uint64_t constant = kernels::kMmxLanes77;                                    \
    asm volatile(before VK_MEMORY_PASSES(VK_RESTORE_##abc, VK_ADVANCE_##abc(256),           \
                                         VK_REPEAT(8, 32, group))                           \
                 "emms\n\t"                                                                 \
                 : [a] "=&r"(a), [b] "=&r"(b), [c] "=&r"(c), [passes] "+rm"(passes)         \
                 : [a0] "rm"(sweep.begin), [b0] "rm"(arrays.b), [c0] "rm"(arrays.c),       \
                   [end] "rm"(sweep.end), [constant] "m"(constant)                          \
                 : "cc", "memory", VK_MMX_CLOBBERS);                                        \
  }

namespace engine {
namespace {

using kernels::Sweep;
using kernels::sweepOf;

void mmxFill(const Arrays& arrays, std::size_t bytes, int sources) {
  kernels::fillMmxLanes(arrays.a, bytes, kernels::kMmxLanes33);
  if (sources == 2) kernels::fillMmxLanes(arrays.b, bytes, kernels::kMmxLanes55);
}

MMX_KERNEL(mmxCopy, AB, "", MMX_LOAD4(".Lo", "%[a]") MMX_STORE4("movq", ".Lo", "%[b]"))
MMX_KERNEL(mmxScale, AB, MMX_LOAD_CONSTANT,
           MMX_LOAD4(".Lo", "%[a]") MMX_MULTIPLY4 MMX_STORE4("movq", ".Lo", "%[b]"))
MMX_KERNEL(mmxAdd, ABC, "",
           MMX_LOAD4(".Lo", "%[a]") MMX_ADD4(".Lo", "%[b]") MMX_STORE4("movq", ".Lo", "%[c]"))
MMX_KERNEL(mmxTriad, ABC, MMX_LOAD_CONSTANT,
           MMX_LOAD4(".Lo", "%[b]") MMX_MULTIPLY4 MMX_ADD4(".Lo", "%[a]")
               MMX_STORE4("movq", ".Lo", "%[c]"))

}  // namespace

const MemoryKernels kMmxMemoryKernels = {mmxFill, mmxCopy, mmxScale, mmxAdd, mmxTriad};

}  // namespace engine
