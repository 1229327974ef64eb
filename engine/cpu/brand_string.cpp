#include "cpu/brand_string.h"

#include <cstdint>
#include <initializer_list>

namespace engine {

std::string brandString(const CpuidReader& cpuid) {
  constexpr std::uint32_t kFirstLeaf = 0x80000002u, kLastLeaf = 0x80000004u;
  if (cpuid.maxExtendedLeaf() < kLastLeaf) return {};
  std::string text;
  for (std::uint32_t leaf = kFirstLeaf; leaf <= kLastLeaf; ++leaf) {
    const CpuidRegisters r = cpuid.read(leaf);
    for (const std::uint32_t value : {r.eax, r.ebx, r.ecx, r.edx}) {
      for (int byte = 0; byte < 4; ++byte) text += static_cast<char>(value >> (8 * byte));
    }
  }
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace engine
