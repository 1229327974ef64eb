// Copy/Scale/Add/Triad with MMX and non-temporal stores (MOVNTQ): 256-byte chunks of eight
// groups, with software prefetch one chunk ahead, 32 bytes per prefetch. The last chunk of a
// pass runs without prefetches, so none reaches beyond the arrays.
#include "kernels/asm_loops.h"
#include "kernels/memory_kernels.h"
#include "kernels/mmx_fill.h"
#include "kernels/mmx_groups.h"

#define MMXNT_COPY_GROUP(o) MMX_LOAD4(o, "%[a]") MMX_STORE4("movntq", o, "%[b]")
#define MMXNT_SCALE_GROUP(o) MMX_LOAD4(o, "%[a]") MMX_MULTIPLY4 MMX_STORE4("movntq", o, "%[b]")
#define MMXNT_ADD_GROUP(o) MMX_LOAD4(o, "%[b]") MMX_ADD4(o, "%[a]") MMX_STORE4("movntq", o, "%[c]")
#define MMXNT_TRIAD_GROUP(o)                                                                \
  MMX_LOAD4(o, "%[b]") MMX_MULTIPLY4 MMX_ADD4(o, "%[a]") MMX_STORE4("movntq", o, "%[c]")

// Copy and Scale: two prefetches of a before every second group.
#define MMXNT_PREFETCHING_AB_CHUNK(prefetch, group)                                         \
  VK_REPEAT(4, 64,                                                                          \
            prefetch " .Lo+256(%[a])\n\t" prefetch " .Lo+288(%[a])\n\t" group(".Lo")        \
                group(".Lo+32"))
// Add and Triad: before every group one prefetch of b, then one of a.
#define MMXNT_PREFETCHING_ABC_CHUNK(prefetch, group)                                        \
  VK_REPEAT(8, 32, prefetch " .Lo+256(%[b])\n\t" prefetch " .Lo+256(%[a])\n\t" group(".Lo"))

// A kernel on the arrays `abc` (AB: reads a, writes b; ABC: reads a and b, writes c).
#define MMXNT_KERNEL(name, abc, before, prefetch, group)                                    \
  void name(const Arrays& arrays, std::size_t bytes, std::uint32_t passes) {                \
    const Sweep sweep = sweepOf(arrays.a, bytes, 256, passes);                              \
    if (sweep.empty()) return;                                                              \
    char *a, *b, *c;                                                                        \
    const char* const lastChunk = sweep.end - 256;                                          \
    const std::uint64_t constant = kernels::kMmxLanes77;                                    \
    asm volatile(before VK_MEMORY_PASSES_LAST_APART(                                        \
                     VK_RESTORE_##abc, VK_ADVANCE_##abc(256),                               \
                     MMXNT_PREFETCHING_##abc##_CHUNK(prefetch, group),                      \
                     VK_REPEAT(8, 32, group(".Lo")))                                        \
                 "emms\n\t"                                                                 \
                 : [a] "=&r"(a), [b] "=&r"(b), [c] "=&r"(c), [passes] "+rm"(passes)         \
                 : [a0] "rm"(sweep.begin), [b0] "rm"(arrays.b), [c0] "rm"(arrays.c),       \
                   [end] "rm"(lastChunk), [constant] "m"(constant)                          \
                 : "cc", "memory", VK_MMX_CLOBBERS);                                        \
  }

// The four kernels of one prefetch variant.
#define MMXNT_KERNELS(variant, prefetch)                                                    \
  MMXNT_KERNEL(mmxNtCopy##variant, AB, "", prefetch, MMXNT_COPY_GROUP)                      \
  MMXNT_KERNEL(mmxNtScale##variant, AB, MMX_LOAD_CONSTANT, prefetch, MMXNT_SCALE_GROUP)     \
  MMXNT_KERNEL(mmxNtAdd##variant, ABC, "", prefetch, MMXNT_ADD_GROUP)                       \
  MMXNT_KERNEL(mmxNtTriad##variant, ABC, MMX_LOAD_CONSTANT, prefetch, MMXNT_TRIAD_GROUP)

namespace engine {
namespace {

using kernels::Sweep;
using kernels::sweepOf;

void mmxNtFill(const Arrays& arrays, std::size_t bytes, int sources) {
  kernels::fillMmxLanesNonTemporal(arrays.a, bytes, kernels::kMmxLanes33);
  if (sources == 2) kernels::fillMmxLanesNonTemporal(arrays.b, bytes, kernels::kMmxLanes55);
}

MMXNT_KERNELS(Nta, "prefetchnta")
MMXNT_KERNELS(T0, "prefetcht0")

}  // namespace

const MemoryKernels kMmxNtaMemoryKernels = {mmxNtFill, mmxNtCopyNta, mmxNtScaleNta, mmxNtAddNta,
                                            mmxNtTriadNta};
const MemoryKernels kMmxT0MemoryKernels = {mmxNtFill, mmxNtCopyT0, mmxNtScaleT0, mmxNtAddT0,
                                           mmxNtTriadT0};

}  // namespace engine
