// Block kernels with SSE 128-bit moves: 512-byte chunks of 32 accesses, plain, non-temporal and
// prefetching.
#include "kernels/asm_loops.h"
#include "kernels/block_kernels.h"

#define SSE_BLOCK_WRITE(store)                                                              \
  const Sweep sweep = sweepOf(block, bytes, 512, passes);                                   \
  if (sweep.empty()) return;                                                                \
  char* p;                                                                                  \
  asm volatile("xorps %%xmm0, %%xmm0\n\t"                                                   \
               VK_BLOCK_PASSES(512, VK_REPEAT(32, 16, store " %%xmm0, .Lo(%[p])\n\t"))      \
               : [p] "=&r"(p), [passes] "+rm"(passes)                                       \
               : [p0] "rm"(sweep.begin), [end] "rm"(sweep.end)                              \
               : "cc", "memory", "xmm0")

#define SSE_BLOCK_FILL(store)                                                               \
  const Sweep sweep = sweepOf(block, bytes, 64, 1);                                         \
  if (sweep.empty()) return;                                                                \
  char* p = sweep.begin;                                                                    \
  asm volatile("xorps %%xmm0, %%xmm0\n\t"                                                   \
               VK_FILL_LOOP(64, VK_REPEAT(4, 16, store " %%xmm0, .Lo(%[p])\n\t"))           \
               : [p] "+r"(p)                                                                \
               : [end] "rm"(sweep.end)                                                      \
               : "cc", "memory", "xmm0")

// The 32 loads of one chunk.
#define SSE_LOADS VK_REPEAT(32, 16, "movaps .Lo(%[p]), %%xmm0\n\t")

// A chunk read in eight 64-byte groups, the first four each after four prefetches of the next
// chunk, 32 bytes apart: the group at .Lo prefetches 512 + 2 * .Lo onwards.
#define SSE_PREFETCHING_LOADS                                                               \
  VK_REPEAT_FROM(0, 4, 64,                                                                  \
                 ".irp d, 512, 544, 576, 608\n\tprefetchnta .Lo*2+\\d(%[p])\n\t.endr\n\t"   \
                 ".irp d, 0, 16, 32, 48\n\tmovaps .Lo+\\d(%[p]), %%xmm0\n\t.endr\n\t")     \
  VK_REPEAT_FROM(256, 16, 16, "movaps .Lo(%[p]), %%xmm0\n\t")

namespace engine {

using kernels::Sweep;
using kernels::sweepOf;

void sseWrite(void* block, std::size_t bytes, std::uint32_t passes) { SSE_BLOCK_WRITE("movaps"); }

void sseReadFill(void* block, std::size_t bytes) { SSE_BLOCK_FILL("movaps"); }

void sseRead(void* block, std::size_t bytes, std::uint32_t passes) {
  const Sweep sweep = sweepOf(block, bytes, 512, passes);
  if (sweep.empty()) return;
  char* p;
  asm volatile(VK_BLOCK_PASSES(512, SSE_LOADS)
               : [p] "=&r"(p), [passes] "+rm"(passes)
               : [p0] "rm"(sweep.begin), [end] "rm"(sweep.end)
               : "cc", "memory", "xmm0");
}

void sseNtWrite(void* block, std::size_t bytes, std::uint32_t passes) {
  SSE_BLOCK_WRITE("movntps");
}

// Non-temporal stores, so the block does not start out in the cache.
void ssePrefetchReadFill(void* block, std::size_t bytes) { SSE_BLOCK_FILL("movntps"); }

// The last chunk of a pass is read without prefetches, so none reaches beyond the block.
void ssePrefetchRead(void* block, std::size_t bytes, std::uint32_t passes) {
  const Sweep sweep = sweepOf(block, bytes, 512, passes);
  if (sweep.empty()) return;
  char* p;
  char* const lastChunk = sweep.end - 512;
  asm volatile(VK_BLOCK_PASSES_LAST_APART(512, SSE_PREFETCHING_LOADS, SSE_LOADS)
               : [p] "=&r"(p), [passes] "+rm"(passes)
               : [p0] "rm"(sweep.begin), [end] "rm"(lastChunk)
               : "cc", "memory", "xmm0");
}

}  // namespace engine
