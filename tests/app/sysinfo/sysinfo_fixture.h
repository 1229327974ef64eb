#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLocale>
#include <QObject>
#include <optional>
#include <string>
#include <vector>

#include "cpu_view.h"
#include "dos_outputs.h"
#include "figure_store.h"
#include "ini_read_write.h"
#include "program_state.h"
#include "recorded_messages.h"
#include "sandbox.h"
#include "summary_view.h"

// The main window's controls as SysINFO, getmem and GetCPU see them: DosBox collects objDOSB's
// output pieces as the window's ReceiveOutputs handler does, the rest records what was shown.
class FakeWindow : public sysinfo::SummaryView, public sysinfo::CpuView {
 public:
  explicit FakeWindow(runner::DOSOutputs& objDOSB) {
    QObject::connect(&objDOSB, &runner::DOSOutputs::ReceiveOutputs, &context_,
                     [this](const std::string& piece) { dosBox += piece; });
  }

  void SetMousePointer(sysinfo::MousePointer pointer) override { pointers.push_back(pointer); }
  void ClearDosBox() override { dosBox.clear(); }
  std::string DosBoxText() const override { return dosBox; }
  void ClearList1() override { list1.clear(); }
  void AddList1Item(const std::string& item) override { list1.push_back(item); }
  void SetWinBoxText(const std::string& text) override { winBox = text; }
  void EnableSelectP8() override { selectP8 = true; }
  void SetCPUInfo(const std::string& text) override { cpuInfo = text; }
  void ShowTestPage7() override { testPage7Shown = true; }
  void EnableSelectP7() override { selectP7 = true; }

  std::string dosBox;
  std::vector<std::string> list1;
  std::optional<std::string> winBox;
  bool selectP8 = false;
  std::string cpuInfo;
  bool testPage7Shown = false;
  bool selectP7 = false;
  std::vector<sysinfo::MousePointer> pointers;

 private:
  QObject context_;
};

// A sandboxed temporary folder and WinDir, an SMBIOS table file the test may write (absent until
// then), the settings store, a window, and the message boxes the runner shows.
class SysinfoFixture : public testing::Test {
 protected:
  SysinfoFixture() {
    ::mkdir(TempFolder().c_str(), 0700);
    ::mkdir(WinDir().c_str(), 0700);
    state.TempFolder = TempFolder();
    state.WinDir = WinDir();
  }
  std::string TempFolder() const { return sandbox / "temp"; }
  std::string WinDir() const { return sandbox / "windir"; }
  std::string DataFile() const { return results::DataFilePath(TempFolder()); }
  std::string DmiFile() const { return sandbox / "DMI"; }
  static std::string DataPath(const std::string& name) {
    return std::string(SYSINFO_TEST_DATA) + "/" + name;
  }

  // A console program at `path` that prints the file `output` (nothing when empty).
  static void WriteProgram(const std::string& path, const std::string& output) {
    WriteFile(path, "#!/bin/sh\n" + (output.empty() ? "" : "exec cat '" + output + "'\n"));
    ::chmod(path.c_str(), 0755);
  }
  // The same printing `text`, kept beside it.
  void WriteProgramPrinting(const std::string& path, const std::string& text) {
    const std::string output = sandbox / ("output-" + std::to_string(++outputs_));
    WriteFile(output, text);
    WriteProgram(path, output);
  }

  std::string Stored(const std::string& section, const std::string& key) {
    return ini.ReadIniValue(DataFile(), section, key);
  }

  Sandbox sandbox;
  ScopedEnvironment dmiTables{"VANTORA_DMI_TABLES", sandbox / "DMI"};
  state::ProgramState state;
  settings::INIReadWrite ini{state};
  runner::DOSOutputs objDOSB;
  FakeWindow window{objDOSB};
  RecordedMessages messages;
  const QLocale english{QLocale::English, QLocale::UnitedStates};

 private:
  int outputs_ = 0;
};
