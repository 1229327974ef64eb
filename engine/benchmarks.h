// The eighteen benchmarks: one table read by the runner, the output code and the tests alike.
#pragma once

#include "kernels/kernels.h"
#include "measurement.h"

namespace engine {

enum class Feature { None, Mmx, MmxPlus, Sse };

struct BlockBenchmark {
  int id;
  const char* label;  // 18 characters, the line's text before the block size
  Feature needs;
  Placement placement;
  BlockFill fill;  // null for the write kernels, which start on untouched memory
  BlockKernel kernel;
};

struct MemoryBenchmark {
  int id;
  const char* prefix;       // 10 characters before the subtest name
  const char* batchPrefix;  // 19 characters before the subtest name of the BatchRun lines
  const char* keyword;      // names the family in the BatchRun header
  Feature needs;
  Placement placement;
  const MemoryKernels* kernels;    // the plain class, or the PREFETCHNTA variant
  const MemoryKernels* t0Kernels;  // the PREFETCHT0 variant; null for the plain classes
  bool blankAfterBatch;  // an empty line closes the BatchRun summary
  bool repeatCopy;       // Copy is measured twice and only the second counts
};

// The benchmark of the id, or null when the id is not of that kind.
const BlockBenchmark* findBlockBenchmark(int id);
const MemoryBenchmark* findMemoryBenchmark(int id);

constexpr int kLastBenchmarkId = 18;

}  // namespace engine
