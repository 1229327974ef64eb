#include "core_profile.h"

#include <algorithm>
#include <iterator>

namespace vbench {
namespace {

using engine::Vendor;

struct ProfileRow {
  Vendor vendor;
  unsigned family;
  unsigned firstModel, lastModel;
  CoreProfile profile;
};

// Intel: two loads and one store per cycle of up to 256 bits, 512 on the server cores with
// AVX-512. AMD: Zen and Zen+ split 256-bit accesses in two; Zen 3 and Zen 4 load three integer
// words or two 256-bit vectors and store two words or one vector per cycle, and split 512-bit
// accesses; Zen 5 moves two 512-bit loads and one 512-bit store or two narrower ones.
const ProfileRow kRows[] = {
    {Vendor::Intel, 6, 0x3C, 0x3C, {"Intel Haswell", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x3F, 0x3F, {"Intel Haswell", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x45, 0x46, {"Intel Haswell", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x3D, 0x3D, {"Intel Broadwell", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x47, 0x47, {"Intel Broadwell", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x4F, 0x4F, {"Intel Broadwell", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x56, 0x56, {"Intel Broadwell", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x4E, 0x4E, {"Intel Skylake", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x5E, 0x5E, {"Intel Skylake", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x8E, 0x8E, {"Intel Skylake", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x9E, 0x9E, {"Intel Skylake", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0xA5, 0xA6, {"Intel Skylake", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Intel, 6, 0x55, 0x55, {"Intel Skylake-SP", {2, 2, 2, 2}, {1, 1, 1, 1}}},
    {Vendor::Amd, 0x17, 0x00, 0x2F, {"AMD Zen", {2, 2, 1, 0}, {1, 1, 0.5, 0}}},
    {Vendor::Amd, 0x17, 0x30, 0xFF, {"AMD Zen 2", {2, 2, 2, 0}, {1, 1, 1, 0}}},
    {Vendor::Amd, 0x19, 0x00, 0xFF, {"AMD Zen 3/Zen 4", {3, 2, 2, 1}, {2, 1, 1, 0.5}}},
    {Vendor::Amd, 0x1A, 0x00, 0xFF, {"AMD Zen 5", {4, 2, 2, 2}, {2, 2, 2, 1}}},
};

}  // namespace

const CoreProfile* findCoreProfile(const engine::ProcessorSignature& signature) {
  const auto row = std::find_if(std::begin(kRows), std::end(kRows), [&](const ProfileRow& r) {
    return r.vendor == signature.vendor && r.family == signature.family &&
           signature.model >= r.firstModel && signature.model <= r.lastModel;
  });
  return row == std::end(kRows) ? nullptr : &row->profile;
}

double peakBytesPerCycle(const CoreProfile& profile, InstructionClass instructionClass,
                         Operation operation) {
  const int index = static_cast<int>(instructionClass);
  const double width = classWidth(instructionClass);
  switch (operation) {
    case Operation::Read:
      return profile.loads[index] * width;
    case Operation::Write:
    case Operation::NtWrite:
      return profile.stores[index] * width;
    case Operation::Copy:
      return 2 * width * std::min(profile.loads[index], profile.stores[index]);
    case Operation::Latency:
      return 0;
  }
  return 0;
}

}  // namespace vbench
