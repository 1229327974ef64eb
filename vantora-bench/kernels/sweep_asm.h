// Assembler text of the kernels. A loop body is written once for one register-width access at
// offset .Lo and repeated across a chunk with `.rept`; the compiler maps the named operands to
// registers, and every kernel is `asm volatile` with a memory clobber so no access is removed or
// moved out of the timed loop.
#pragma once

// clang-format off

// `count` copies of `body`; inside the copies .Lo is 0, step, 2 * step...
#define VB_REPEAT(count, step, body)                                                        \
  ".set .Lo, 0\n\t"                                                                         \
  ".rept " count "\n\t"                                                                     \
  body                                                                                      \
  ".set .Lo, .Lo + " step "\n\t"                                                            \
  ".endr\n\t"

// `chunk` (at %[p]) for every chunk from %[a0] up to %[end], repeated %[count] times.
#define VB_PASSES(chunkBytes, chunk)                                                        \
  "1:\n\t"                                                                                  \
  "mov %[a0], %[p]\n"                                                                       \
  "2:\n\t"                                                                                  \
  chunk                                                                                     \
  "add $" chunkBytes ", %[p]\n\t"                                                           \
  "cmp %[end], %[p]\n\t"                                                                    \
  "jb 2b\n\t"                                                                               \
  "decq %[count]\n\t"                                                                       \
  "jnz 1b\n\t"

// As VB_PASSES with a second pointer %[q] from %[b0] moving in step with %[p].
#define VB_PASSES_TWO(chunkBytes, chunk)                                                    \
  "1:\n\t"                                                                                  \
  "mov %[a0], %[p]\n\t"                                                                     \
  "mov %[b0], %[q]\n"                                                                       \
  "2:\n\t"                                                                                  \
  chunk                                                                                     \
  "add $" chunkBytes ", %[p]\n\t"                                                           \
  "add $" chunkBytes ", %[q]\n\t"                                                           \
  "cmp %[end], %[p]\n\t"                                                                    \
  "jb 2b\n\t"                                                                               \
  "decq %[count]\n\t"                                                                       \
  "jnz 1b\n\t"

// clang-format on

#define VB_LOAD(load, reg, base) load " .Lo(" base "), " reg "\n\t"
#define VB_STORE(store, reg, base) store " " reg ", .Lo(" base ")\n\t"
