// The measured loops of the engine. Each kernel runs its passes over caller-provided buffers and
// nothing else: allocation, pre-fill and timing belong to the measurement around it, so tests can
// call a kernel on small buffers and check what it left behind.
#pragma once

#include <cstddef>
#include <cstdint>

namespace engine {

// A block kernel sweeps `bytes` bytes from `block` `passes` times. `bytes` is a whole number of
// the kernel's chunks (every block size from 1 KB up is).
using BlockKernel = void (*)(void* block, std::size_t bytes, std::uint32_t passes);
// Pre-fills a block before timing, with the kernel's own instruction class.
using BlockFill = void (*)(void* block, std::size_t bytes);

// The arrays of one memory measurement, each `bytes` long. Copy and Scale read a and write b;
// Add and Triad read a and b and write c.
struct Arrays {
  void* a;
  void* b;
  void* c;
};

using MemoryKernel = void (*)(const Arrays& arrays, std::size_t bytes, std::uint32_t passes);
// Fills the source arrays with the class's initial values: a alone when `sources` is 1, a and b
// when it is 2. Destination arrays are left untouched.
using MemoryFill = void (*)(const Arrays& arrays, std::size_t bytes, int sources);

// The four operations of one instruction class (or one prefetch variant of a non-temporal class).
struct MemoryKernels {
  MemoryFill fill;
  MemoryKernel copy;
  MemoryKernel scale;
  MemoryKernel add;
  MemoryKernel triad;
};

}  // namespace engine
