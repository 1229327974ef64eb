// Copy/Scale/Add/Triad with x87 doubles: 256-byte chunks of eight groups of four stack registers.
//
// A group loads (and computes) four values onto the stack, then pops them to the destination:
// the last loaded is stored first, so each group's stores run from its highest offset down.
#include "kernels/asm_loops.h"
#include "kernels/memory_kernels.h"

// The four pops of a group at .Lo to `dst`.
#define X87_STORE4(dst)                                                                     \
  "fstpl .Lo+24(" dst ")\n\t"                                                               \
  "fstpl .Lo+16(" dst ")\n\t"                                                               \
  "fstpl .Lo+8(" dst ")\n\t"                                                                \
  "fstpl .Lo(" dst ")\n\t"

#define X87_COPY_GROUP                                                                      \
  "fldl .Lo(%[a])\n\tfldl .Lo+8(%[a])\n\tfldl .Lo+16(%[a])\n\tfldl .Lo+24(%[a])\n\t"        \
  X87_STORE4("%[b]")
// ln 2 sits below the values loaded so far: at st(1) for the first, st(4) for the fourth.
#define X87_SCALE_GROUP                                                                     \
  "fldl .Lo(%[a])\n\tfmul %%st(1), %%st\n\t"                                                \
  "fldl .Lo+8(%[a])\n\tfmul %%st(2), %%st\n\t"                                              \
  "fldl .Lo+16(%[a])\n\tfmul %%st(3), %%st\n\t"                                             \
  "fldl .Lo+24(%[a])\n\tfmul %%st(4), %%st\n\t"                                             \
  X87_STORE4("%[b]")
#define X87_ADD_GROUP                                                                       \
  "fldl .Lo(%[a])\n\tfaddl .Lo(%[b])\n\t"                                                   \
  "fldl .Lo+8(%[a])\n\tfaddl .Lo+8(%[b])\n\t"                                               \
  "fldl .Lo+16(%[a])\n\tfaddl .Lo+16(%[b])\n\t"                                             \
  "fldl .Lo+24(%[a])\n\tfaddl .Lo+24(%[b])\n\t"                                             \
  X87_STORE4("%[c]")
#define X87_TRIAD_GROUP                                                                     \
  "fldl .Lo(%[b])\n\tfmul %%st(1), %%st\n\tfaddl .Lo(%[a])\n\t"                             \
  "fldl .Lo+8(%[b])\n\tfmul %%st(2), %%st\n\tfaddl .Lo+8(%[a])\n\t"                         \
  "fldl .Lo+16(%[b])\n\tfmul %%st(3), %%st\n\tfaddl .Lo+16(%[a])\n\t"                       \
  "fldl .Lo+24(%[b])\n\tfmul %%st(4), %%st\n\tfaddl .Lo+24(%[a])\n\t"                       \
  X87_STORE4("%[c]")

// A kernel repeating `group` over every 32 bytes of a 256-byte chunk, on the arrays `abc`
// (AB: reads a, writes b; ABC: reads a and b, writes c); `before` and `after` frame the loops.
#define X87_KERNEL(name, abc, before, group, after)                                         \
  void name(const Arrays& arrays, std::size_t bytes, std::uint32_t passes) {                \
    const Sweep sweep = sweepOf(arrays.a, bytes, 256, passes);                              \
    if (sweep.empty()) return;                                                              \
    char *a, *b, *c;                                                                        \
    asm volatile(before VK_MEMORY_PASSES(VK_RESTORE_##abc, VK_ADVANCE_##abc(256),           \
                                         VK_REPEAT(8, 32, group)) after                     \
                 : [a] "=&r"(a), [b] "=&r"(b), [c] "=&r"(c), [passes] "+rm"(passes)         \
                 : [a0] "rm"(sweep.begin), [b0] "rm"(arrays.b), [c0] "rm"(arrays.c),       \
                   [end] "rm"(sweep.end)                                                    \
                 : "cc", "memory", VK_X87_CLOBBERS);                                        \
  }

#define X87_LOAD_LN2 "fldln2\n\t"
#define X87_RELEASE_LN2 "fstp %%st(0)\n\t"

namespace engine {
namespace {

using kernels::Sweep;
using kernels::sweepOf;

// pi (FLDPI) as doubles, 32 bytes per step.
void fillPi(void* array, std::size_t bytes) {
  const Sweep sweep = sweepOf(array, bytes, 32, 1);
  if (sweep.empty()) return;
  char* p = sweep.begin;
  asm volatile("fldpi\n\t"
               VK_FILL_LOOP(32, VK_REPEAT(4, 8, "fstl .Lo(%[p])\n\t"))
               "fstp %%st(0)\n\t"
               : [p] "+r"(p)
               : [end] "rm"(sweep.end)
               : "cc", "memory", VK_X87_CLOBBERS);
}

void x87Fill(const Arrays& arrays, std::size_t bytes, int sources) {
  fillPi(arrays.a, bytes);
  if (sources == 2) fillPi(arrays.b, bytes);
}

X87_KERNEL(x87Copy, AB, "", X87_COPY_GROUP, "")
X87_KERNEL(x87Scale, AB, X87_LOAD_LN2, X87_SCALE_GROUP, X87_RELEASE_LN2)
X87_KERNEL(x87Add, ABC, "", X87_ADD_GROUP, "")
X87_KERNEL(x87Triad, ABC, X87_LOAD_LN2, X87_TRIAD_GROUP, X87_RELEASE_LN2)

}  // namespace

const MemoryKernels kX87MemoryKernels = {x87Fill, x87Copy, x87Scale, x87Add, x87Triad};

}  // namespace engine
