// Assembler text shared by the kernels: the unrolling directives and the pass and chunk loops.
//
// Operands are named, so the compiler maps arguments to registers for both x86-64 and i386 and
// no kernel deals with a calling convention. The pass counter, the saved pointers and the end
// pointer are "rm" operands: on i386 the compiler keeps them on the stack when the kernel's own
// registers leave none for them.
//
// Offsets inside a chunk come from the assembler symbol .Lo, which VK_REPEAT steps, so a group
// of instructions is written once and repeated by `.rept` rather than copied by hand.
#pragma once

#include <cstddef>
#include <cstdint>

// `count` copies of `body`; inside it .Lo is start, start + step, start + 2 * step, ...
#define VK_REPEAT_FROM(start, count, step, body)                                            \
  ".set .Lo, " #start "\n\t"                                                                \
  ".rept " #count "\n\t" body ".set .Lo, .Lo + " #step "\n\t"                               \
  ".endr\n\t"
#define VK_REPEAT(count, step, body) VK_REPEAT_FROM(0, count, step, body)

// One block kernel sweep: `chunk` (at %[p]) for every chunk from %[p0] up to %[end], restarted
// from the saved pointer `passes` times.
#define VK_BLOCK_PASSES(chunkBytes, chunk)                                                  \
  "1:\n\t"                                                                                  \
  "mov %[p0], %[p]\n"                                                                       \
  "2:\n\t" chunk                                                                            \
  "add $" #chunkBytes ", %[p]\n\t"                                                          \
  "cmp %[end], %[p]\n\t"                                                                    \
  "jb 2b\n\t"                                                                               \
  "decl %[passes]\n\t"                                                                      \
  "jnz 1b\n\t"

// As VK_BLOCK_PASSES, but the last chunk of every pass runs `lastChunk` instead: %[end] is then
// the start of that last chunk.
#define VK_BLOCK_PASSES_LAST_APART(chunkBytes, chunk, lastChunk)                            \
  "1:\n\t"                                                                                  \
  "mov %[p0], %[p]\n\t"                                                                     \
  "jmp 3f\n"                                                                                \
  "2:\n\t" chunk                                                                            \
  "add $" #chunkBytes ", %[p]\n"                                                            \
  "3:\n\t"                                                                                  \
  "cmp %[end], %[p]\n\t"                                                                    \
  "jb 2b\n\t" lastChunk                                                                     \
  "decl %[passes]\n\t"                                                                      \
  "jnz 1b\n\t"

// The pointer moves of the memory kernels, which read a (and b) and write b (or c).
#define VK_RESTORE_AB "mov %[a0], %[a]\n\tmov %[b0], %[b]\n\t"
#define VK_RESTORE_ABC VK_RESTORE_AB "mov %[c0], %[c]\n\t"
#define VK_ADVANCE_AB(chunkBytes) "add $" #chunkBytes ", %[a]\n\tadd $" #chunkBytes ", %[b]\n\t"
#define VK_ADVANCE_ABC(chunkBytes) VK_ADVANCE_AB(chunkBytes) "add $" #chunkBytes ", %[c]\n\t"

// One memory kernel sweep over all arrays; %[end] is the end of array a.
#define VK_MEMORY_PASSES(restore, advance, chunk)                                           \
  "1:\n\t" restore                                                                          \
  "2:\n\t" chunk advance                                                                    \
  "cmp %[end], %[a]\n\t"                                                                    \
  "jb 2b\n\t"                                                                               \
  "decl %[passes]\n\t"                                                                      \
  "jnz 1b\n\t"

// As VK_MEMORY_PASSES, but the last chunk of every pass runs `lastChunk`; %[end] is the start of
// the last chunk of a.
#define VK_MEMORY_PASSES_LAST_APART(restore, advance, chunk, lastChunk)                     \
  "1:\n\t" restore                                                                          \
  "jmp 3f\n"                                                                                \
  "2:\n\t" chunk advance                                                                    \
  "3:\n\t"                                                                                  \
  "cmp %[end], %[a]\n\t"                                                                    \
  "jb 2b\n\t" lastChunk                                                                     \
  "decl %[passes]\n\t"                                                                      \
  "jnz 1b\n\t"

// A fill loop: `step` (at %[p]) from %[p] up to %[end], once.
#define VK_FILL_LOOP(stepBytes, step)                                                       \
  "1:\n\t" step                                                                             \
  "add $" #stepBytes ", %[p]\n\t"                                                           \
  "cmp %[end], %[p]\n\t"                                                                    \
  "jb 1b\n\t"

// The x87 register stack as a clobber list: every x87 kernel leaves it empty as it found it.
#define VK_X87_CLOBBERS "st", "st(1)", "st(2)", "st(3)", "st(4)", "st(5)", "st(6)", "st(7)"
#define VK_MMX_CLOBBERS "mm0", "mm1", "mm2", "mm3", "mm4", "mm5", "mm6", "mm7"
#define VK_XMM_CLOBBERS "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7"

namespace engine {
namespace kernels {

// The part of a buffer a kernel sweeps: the whole chunks from its start, and nothing when there
// is no pass or no whole chunk to run (a pass count of 0 would otherwise wrap the counter).
struct Sweep {
  char* begin;
  char* end;  // one past the last whole chunk
  bool empty() const { return begin == end; }
};

inline Sweep sweepOf(void* buffer, std::size_t bytes, std::size_t chunkBytes,
                     std::uint32_t passes) {
  char* const begin = static_cast<char*>(buffer);
  const std::size_t swept = passes == 0 ? 0 : bytes / chunkBytes * chunkBytes;
  return {begin, begin + swept};
}

}  // namespace kernels
}  // namespace engine
