#include "benchmarks.h"

#include "kernels/block_kernels.h"
#include "kernels/memory_kernels.h"

namespace engine {
namespace {

constexpr Placement kPlain = Placement::Separate;
constexpr Placement kPaged = Placement::PageAligned;

const BlockBenchmark kBlockBenchmarks[] = {
    {1, "INTEGER & WRITING ", Feature::None, kPlain, nullptr, integerWrite},
    {2, "INTEGER & READING ", Feature::None, kPlain, integerReadFill, integerRead},
    {4, "FL-POINT & WRITING", Feature::None, kPlain, nullptr, x87Write},
    {5, "FL-POINT & READING", Feature::None, kPlain, x87ReadFill, x87Read},
    {7, "MMX & WRITING     ", Feature::Mmx, kPaged, nullptr, mmxWrite},
    {8, "MMX & READING     ", Feature::Mmx, kPaged, mmxReadFill, mmxRead},
    {10, "SSE & WRITING     ", Feature::Sse, kPaged, nullptr, sseWrite},
    {11, "SSE & READING     ", Feature::Sse, kPaged, sseReadFill, sseRead},
    {13, "MMX (nt) & WRITING", Feature::MmxPlus, kPaged, nullptr, mmxNtWrite},
    {14, "MMX (nt) & READING", Feature::MmxPlus, kPaged, mmxPrefetchReadFill, mmxPrefetchRead},
    {16, "SSE (nt) & WRITING", Feature::Sse, kPaged, nullptr, sseNtWrite},
    {17, "SSE (nt) & READING", Feature::Sse, kPaged, ssePrefetchReadFill, ssePrefetchRead},
};

const MemoryBenchmark kMemoryBenchmarks[] = {
    {3, "INTEGER   ", "INTEGER BatchRun   ", "INTmem", Feature::None, kPlain,
     &kIntegerMemoryKernels, nullptr, false, false},
    {6, "FL-POINT  ", "FL-POINT BatchRun  ", "FLOATmem", Feature::None, kPlain,
     &kX87MemoryKernels, nullptr, false, false},
    {9, "MMX       ", "MMX BatchRun       ", "MMXmem", Feature::Mmx, kPaged, &kMmxMemoryKernels,
     nullptr, false, false},
    {12, "SSE       ", "SSE BatchRun       ", "SSEmem", Feature::Sse, kPaged, &kSseMemoryKernels,
     nullptr, true, false},
    {15, "MMX (nt)  ", "MMX (nt) BatchRun  ", "MMXmem (non-temporal)", Feature::MmxPlus, kPaged,
     &kMmxNtaMemoryKernels, &kMmxT0MemoryKernels, true, false},
    {18, "SSE (nt)  ", "SSE (nt) BatchRun  ", "SSEmem (non-temporal)", Feature::Sse, kPaged,
     &kSseNtaMemoryKernels, &kSseT0MemoryKernels, true, true},
};

template <typename Benchmark, std::size_t N>
const Benchmark* find(const Benchmark (&table)[N], int id) {
  for (const Benchmark& benchmark : table) {
    if (benchmark.id == id) return &benchmark;
  }
  return nullptr;
}

}  // namespace

const BlockBenchmark* findBlockBenchmark(int id) { return find(kBlockBenchmarks, id); }
const MemoryBenchmark* findMemoryBenchmark(int id) { return find(kMemoryBenchmarks, id); }

}  // namespace engine
