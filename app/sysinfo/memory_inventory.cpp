#include "memory_inventory.h"

#include <QCoreApplication>
#include <cmath>

#include "figure_format.h"
#include "figure_store.h"

namespace sysinfo {
namespace {

constexpr double kUnitBytes = 1024000.0;
constexpr double kLargeUnitBytes = 1024000000.0;
constexpr double kLargestSmallSize = 1000;

// The capacity in whole units of 1,024,000 bytes, halves rounded up; 0 without a capacity.
double Units(const Win32_PhysicalMemory& module) {
  return module.Capacity ? std::round(static_cast<double>(*module.Capacity) / kUnitBytes) : 0;
}

}  // namespace

std::string SlotDescription(int slot, const Win32_PhysicalMemory& module, const QLocale& locale) {
  const std::string prefix = "Slot " + std::to_string(slot) + "   ";
  const std::string bank = "(" + module.BankLabel + ")";
  const double units = Units(module);
  if (units == 0) {
    return prefix + "Empty     " + bank;
  }
  const double bytes = static_cast<double>(*module.Capacity);
  const std::string size = units > kLargestSmallSize
                               ? results::WholeNumber(bytes / kLargeUnitBytes, locale) + " GB"
                               : results::WholeNumber(bytes / kUnitBytes, locale) + " MB";
  const std::string speed = module.Speed ? std::to_string(*module.Speed) : std::string();
  return prefix + size + "  Speed: " + speed + " Mhz   " + bank;
}

void getmem(state::ProgramState& state, settings::INIReadWrite& ini, const QLocale& locale) {
  const std::vector<Win32_PhysicalMemory> modules = QueryWin32_PhysicalMemory();
  int slotCount = 0;
  int moduleCount = 0;
  for (const Win32_PhysicalMemory& module : modules) {
    if (!module.DeviceLocator.empty() && module.DeviceLocator.front() == 'A') {
      // Every module counts, also one whose text an earlier gathering left in place.
      if (Units(module) > 0) {
        ++moduleCount;
      }
      if (slotCount < state::ProgramState::kSlotTexts && state.SlotText[slotCount].empty()) {
        state.SlotText[slotCount] = SlotDescription(slotCount + 1, module, locale);
      }
    }
    ++slotCount;
  }
  state.SlotCount = modules.empty() ? std::string() : std::to_string(slotCount);
  state.ModuleCount = modules.empty() ? std::string() : std::to_string(moduleCount);
  QCoreApplication::processEvents();

  const std::string dataFile = results::DataFilePath(state.TempFolder);
  ini.WriteIniValue(dataFile, "Memory", "Slots", state.SlotCount);
  ini.WriteIniValue(dataFile, "Memory", "Simms", state.ModuleCount);
  for (int j = 0; j < slotCount && j < state::ProgramState::kSlotTexts; ++j) {
    ini.WriteIniValue(dataFile, "Memory", "Slot" + std::to_string(j + 1), state.SlotText[j]);
  }
}

}  // namespace sysinfo
