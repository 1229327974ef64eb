// Copy/Scale/Add/Triad with SSE and non-temporal stores (MOVNTPS): 1024-byte chunks of sixteen
// groups, alternating register sets, with software prefetch one chunk ahead, one prefetch per
// 32 bytes of every source. Every chunk prefetches, the last one too: the prefetches past the end
// of the arrays are hints that never fault.
#include "kernels/memory_kernels.h"
#include "kernels/sse_groups.h"

#define SSE_PREFETCH(prefetch, o, src) prefetch " " o "(" src ")\n\t"

// Copy and Scale: one prefetch of a before a group's loads, one before its stores.
#define SSENT_COPY_GROUP(prefetch, o, ...)                                                  \
  SSE_PREFETCH(prefetch, o "+1024", "%[a]") SSE_LOAD4(o, "%[a]", __VA_ARGS__)               \
  SSE_PREFETCH(prefetch, o "+1056", "%[a]") SSE_STORE4("movntps", o, "%[b]", __VA_ARGS__)
#define SSENT_SCALE_GROUP(prefetch, o, ...)                                                 \
  SSE_PREFETCH(prefetch, o "+1024", "%[a]") SSE_LOAD4(o, "%[a]", __VA_ARGS__)               \
  SSE_MULTIPLY4(__VA_ARGS__)                                                                \
  SSE_PREFETCH(prefetch, o "+1056", "%[a]") SSE_STORE4("movntps", o, "%[b]", __VA_ARGS__)
// Triad: two prefetches of b before the loads of b, two of a before the additions from a.
#define SSENT_TRIAD_GROUP(prefetch, o, ...)                                                 \
  SSE_PREFETCH(prefetch, o "+1024", "%[b]") SSE_PREFETCH(prefetch, o "+1056", "%[b]")       \
  SSE_LOAD4(o, "%[b]", __VA_ARGS__) SSE_MULTIPLY4(__VA_ARGS__)                              \
  SSE_PREFETCH(prefetch, o "+1024", "%[a]") SSE_PREFETCH(prefetch, o "+1056", "%[a]")       \
  SSE_ADD4(o, "%[a]", __VA_ARGS__) SSE_STORE4("movntps", o, "%[c]", __VA_ARGS__)

#define SSENT_COPY_PAIR(prefetch, o)                                                        \
  SSENT_COPY_GROUP(prefetch, o, SSE_FIRST_SET) SSENT_COPY_GROUP(prefetch, o "+64", SSE_SECOND_SET)
#define SSENT_SCALE_PAIR(prefetch, o)                                                       \
  SSENT_SCALE_GROUP(prefetch, o, SSE_FIRST_SET)                                             \
  SSENT_SCALE_GROUP(prefetch, o "+64", SSE_SECOND_SET_BESIDE_CONSTANT)
#define SSENT_TRIAD_PAIR(prefetch, o)                                                       \
  SSENT_TRIAD_GROUP(prefetch, o, SSE_FIRST_SET)                                             \
  SSENT_TRIAD_GROUP(prefetch, o "+64", SSE_SECOND_SET_BESIDE_CONSTANT)
// Add: eight loads of b (after four prefetches of b), then twice four additions from a (after
// two prefetches of a) and four stores.
#define SSENT_ADD_PAIR(prefetch, o)                                                         \
  SSE_PREFETCH(prefetch, o "+1024", "%[b]") SSE_PREFETCH(prefetch, o "+1056", "%[b]")       \
  SSE_PREFETCH(prefetch, o "+1088", "%[b]") SSE_PREFETCH(prefetch, o "+1120", "%[b]")       \
  SSE_LOAD4(o, "%[b]", SSE_FIRST_SET) SSE_LOAD4(o "+64", "%[b]", SSE_SECOND_SET)            \
  SSE_PREFETCH(prefetch, o "+1024", "%[a]") SSE_PREFETCH(prefetch, o "+1056", "%[a]")       \
  SSE_ADD4(o, "%[a]", SSE_FIRST_SET) SSE_STORE4("movntps", o, "%[c]", SSE_FIRST_SET)        \
  SSE_PREFETCH(prefetch, o "+1088", "%[a]") SSE_PREFETCH(prefetch, o "+1120", "%[a]")       \
  SSE_ADD4(o "+64", "%[a]", SSE_SECOND_SET) SSE_STORE4("movntps", o "+64", "%[c]", SSE_SECOND_SET)

// A kernel on the arrays `abc` (AB: reads a, writes b; ABC: reads a and b, writes c).
#define SSENT_KERNEL(name, abc, before, prefetch, pair)                                     \
  void name(const Arrays& arrays, std::size_t bytes, std::uint32_t passes) {                \
    const Sweep sweep = sweepOf(arrays.a, bytes, 1024, passes);                             \
    if (sweep.empty()) return;                                                              \
    char *a, *b, *c;                                                                        \
    SseConstant constant;                                                                   \
    asm volatile(before VK_MEMORY_PASSES(VK_RESTORE_##abc, VK_ADVANCE_##abc(1024),          \
                                         VK_REPEAT(8, 128, pair(prefetch, ".Lo")))          \
                 : [a] "=&r"(a), [b] "=&r"(b), [c] "=&r"(c), [passes] "+rm"(passes)         \
                 : [a0] "rm"(sweep.begin), [b0] "rm"(arrays.b), [c0] "rm"(arrays.c),       \
                   [end] "rm"(sweep.end), [constant] "r"(constant.lanes)                    \
                 : "cc", "memory", SSE_CLOBBERS);                                           \
  }

// The four kernels of one prefetch variant.
#define SSENT_KERNELS(variant, prefetch)                                                    \
  SSENT_KERNEL(sseNtCopy##variant, AB, "", prefetch, SSENT_COPY_PAIR)                       \
  SSENT_KERNEL(sseNtScale##variant, AB, SSE_LOAD_CONSTANT, prefetch, SSENT_SCALE_PAIR)      \
  SSENT_KERNEL(sseNtAdd##variant, ABC, "", prefetch, SSENT_ADD_PAIR)                        \
  SSENT_KERNEL(sseNtTriad##variant, ABC, SSE_LOAD_CONSTANT, prefetch, SSENT_TRIAD_PAIR)

namespace engine {
namespace {

using kernels::SseConstant;
using kernels::Sweep;
using kernels::sweepOf;

void sseNtFill(const Arrays& arrays, std::size_t bytes, int sources) {
  kernels::fillSsePi(arrays.a, bytes);
  if (sources == 2) kernels::fillSsePi(arrays.b, bytes);
}

SSENT_KERNELS(Nta, "prefetchnta")
SSENT_KERNELS(T0, "prefetcht0")

}  // namespace

const MemoryKernels kSseNtaMemoryKernels = {sseNtFill, sseNtCopyNta, sseNtScaleNta, sseNtAddNta,
                                            sseNtTriadNta};
const MemoryKernels kSseT0MemoryKernels = {sseNtFill, sseNtCopyT0, sseNtScaleT0, sseNtAddT0,
                                           sseNtTriadT0};

}  // namespace engine
