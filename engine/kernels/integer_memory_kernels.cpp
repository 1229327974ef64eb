// Copy/Scale/Add/Triad with 32-bit integers: 128-byte chunks of eight groups of four registers.
#include "kernels/asm_loops.h"
#include "kernels/memory_kernels.h"

// One group's phases at offset `o` of the chunk, on the data registers T0 to T3.
// `op` applied from the four words at offset `o` of `src` to the data registers.
#define INT_OP4(op, o, src)                                                                 \
  op " " o "(" src "), " T0 "\n\t"                                                          \
  op " " o "+4(" src "), " T1 "\n\t"                                                        \
  op " " o "+8(" src "), " T2 "\n\t"                                                        \
  op " " o "+12(" src "), " T3 "\n\t"
#define INT_LOAD4(o, src) INT_OP4("movl", o, src)
#define INT_SCALED_LOAD4(o, src) INT_OP4("imull $77,", o, src)
#define INT_ADD4(o, src) INT_OP4("addl", o, src)
#define INT_STORE4(o, dst)                                                                  \
  "movl " T0 ", " o "(" dst ")\n\t"                                                         \
  "movl " T1 ", " o "+4(" dst ")\n\t"                                                       \
  "movl " T2 ", " o "+8(" dst ")\n\t"                                                       \
  "movl " T3 ", " o "+12(" dst ")\n\t"

#define INT_COPY_GROUP INT_LOAD4(".Lo", A) INT_STORE4(".Lo", B)
#define INT_SCALE_GROUP INT_SCALED_LOAD4(".Lo", A) INT_STORE4(".Lo", B)
#define INT_ADD_GROUP INT_LOAD4(".Lo", A) INT_ADD4(".Lo", B) INT_STORE4(".Lo", C)
#define INT_TRIAD_GROUP INT_SCALED_LOAD4(".Lo", B) INT_ADD4(".Lo", A) INT_STORE4(".Lo", C)

#if defined(__x86_64__)

#define A "%[a]"
#define B "%[b]"
#define C "%[c]"
#define T0 "%[t0]"
#define T1 "%[t1]"
#define T2 "%[t2]"
#define T3 "%[t3]"

// A kernel repeating `group` over every 16 bytes of a 128-byte chunk, on the arrays `abc`
// (AB: reads a, writes b; ABC: reads a and b, writes c).
#define INT_KERNEL(name, abc, group)                                                        \
  void name(const Arrays& arrays, std::size_t bytes, std::uint32_t passes) {                \
    const Sweep sweep = sweepOf(arrays.a, bytes, 128, passes);                              \
    if (sweep.empty()) return;                                                              \
    char *a, *b, *c;                                                                        \
    std::uint32_t t0, t1, t2, t3;                                                           \
    asm volatile(VK_MEMORY_PASSES(VK_RESTORE_##abc, VK_ADVANCE_##abc(128),                  \
                                  VK_REPEAT(8, 16, group))                                  \
                 : [a] "=&r"(a), [b] "=&r"(b), [c] "=&r"(c), [t0] "=&r"(t0), [t1] "=&r"(t1), \
                   [t2] "=&r"(t2), [t3] "=&r"(t3), [passes] "+rm"(passes)                   \
                 : [a0] "rm"(sweep.begin), [b0] "rm"(arrays.b), [c0] "rm"(arrays.c),       \
                   [end] "rm"(sweep.end)                                                    \
                 : "cc", "memory");                                                         \
  }

#else

// Three pointers and four data words take all seven general registers of i386, which the
// compiler cannot hand out. So the kernel names the registers itself, saves the frame pointer by
// hand and keeps the end pointer and pass counter on the stack: (%esp) and 4(%esp).
#define A "%%esi"
#define B "%%edi"
#define C "%%ebp"
#define T0 "%%eax"
#define T1 "%%ebx"
#define T2 "%%ecx"
#define T3 "%%edx"

struct IntegerFrame {
  const char* a;
  const char* b;
  char* c;
  const char* end;
  std::uint32_t passes;
};

#define INT_KERNEL(name, abc, group)                                                        \
  void name(const Arrays& arrays, std::size_t bytes, std::uint32_t passes) {                \
    const Sweep sweep = sweepOf(arrays.a, bytes, 128, passes);                              \
    if (sweep.empty()) return;                                                              \
    IntegerFrame frame{static_cast<const char*>(arrays.a), static_cast<const char*>(arrays.b), \
                       static_cast<char*>(arrays.c), sweep.end, passes};                    \
    IntegerFrame* f = &frame;                                                               \
    asm volatile("push %%ebp\n\t"                                                           \
                 "push %%eax\n\t"                                                           \
                 "push 16(%%eax)\n\t"                                                       \
                 "push 12(%%eax)\n"                                                         \
                 "1:\n\t"                                                                   \
                 "mov 8(%%esp), %%eax\n\t"                                                  \
                 "mov (%%eax), %%esi\n\t"                                                   \
                 "mov 4(%%eax), %%edi\n\t"                                                  \
                 "mov 8(%%eax), %%ebp\n"                                                    \
                 "2:\n\t" VK_REPEAT(8, 16, group)                                           \
                 "add $128, %%esi\n\t"                                                      \
                 "add $128, %%edi\n\t"                                                      \
                 "add $128, %%ebp\n\t"                                                      \
                 "cmp (%%esp), %%esi\n\t"                                                   \
                 "jb 2b\n\t"                                                                \
                 "decl 4(%%esp)\n\t"                                                        \
                 "jnz 1b\n\t"                                                               \
                 "add $12, %%esp\n\t"                                                       \
                 "pop %%ebp\n\t"                                                            \
                 : "+a"(f)                                                                  \
                 :                                                                          \
                 : "ebx", "ecx", "edx", "esi", "edi", "cc", "memory");                      \
  }

#endif

namespace engine {
namespace {

using kernels::Sweep;
using kernels::sweepOf;

// 32-bit stores of `value`, 16 bytes per step.
void fillWords(void* array, std::size_t bytes, std::uint32_t value) {
  const Sweep sweep = sweepOf(array, bytes, 16, 1);
  if (sweep.empty()) return;
  char* p = sweep.begin;
  asm volatile(VK_FILL_LOOP(16, VK_REPEAT(4, 4, "movl %[value], .Lo(%[p])\n\t"))
               : [p] "+r"(p)
               : [value] "r"(value), [end] "rm"(sweep.end)
               : "cc", "memory");
}

void integerFill(const Arrays& arrays, std::size_t bytes, int sources) {
  fillWords(arrays.a, bytes, 33);
  if (sources == 2) fillWords(arrays.b, bytes, 55);
}

INT_KERNEL(integerCopy, AB, INT_COPY_GROUP)
INT_KERNEL(integerScale, AB, INT_SCALE_GROUP)
INT_KERNEL(integerAdd, ABC, INT_ADD_GROUP)
INT_KERNEL(integerTriad, ABC, INT_TRIAD_GROUP)

}  // namespace

const MemoryKernels kIntegerMemoryKernels = {integerFill, integerCopy, integerScale, integerAdd,
                                             integerTriad};

}  // namespace engine
