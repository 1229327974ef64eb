// The phases of an SSE memory-kernel group: four 128-bit words (four singles each) at offset `o`
// of the chunk in a set of four XMM registers, the scale constant in SSE_CONSTANT. The set comes
// last and expands to the four register names.
#pragma once

#include "kernels/asm_loops.h"

#define SSE_FIRST_SET "%%xmm0", "%%xmm1", "%%xmm2", "%%xmm3"
#define SSE_SECOND_SET "%%xmm4", "%%xmm5", "%%xmm6", "%%xmm7"

// The scale constant needs a register of its own: x86-64 has xmm8 for it, while i386 has only
// eight XMM registers, so there the constant takes xmm7 and the second set of Scale and Triad
// takes xmm3 in its place.
#if defined(__x86_64__)
#define SSE_CONSTANT "%%xmm8"
#define SSE_SECOND_SET_BESIDE_CONSTANT SSE_SECOND_SET
#define SSE_CLOBBERS VK_XMM_CLOBBERS, "xmm8", VK_X87_CLOBBERS
#else
#define SSE_CONSTANT "%%xmm7"
#define SSE_SECOND_SET_BESIDE_CONSTANT "%%xmm4", "%%xmm5", "%%xmm6", "%%xmm3"
#define SSE_CLOBBERS VK_XMM_CLOBBERS, VK_X87_CLOBBERS
#endif

#define SSE_LOAD4(o, src, ...) SSE_LOAD4_(o, src, __VA_ARGS__)
#define SSE_LOAD4_(o, src, r0, r1, r2, r3)                                                  \
  "movaps " o "(" src "), " r0 "\n\t"                                                       \
  "movaps " o "+16(" src "), " r1 "\n\t"                                                    \
  "movaps " o "+32(" src "), " r2 "\n\t"                                                    \
  "movaps " o "+48(" src "), " r3 "\n\t"
#define SSE_MULTIPLY4(...) SSE_MULTIPLY4_(__VA_ARGS__)
#define SSE_MULTIPLY4_(r0, r1, r2, r3)                                                      \
  "mulps " SSE_CONSTANT ", " r0 "\n\t"                                                   \
  "mulps " SSE_CONSTANT ", " r1 "\n\t"                                                   \
  "mulps " SSE_CONSTANT ", " r2 "\n\t"                                                   \
  "mulps " SSE_CONSTANT ", " r3 "\n\t"
#define SSE_ADD4(o, src, ...) SSE_ADD4_(o, src, __VA_ARGS__)
#define SSE_ADD4_(o, src, r0, r1, r2, r3)                                                   \
  "addps " o "(" src "), " r0 "\n\t"                                                        \
  "addps " o "+16(" src "), " r1 "\n\t"                                                     \
  "addps " o "+32(" src "), " r2 "\n\t"                                                     \
  "addps " o "+48(" src "), " r3 "\n\t"
#define SSE_STORE4(store, o, dst, ...) SSE_STORE4_(store, o, dst, __VA_ARGS__)
#define SSE_STORE4_(store, o, dst, r0, r1, r2, r3)                                          \
  store " " r0 ", " o "(" dst ")\n\t"                                                       \
  store " " r1 ", " o "+16(" dst ")\n\t"                                                    \
  store " " r2 ", " o "+32(" dst ")\n\t"                                                    \
  store " " r3 ", " o "+48(" dst ")\n\t"

// ln 2 from the x87 unit, stored four times as a single into the 16-byte %[constant] and loaded
// into the constant register.
#define SSE_LOAD_CONSTANT                                                                   \
  "fldln2\n\t"                                                                              \
  "fsts (%[constant])\n\t"                                                                  \
  "fsts 4(%[constant])\n\t"                                                                 \
  "fsts 8(%[constant])\n\t"                                                                 \
  "fstps 12(%[constant])\n\t"                                                               \
  "movaps (%[constant]), " SSE_CONSTANT "\n\t"

namespace engine {
namespace kernels {

struct alignas(16) SseConstant {
  float lanes[4];
};

// pi (FLDPI) as singles, 16 bytes per step.
void fillSsePi(void* array, std::size_t bytes);

}  // namespace kernels
}  // namespace engine
