// Copy/Scale/Add/Triad with SSE packed singles: 512-byte chunks of eight groups of four 128-bit
// words, alternating between two register sets from group to group.
#include "kernels/memory_kernels.h"
#include "kernels/sse_groups.h"

#define SSE_COPY_GROUP(o, ...)                                                              \
  SSE_LOAD4(o, "%[a]", __VA_ARGS__) SSE_STORE4("movaps", o, "%[b]", __VA_ARGS__)
#define SSE_SCALE_GROUP(o, ...)                                                             \
  SSE_LOAD4(o, "%[a]", __VA_ARGS__) SSE_MULTIPLY4(__VA_ARGS__)                              \
      SSE_STORE4("movaps", o, "%[b]", __VA_ARGS__)
#define SSE_ADD_GROUP(o, ...)                                                               \
  SSE_LOAD4(o, "%[a]", __VA_ARGS__) SSE_ADD4(o, "%[b]", __VA_ARGS__)                        \
      SSE_STORE4("movaps", o, "%[c]", __VA_ARGS__)
#define SSE_TRIAD_GROUP(o, ...)                                                             \
  SSE_LOAD4(o, "%[b]", __VA_ARGS__) SSE_MULTIPLY4(__VA_ARGS__) SSE_ADD4(o, "%[a]", __VA_ARGS__) \
      SSE_STORE4("movaps", o, "%[c]", __VA_ARGS__)

// Two groups, one on each register set.
#define SSE_COPY_PAIR(o) SSE_COPY_GROUP(o, SSE_FIRST_SET) SSE_COPY_GROUP(o "+64", SSE_SECOND_SET)
#define SSE_SCALE_PAIR(o)                                                                   \
  SSE_SCALE_GROUP(o, SSE_FIRST_SET) SSE_SCALE_GROUP(o "+64", SSE_SECOND_SET_BESIDE_CONSTANT)
#define SSE_ADD_PAIR(o) SSE_ADD_GROUP(o, SSE_FIRST_SET) SSE_ADD_GROUP(o "+64", SSE_SECOND_SET)
#define SSE_TRIAD_PAIR(o)                                                                   \
  SSE_TRIAD_GROUP(o, SSE_FIRST_SET) SSE_TRIAD_GROUP(o "+64", SSE_SECOND_SET_BESIDE_CONSTANT)

// A kernel on the arrays `abc` (AB: reads a, writes b; ABC: reads a and b, writes c).
#define SSE_KERNEL(name, abc, before, pair)                                                \
  void name(const Arrays& arrays, std::size_t bytes, std::uint32_t passes) {                \
    const Sweep sweep = sweepOf(arrays.a, bytes, 512, passes);                              \
    if (sweep.empty()) return;                                                              \
    char *a, *b, *c;                                                                        \
    SseConstant constant;                                                                   \
    asm volatile(before VK_MEMORY_PASSES(VK_RESTORE_##abc, VK_ADVANCE_##abc(512),           \
                                         VK_REPEAT(4, 128, pair(".Lo")))                    \
                 : [a] "=&r"(a), [b] "=&r"(b), [c] "=&r"(c), [passes] "+rm"(passes)         \
                 : [a0] "rm"(sweep.begin), [b0] "rm"(arrays.b), [c0] "rm"(arrays.c),       \
                   [end] "rm"(sweep.end), [constant] "r"(constant.lanes)                    \
                 : "cc", "memory", SSE_CLOBBERS);                                           \
  }

namespace engine {
namespace {

using kernels::SseConstant;
using kernels::Sweep;
using kernels::sweepOf;

void sseFill(const Arrays& arrays, std::size_t bytes, int sources) {
  kernels::fillSsePi(arrays.a, bytes);
  if (sources == 2) kernels::fillSsePi(arrays.b, bytes);
}

SSE_KERNEL(sseCopy, AB, "", SSE_COPY_PAIR)
SSE_KERNEL(sseScale, AB, SSE_LOAD_CONSTANT, SSE_SCALE_PAIR)
SSE_KERNEL(sseAdd, ABC, "", SSE_ADD_PAIR)
SSE_KERNEL(sseTriad, ABC, SSE_LOAD_CONSTANT, SSE_TRIAD_PAIR)

}  // namespace

const MemoryKernels kSseMemoryKernels = {sseFill, sseCopy, sseScale, sseAdd, sseTriad};

}  // namespace engine
