// The latency measurement: a chain of dependent loads through every cache line of a working set
// in random order, so neither the prefetchers nor the line's neighbours help a load.
#pragma once

#include <cstddef>
#include <cstdint>

#include "kernels/kernel.h"

namespace vbench {

constexpr std::size_t kLineBytes = 64;

// Links the `bytes / kLineBytes` lines at `buffer` into one cycle in an order drawn from `seed`:
// the first 8 bytes of every line hold the address of the next line; every line is on the cycle.
// REQUIRES: `buffer` 64-byte aligned, `bytes` a whole number of lines, at least two.
void linkChase(char* buffer, std::size_t bytes, std::uint64_t seed);

// The latency kernel (see Kernel): `count` loads along the chain from `a`.
void chase(char* a, char* b, std::size_t bytes, std::uint64_t count, Lanes& lanes);

}  // namespace vbench
