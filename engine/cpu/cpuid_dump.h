// CPUID as recorded in a register dump, so the identification can run for processors that are
// not at hand. A dump is text: "CPUID LLLLLLLL: EAX-EBX-ECX-EDX" lines in hexadecimal, optionally
// followed by bracketed notes of which "[SL nn]" names the subleaf; '#' starts a comment line.
// A leaf recorded again without "[SL nn]" is the next subleaf of that leaf.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "cpu/cpuid_source.h"

namespace engine {

class CpuidDumpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CpuidDump final : public CpuidSource {
 public:
  // Throws CpuidDumpError naming the first malformed line, or when no leaf is recorded.
  static CpuidDump parse(std::istream& text);
  // Throws CpuidDumpError also when the file cannot be read.
  static CpuidDump load(const std::string& path);

  bool present() const override { return true; }
  // A leaf or subleaf the dump does not record reads as zeros.
  CpuidRegisters query(std::uint32_t leaf, std::uint32_t subleaf) const override;

 private:
  std::map<std::pair<std::uint32_t, std::uint32_t>, CpuidRegisters> records_;
};

}  // namespace engine
