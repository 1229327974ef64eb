// Compiled for AVX2; called only where the processor has it.
#include <immintrin.h>

#include "read_kernel.h"

namespace cachemonitor {
namespace {

__m256i Load(const std::byte* p) { return _mm256_load_si256(reinterpret_cast<const __m256i*>(p)); }

}  // namespace

// Four accumulators keep both load ports busy: one exclusive-or per load, none waiting on another.
std::uint64_t ReadOnce32(const std::byte* data, std::size_t bytes) {
  __m256i a = _mm256_setzero_si256();
  __m256i b = _mm256_setzero_si256();
  __m256i c = _mm256_setzero_si256();
  __m256i d = _mm256_setzero_si256();
  const std::byte* p = data;
  for (const std::byte* const end = data + bytes / 128 * 128; p != end; p += 128) {
    a = _mm256_xor_si256(a, Load(p));
    b = _mm256_xor_si256(b, Load(p + 32));
    c = _mm256_xor_si256(c, Load(p + 64));
    d = _mm256_xor_si256(d, Load(p + 96));
  }
  if (p != data + bytes) {
    a = _mm256_xor_si256(a, Load(p));
    b = _mm256_xor_si256(b, Load(p + 32));
  }
  const __m256i all = _mm256_xor_si256(_mm256_xor_si256(a, b), _mm256_xor_si256(c, d));
  const __m128i half = _mm_xor_si128(_mm256_castsi256_si128(all), _mm256_extracti128_si256(all, 1));
  return static_cast<std::uint64_t>(_mm_cvtsi128_si64(half)) ^
         static_cast<std::uint64_t>(_mm_extract_epi64(half, 1));
}

}  // namespace cachemonitor
