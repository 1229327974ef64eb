// The two memory operations the sweeps time: reading a buffer once, and evicting it from every
// cache level first.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cachemonitor {

// Reads `bytes` from `data` once, front to back, with the widest loads the processor offers (32
// bytes with AVX2, else 16), and returns the exclusive-or of all its 64-bit words, so no load can
// be left out. REQUIRES: `data` 64-byte aligned, `bytes` a multiple of 64.
std::uint64_t ReadOnce(const std::byte* data, std::size_t bytes);

// The load width ReadOnce uses on this processor, in bytes.
int ReadLoadBytes();

// ReadOnce with 16-byte loads, and with 32-byte loads (REQUIRES: AVX2).
std::uint64_t ReadOnce16(const std::byte* data, std::size_t bytes);
std::uint64_t ReadOnce32(const std::byte* data, std::size_t bytes);

// Writes every cache line of the range back to memory and drops it from all cache levels, and
// waits until that is done. REQUIRES: `data` 64-byte aligned, `bytes` a multiple of 64.
void EvictFromCaches(const std::byte* data, std::size_t bytes);

}  // namespace cachemonitor
