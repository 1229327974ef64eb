// The measured kernels: one function type for every instruction class and operation, so one
// table can hold them all.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vbench {

// The widest register a kernel stores or reads back: a 512-bit ZMM register.
struct alignas(64) Lanes {
  std::uint64_t words[8] = {};
};

// One timed run.
//   read:    `count` passes over `bytes` of `a`; `lanes` receives the last register read (the
//            buffer's last `width` bytes).
//   write:   `count` passes storing the first `width` bytes of `lanes` over `bytes` of `a`.
//   ntwrite: as write, with non-temporal stores, ordered by a store fence at the end.
//   copy:    `count` passes copying `bytes` of `a` to `b`.
//   latency: `count` dependent loads, each following the pointer at the address the previous one
//            loaded, starting at `a`; `lanes.words[0]` receives the last address.
// REQUIRES: `a` and `b` 64-byte aligned; `bytes` a whole number of the kernel's chunks (at
// least one); `count` >= 1, and for latency a multiple of kChaseUnroll.
using Kernel = void (*)(char* a, char* b, std::size_t bytes, std::uint64_t count, Lanes& lanes);

constexpr std::uint64_t kChaseUnroll = 64;

}  // namespace vbench
