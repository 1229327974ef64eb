// The phases of an MMX memory-kernel group: four 64-bit words at offset `o` of the chunk in
// mm0 to mm3, the scale constant in mm7.
#pragma once

#include <cstdint>

#define MMX_LOAD4(o, src)                                                                   \
  "movq " o "(" src "), %%mm0\n\t"                                                          \
  "movq " o "+8(" src "), %%mm1\n\t"                                                        \
  "movq " o "+16(" src "), %%mm2\n\t"                                                       \
  "movq " o "+24(" src "), %%mm3\n\t"
#define MMX_MULTIPLY4                                                                       \
  "pmullw %%mm7, %%mm0\n\t"                                                                 \
  "pmullw %%mm7, %%mm1\n\t"                                                                 \
  "pmullw %%mm7, %%mm2\n\t"                                                                 \
  "pmullw %%mm7, %%mm3\n\t"
#define MMX_ADD4(o, src)                                                                    \
  "paddusw " o "(" src "), %%mm0\n\t"                                                       \
  "paddusw " o "+8(" src "), %%mm1\n\t"                                                     \
  "paddusw " o "+16(" src "), %%mm2\n\t"                                                    \
  "paddusw " o "+24(" src "), %%mm3\n\t"
#define MMX_STORE4(store, o, dst)                                                           \
  store " %%mm0, " o "(" dst ")\n\t"                                                        \
  store " %%mm1, " o "+8(" dst ")\n\t"                                                      \
  store " %%mm2, " o "+16(" dst ")\n\t"                                                     \
  store " %%mm3, " o "+24(" dst ")\n\t"

#define MMX_LOAD_CONSTANT "movq %[constant], %%mm7\n\t"

namespace engine {
namespace kernels {

// The lane patterns: 33 and 55 fill a and b, 77 is the scale constant.
constexpr std::uint64_t kMmxLanes33 = 0x0021002100210021;
constexpr std::uint64_t kMmxLanes55 = 0x0037003700370037;
constexpr std::uint64_t kMmxLanes77 = 0x004d004d004d004d;

}  // namespace kernels
}  // namespace engine
