#include "cpu_panel.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "numeric_value.h"
#include "output_lines.h"
#include "text_case.h"

namespace sysinfo {
namespace {

const char kNewLine[] = "\r\n";
const char* const kFeatureGroups[] = {"Scalar",     "Vector",     "General",
                                      "Addressing", "Monitoring", "Other"};

std::string Header(const state::ProgramState& state) {
  std::string header = "PROCESSOR/MEMORY INFORMATION";
  header += kNewLine;
  header += "Memory   Total: " + state.MemTotal + "   Free: " + state.MemFree + kNewLine;
  const double slotCount =
      std::min<double>(results::NumericValue(state.SlotCount), state::ProgramState::kSlotTexts);
  for (int j = 0; j < slotCount; ++j) {
    if (!state.SlotText[j].empty()) {
      header += "   Slot" + std::to_string(j + 1) + " : " + state.SlotText[j] + kNewLine;
    }
  }
  header += kNewLine;
  header += state.ProcName + kNewLine;
  header += "Physical Processors: " + state.ProcCount + "   Cores: " + state.CoreCount + kNewLine;
  header += "Speed: " + state.ProcSpeed + kNewLine;
  header += "Socket: " + state.ProcSocket + kNewLine;
  return header;
}

// Drops a count prefix ("4x ") of the engine's report: 1x to 9x, each tested on the line as the
// one before left it, then 10x.
void DropCountPrefix(std::string& line) {
  for (char digit = '1'; digit <= '9'; ++digit) {
    if (line.size() >= 2 && line[0] == digit && line[1] == 'x') {
      line.erase(0, 3);
    }
  }
  if (line.compare(0, 3, "10x") == 0) {
    line.erase(0, 4);
  }
}

// Whether the line names the cache; when it does, the line then begins with the name.
bool StartAtCacheName(std::string& line, std::string_view name) {
  const std::size_t at = platform::FindNoCase(line, name);
  if (at == std::string::npos) {
    return false;
  }
  line.erase(0, at);
  return true;
}

// The cache size of a cache line: from its ninth character up to and including "Kb" (" 32Kb");
// nothing when the line holds no "Kb".
std::optional<std::string> CacheSize(const std::string& line) {
  const std::size_t kb = platform::FindNoCase(line, "Kb");
  if (kb == std::string::npos) {
    return std::nullopt;
  }
  const std::size_t end = kb + 2;
  return end > 8 ? line.substr(8, end - 8) : std::string();
}

}  // namespace

void GetCPU(state::ProgramState& state, runner::DOSOutputs& objDOSB, CpuView& view) {
  view.SetMousePointer(MousePointer::Hourglass);
  view.ClearDosBox();
  view.SetCPUInfo({});
  view.ClearList1();

  std::string info = Header(state);
  view.SetCPUInfo(info);
  objDOSB.SetCommandLine(state.EnginePath + " -i");
  objDOSB.ExecuteCommand();

  const std::string report = view.DosBoxText();
  bool listing = false;
  for (const std::string_view piece : results::OutputLines(report)) {
    if (results::IsBlankLine(piece)) {
      continue;
    }
    std::string line(piece);
    if (platform::ContainsNoCase(line, "MMX")) {
      state.HasMMX = true;
    }
    if (platform::ContainsNoCase(line, "SSE")) {
      state.HasSSE = true;
    }
    DropCountPrefix(line);
    if (platform::ContainsNoCase(line, "unknown")) {
      continue;
    }
    if (StartAtCacheName(line, "D-cache") && state.CacheL1.empty()) {
      state.CacheL1 = CacheSize(line).value_or("");
    }
    if (StartAtCacheName(line, "I-cache")) {
      listing = true;
      if (const auto size = CacheSize(line)) {
        state.CacheL1 = *size;
      }
      info += std::string(kNewLine) + "Level 1" + kNewLine;
    }
    if (StartAtCacheName(line, "S-cache")) {
      if (const auto size = CacheSize(line)) {
        state.CacheL2 = *size;
      }
      info += std::string(kNewLine) + "Level 2" + kNewLine;
    }
    if (StartAtCacheName(line, "T-cache")) {
      if (const auto size = CacheSize(line)) {
        state.CacheL3 = *size;
      }
      info += std::string(kNewLine) + "Level 3" + kNewLine;
    }
    for (const char* group : kFeatureGroups) {
      if (platform::ContainsNoCase(line, group)) {
        info += kNewLine;
      }
    }
    if (listing) {
      info += line + kNewLine;
    }
  }
  view.SetCPUInfo(info);
  view.ShowTestPage7();
  view.EnableSelectP7();
  view.SetMousePointer(MousePointer::Default);
}

}  // namespace sysinfo
