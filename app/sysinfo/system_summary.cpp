#include "system_summary.h"

#include <QCoreApplication>

#include "figure_store.h"
#include "file_lookup.h"
#include "memory_inventory.h"
#include "output_lines.h"
#include "summary_values.h"
#include "whole_file.h"
#include "win32_processor.h"

namespace sysinfo {
namespace {

constexpr std::size_t kFewestSummaryLines = 10;

}  // namespace

std::string SummaryToolPath(const std::string& winDir) {
  for (const char* folder : {"Syswow64", "System32"}) {
    if (const auto found = platform::FindInFolder(winDir, folder, platform::EntryKind::Folder)) {
      if (const auto tool = platform::FindInFolder(*found, "Systeminfo.exe")) {
        return *tool;
      }
    }
  }
  return winDir + "/System32/Systeminfo.exe";
}

void SysINFO(state::ProgramState& state, runner::DOSOutputs& objDOSB, settings::INIReadWrite& ini,
             SummaryView& view, const QLocale& locale) {
  view.SetMousePointer(MousePointer::Hourglass);
  view.ClearDosBox();
  view.ClearList1();

  objDOSB.SetCommandLine(SummaryToolPath(state.WinDir));
  objDOSB.ExecuteCommand();
  const std::string text = view.DosBoxText();
  if (!text.empty()) {
    view.SetWinBoxText(text);
    view.EnableSelectP8();
  }
  platform::ReplaceWholeFile(state.TempFolder + "/SystemInfo.txt", text);

  std::vector<std::string> lines;
  for (const std::string_view piece : results::OutputLines(text)) {
    if (!results::IsBlankLine(piece)) {
      lines.emplace_back(piece);
      view.AddList1Item(lines.back());
    }
    QCoreApplication::processEvents();
  }
  if (lines.size() < kFewestSummaryLines) {
    return;
  }

  ReadSummaryValues(lines, state);
  const std::vector<Win32_Processor> processors = QueryWin32_Processor();
  if (!processors.empty()) {
    const Win32_Processor& first = processors.front();
    state.ProcName = first.Name;
    // An unknown clock shows as nothing rather than as a bare unit.
    state.ProcSpeed = first.MaxClockSpeed ? std::to_string(*first.MaxClockSpeed) + " MHz" : "";
    state.ProcSocket = first.SocketDesignation;
  }

  if (!state.MemTotal.empty()) {
    const std::string dataFile = results::DataFilePath(state.TempFolder);
    ini.WriteIniValue(dataFile, "Processor", "Name", state.ProcName);
    ini.WriteIniValue(dataFile, "Processor", "Speed", state.ProcSpeed);
    ini.WriteIniValue(dataFile, "Processor", "Sock", state.ProcSocket);
    ini.WriteIniValue(dataFile, "Processor", "Number", state.ProcCount);
    ini.WriteIniValue(dataFile, "Processor", "Cores", state.CoreCount);
    ini.WriteIniValue(dataFile, "Memory", "Total", state.MemTotal);
    ini.WriteIniValue(dataFile, "Memory", "Free", state.MemFree);
  }
  getmem(state, ini, locale);
}

}  // namespace sysinfo
