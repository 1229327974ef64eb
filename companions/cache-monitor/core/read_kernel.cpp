#include "read_kernel.h"

#include <emmintrin.h>

namespace cachemonitor {

std::uint64_t ReadOnce16(const std::byte* data, std::size_t bytes) {
  __m128i a = _mm_setzero_si128();
  __m128i b = _mm_setzero_si128();
  __m128i c = _mm_setzero_si128();
  __m128i d = _mm_setzero_si128();
  const std::byte* const end = data + bytes;
  for (const std::byte* p = data; p != end; p += 64) {
    a = _mm_xor_si128(a, _mm_load_si128(reinterpret_cast<const __m128i*>(p)));
    b = _mm_xor_si128(b, _mm_load_si128(reinterpret_cast<const __m128i*>(p + 16)));
    c = _mm_xor_si128(c, _mm_load_si128(reinterpret_cast<const __m128i*>(p + 32)));
    d = _mm_xor_si128(d, _mm_load_si128(reinterpret_cast<const __m128i*>(p + 48)));
  }
  const __m128i all = _mm_xor_si128(_mm_xor_si128(a, b), _mm_xor_si128(c, d));
  const __m128i high = _mm_unpackhi_epi64(all, all);
  return static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_xor_si128(all, high)));
}

int ReadLoadBytes() {
  static const int loadBytes = __builtin_cpu_supports("avx2") ? 32 : 16;
  return loadBytes;
}

std::uint64_t ReadOnce(const std::byte* data, std::size_t bytes) {
  return ReadLoadBytes() == 32 ? ReadOnce32(data, bytes) : ReadOnce16(data, bytes);
}

// Every x86-64 processor flushes 64-byte lines.
void EvictFromCaches(const std::byte* data, std::size_t bytes) {
  const std::byte* const end = data + bytes;
  for (const std::byte* p = data; p != end; p += 64) _mm_clflush(p);
  _mm_mfence();
}

}  // namespace cachemonitor
