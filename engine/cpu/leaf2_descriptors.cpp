#include "cpu/leaf2_descriptors.h"

namespace engine {
namespace {

constexpr std::uint32_t kReservedRegister = 0x80000000u;

}  // namespace

Leaf2Descriptors::Leaf2Descriptors(const CpuidRegisters& leaf2)
    : listed_((leaf2.eax & 0xFF) != 0), edxLowByte_(static_cast<std::uint8_t>(leaf2.edx)) {
  const std::uint32_t registers[] = {leaf2.eax, leaf2.ebx, leaf2.ecx, leaf2.edx};
  for (int r = 0; r < 4; ++r) {
    // A register with bit 31 set holds no descriptors.
    if (registers[r] & kReservedRegister) continue;
    // AL is the call count, not a descriptor.
    for (int byte = r == 0 ? 1 : 0; byte < 4; ++byte) {
      const std::uint8_t descriptor = static_cast<std::uint8_t>(registers[r] >> (8 * byte));
      // 0 is the null descriptor.
      if (descriptor != 0) present_.set(descriptor);
    }
  }
}

}  // namespace engine
