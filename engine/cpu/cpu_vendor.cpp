#include "cpu/cpu_vendor.h"

#include <cstring>

namespace engine {
namespace {

struct VendorTail {
  char tail[5];
  Vendor vendor;
};

const VendorTail kVendorTails[] = {
    {"ntel", Vendor::Intel},   {"cAMD", Vendor::Amd},       {"tead", Vendor::Cyrix},
    {"auls", Vendor::Centaur}, {"Mx86", Vendor::Transmeta}, {"Rise", Vendor::Rise},
    {"iven", Vendor::NexGen},  {"UMC ", Vendor::Umc},       {" NSC", Vendor::Nsc},
    {"SiS ", Vendor::Sis},
};

void appendRegister(std::string& text, std::uint32_t value) {
  for (int byte = 0; byte < 4; ++byte) text.push_back(static_cast<char>(value >> (8 * byte)));
}

bool tailIs(std::uint32_t ecx, const char* tail) {
  std::string text;
  appendRegister(text, ecx);
  return std::memcmp(text.data(), tail, 4) == 0;
}

}  // namespace

std::string vendorString(const CpuidRegisters& leaf0) {
  std::string text;
  appendRegister(text, leaf0.ebx);
  appendRegister(text, leaf0.edx);
  appendRegister(text, leaf0.ecx);
  return text.substr(0, text.find('\0'));
}

Vendor recognizeVendor(std::uint32_t leaf0Ecx) {
  for (const VendorTail& entry : kVendorTails) {
    if (tailIs(leaf0Ecx, entry.tail)) return entry.vendor;
  }
  return Vendor::Unknown;
}

bool leaf1EcxUndefined(std::uint32_t leaf0Ecx) { return tailIs(leaf0Ecx, "tead"); }

}  // namespace engine
