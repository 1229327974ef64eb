// Block kernels with MMX 64-bit moves: 512-byte chunks of 64 accesses, plain, non-temporal and
// prefetching. Every kernel and fill ends with EMMS, which hands the registers back to the x87
// unit.
#include "kernels/asm_loops.h"
#include "kernels/block_kernels.h"

#define MMX_BLOCK_WRITE(store)                                                              \
  const Sweep sweep = sweepOf(block, bytes, 512, passes);                                   \
  if (sweep.empty()) return;                                                                \
  char* p;                                                                                  \
  asm volatile("pxor %%mm0, %%mm0\n\t"                                                      \
               VK_BLOCK_PASSES(512, VK_REPEAT(64, 8, store " %%mm0, .Lo(%[p])\n\t"))        \
               "emms\n\t"                                                                   \
               : [p] "=&r"(p), [passes] "+rm"(passes)                                       \
               : [p0] "rm"(sweep.begin), [end] "rm"(sweep.end)                              \
               : "cc", "memory", VK_MMX_CLOBBERS)

#define MMX_BLOCK_FILL(store)                                                               \
  const Sweep sweep = sweepOf(block, bytes, 32, 1);                                         \
  if (sweep.empty()) return;                                                                \
  char* p = sweep.begin;                                                                    \
  asm volatile("pxor %%mm0, %%mm0\n\t"                                                      \
               VK_FILL_LOOP(32, VK_REPEAT(4, 8, store " %%mm0, .Lo(%[p])\n\t"))             \
               "emms\n\t"                                                                   \
               : [p] "+r"(p)                                                                \
               : [end] "rm"(sweep.end)                                                      \
               : "cc", "memory", VK_MMX_CLOBBERS)

// The 64 loads of one chunk.
#define MMX_LOADS VK_REPEAT(64, 8, "movq .Lo(%[p]), %%mm0\n\t")

// A chunk read in eight 64-byte groups, the first four each after four prefetches of the next
// chunk, 32 bytes apart: the group at .Lo prefetches 512 + 2 * .Lo onwards.
#define MMX_PREFETCHING_LOADS                                                               \
  VK_REPEAT_FROM(0, 4, 64,                                                                  \
                 ".irp d, 512, 544, 576, 608\n\tprefetchnta .Lo*2+\\d(%[p])\n\t.endr\n\t"   \
                 ".irp d, 0, 8, 16, 24, 32, 40, 48, 56\n\t"                                 \
                 "movq .Lo+\\d(%[p]), %%mm0\n\t.endr\n\t")                                  \
  VK_REPEAT_FROM(256, 32, 8, "movq .Lo(%[p]), %%mm0\n\t")

namespace engine {

using kernels::Sweep;
using kernels::sweepOf;

void mmxWrite(void* block, std::size_t bytes, std::uint32_t passes) { MMX_BLOCK_WRITE("movq"); }

void mmxReadFill(void* block, std::size_t bytes) { MMX_BLOCK_FILL("movq"); }

void mmxRead(void* block, std::size_t bytes, std::uint32_t passes) {
  const Sweep sweep = sweepOf(block, bytes, 512, passes);
  if (sweep.empty()) return;
  char* p;
  asm volatile(VK_BLOCK_PASSES(512, MMX_LOADS)
               "emms\n\t"
               : [p] "=&r"(p), [passes] "+rm"(passes)
               : [p0] "rm"(sweep.begin), [end] "rm"(sweep.end)
               : "cc", "memory", VK_MMX_CLOBBERS);
}

void mmxNtWrite(void* block, std::size_t bytes, std::uint32_t passes) {
  MMX_BLOCK_WRITE("movntq");
}

// Non-temporal stores, so the block does not start out in the cache.
void mmxPrefetchReadFill(void* block, std::size_t bytes) { MMX_BLOCK_FILL("movntq"); }

// The last chunk of a pass is read without prefetches, so none reaches beyond the block.
void mmxPrefetchRead(void* block, std::size_t bytes, std::uint32_t passes) {
  const Sweep sweep = sweepOf(block, bytes, 512, passes);
  if (sweep.empty()) return;
  char* p;
  char* const lastChunk = sweep.end - 512;
  asm volatile(VK_BLOCK_PASSES_LAST_APART(512, MMX_PREFETCHING_LOADS, MMX_LOADS)
               "emms\n\t"
               : [p] "=&r"(p), [passes] "+rm"(passes)
               : [p0] "rm"(sweep.begin), [end] "rm"(lastChunk)
               : "cc", "memory", VK_MMX_CLOBBERS);
}

}  // namespace engine
