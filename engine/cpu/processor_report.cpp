#include "cpu/processor_report.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "cpu/extended_cache_lines.h"
#include "cpu/feature_groups.h"
#include "cpu/intel_cache_lines.h"
#include "cpu/legacy_processor.h"
#include "cpu/processor_name.h"
#include "cpu/processor_signature.h"
#include "cpu/report_text.h"

namespace engine {
namespace {

constexpr std::uint32_t kLastBrandLeaf = 0x80000004u;

// The 48 characters of leaves 0x80000002..0x80000004, up to the first NUL.
std::string brandString(const CpuidReader& cpuid, bool dropBlankGroups) {
  char text[49] = {};
  for (std::uint32_t i = 0; i < 3; ++i) {
    const CpuidRegisters leaf = cpuid.read(0x80000002u + i);
    const std::uint32_t registers[] = {leaf.eax, leaf.ebx, leaf.ecx, leaf.edx};
    for (int r = 0; r < 4; ++r) {
      for (int byte = 0; byte < 4; ++byte) {
        text[16 * i + 4 * r + byte] = static_cast<char>(registers[r] >> (8 * byte));
      }
    }
  }
  // Intel pads its brand string on the left, four blanks at a time.
  const char* start = text;
  while (dropBlankGroups && start < text + 48 && std::memcmp(start, "    ", 4) == 0) start += 4;
  return start;
}

bool hasHyperThreadingLine(const ProcessorSignature& signature, const CpuidRegisters& leaf1) {
  return signature.vendor == Vendor::Intel && (signature.family & 0xF) == 6 &&
         ((signature.model >> 4) & 0xF) == 1 && ((leaf1.edx >> 28) & 1) != 0;
}

}  // namespace

std::string processorReport(const CpuidSource& source) {
  ReportText report;
  report.line(std::string());
  const CpuidReader cpuid(source);
  const ProcessorSignature signature = readSignature(cpuid);
  if (!signature.cpuid) {
    const std::string name = nameWithoutCpuid();
    if (!name.empty()) report.line(name);
    return report.text();
  }

  report.line("%s family %X model %X stepping %X", signature.vendorString.c_str(), signature.family,
              signature.model, signature.stepping);
  const NameInputs inputs = readNameInputs(signature, cpuid);
  const ProcessorName name = identifyProcessor(signature, inputs);
  if (!name.line.empty()) report.line(name.line);

  const bool intel = signature.vendor == Vendor::Intel;
  const bool amd = signature.vendor == Vendor::Amd;
  if ((intel || amd) && cpuid.maxExtendedLeaf() >= kLastBrandLeaf) {
    report.line("BIOS name string: \"%s\"", brandString(cpuid, intel).c_str());
  }

  if (intel) {
    appendIntelCacheLines(inputs.descriptors, signature, name.counts, report);
  } else if (amd || signature.vendor == Vendor::Centaur || name.viaC3) {
    appendExtendedCacheLines(cpuid, name.counts, report);
  }

  const FeatureRegisters registers = readFeatureRegisters(cpuid);
  for (std::size_t i = 0; i < kFeatureGroupCount; ++i) {
    const FeatureGroup& group = featureGroups()[i];
    report.line(groupLine(group, detectGroup(group, registers)));
  }

  const CpuidRegisters leaf1 = cpuid.read(1);
  if (hasHyperThreadingLine(signature, leaf1)) {
    report.line("HTT: %X logical core(s) supported", (leaf1.ebx >> 16) & 0xFF);
  }
  return report.text();
}

void printProcessorReport(const CpuidSource& cpuid, std::FILE* out) {
  std::fputs(processorReport(cpuid).c_str(), out);
}

}  // namespace engine
