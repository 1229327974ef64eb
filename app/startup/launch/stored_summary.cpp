#include "stored_summary.h"

#include "figure_store.h"
#include "numeric_value.h"

namespace startup {

void ReadStoredSummary(state::ProgramState& state, settings::INIReadWrite& ini) {
  const std::string data = results::DataFilePath(state.TempFolder);
  state.ProcName = ini.ReadIniValue(data, "Processor", "Name");
  state.ProcSpeed = ini.ReadIniValue(data, "Processor", "Speed");
  state.ProcSocket = ini.ReadIniValue(data, "Processor", "Sock");
  state.ProcCount = ini.ReadIniValue(data, "Processor", "Number");
  state.MemTotal = ini.ReadIniValue(data, "Memory", "Total");
  state.MemFree = ini.ReadIniValue(data, "Memory", "Free");
  state.SlotCount = ini.ReadIniValue(data, "Memory", "Slots");
  state.ModuleCount = ini.ReadIniValue(data, "Memory", "Simms");
  const double slots = results::NumericValue(state.SlotCount);
  for (int j = 0; j < state::ProgramState::kSlotTexts && j < slots; ++j) {
    state.SlotText[j] = ini.ReadIniValue(data, "Memory", "Slot" + std::to_string(j + 1));
  }
}

std::string SummaryLabel(const state::ProgramState& state) {
  std::string label = "Total Memory: " + state.MemTotal + " MB\r\n";
  if (!state.ModuleCount.empty() && !state.SlotCount.empty()) {
    label += "Dimms: " + state.ModuleCount + "/" + state.SlotCount + " Slots\r\n";
  }
  if (!state.CacheL1.empty()) {
    label += "L1:" + state.CacheL1 + " ";
  }
  if (!state.CacheL2.empty()) {
    label += "L2:" + state.CacheL2 + " ";
  }
  if (!state.CacheL3.empty()) {
    label += "L3:" + state.CacheL3;
  }
  return label;
}

}  // namespace startup
