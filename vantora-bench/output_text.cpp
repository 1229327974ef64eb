#include "output_text.h"

#include "sizes.h"

namespace vbench {

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string percent(double fraction) { return fixed(100 * fraction, 2) + "%"; }

std::string cachesText(const engine::CacheSizes& caches) {
  std::string text;
  const struct {
    const char* name;
    std::uint64_t bytes;
  } levels[] = {{"L1d", caches.level1Data}, {"L2", caches.level2}, {"L3", caches.level3}};
  for (const auto& level : levels) {
    if (level.bytes == 0) continue;
    text += (text.empty() ? "" : ", ") + std::string(level.name) + " " + sizeText(level.bytes);
  }
  return text.empty() ? "not described by the processor" : text;
}

std::string peakText(const RunInfo& run) {
  if (run.profile == nullptr) return "not known for this core; figures are shown without one";
  std::string text = run.profile->name + std::string(", bytes per core and cycle (read/write):");
  const char* separator = " ";
  for (const KernelEntry& entry : kernelTable()) {
    const InstructionClass instructionClass = entry.instructionClass;
    if (entry.operation != Operation::Read || !classAvailable(instructionClass, run.classes)) {
      continue;
    }
    text += separator + std::string(className(instructionClass)) + " " +
            fixed(peakBytesPerCycle(*run.profile, instructionClass, Operation::Read), 0) + "/" +
            fixed(peakBytesPerCycle(*run.profile, instructionClass, Operation::Write), 0);
    separator = ", ";
  }
  return text;
}

std::string threadsText(const std::vector<int>& cpus) {
  std::string text =
      std::to_string(cpus.size()) + (cpus.size() == 1 ? " (processor" : " (processors");
  const char* separator = " ";
  for (const int cpu : cpus) {
    text += separator + std::to_string(cpu);
    separator = ", ";
  }
  return text + ")";
}

std::unique_ptr<Output> makeOutput(Format format, std::FILE* out) {
  switch (format) {
    case Format::Table:
      return makeTableOutput(out);
    case Format::Csv:
      return makeCsvOutput(out);
    case Format::Json:
      return makeJsonOutput(out);
  }
  return nullptr;
}

}  // namespace vbench
