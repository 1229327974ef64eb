#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dos_outputs.h"
#include "fake_series_view.h"
#include "folders.h"
#include "ini_read_write.h"
#include "program_state.h"
#include "sandbox.h"
#include "test_series.h"

// A test series against the fake engine, written where the program writes its engine, with a
// program folder of its own and every run's arguments logged.
class SeriesFixture : public testing::Test {
 protected:
  SeriesFixture() {
    namespace fs = std::filesystem;
    state.TempFolder = platform::TempFolder().path;
    fs::copy_file(FAKE_ENGINE, state.TempFolder + "/RAM.exe");
    state.EnginePath = state.TempFolder + "/ram.exe";
    state.ProgramWriteFolder = sandbox / "program";
    fs::create_directories(state.ProgramWriteFolder + "/Full Test");
    state.ComputerName = "BENCH";
    state.HasMMX = true;
    state.HasSSE = true;
  }

  // The arguments of every engine run so far, one run an entry.
  std::vector<std::string> Runs() const {
    std::vector<std::string> runs;
    std::string text = std::filesystem::exists(runLog) ? ReadFile(runLog) : std::string();
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t end = text.find('\n', at);
      runs.push_back(text.substr(at, end - at));
      at = end + 1;
    }
    return runs;
  }

  std::string Stored(const std::string& section, const std::string& key) {
    return ini.ReadIniValue(state.TempFolder + "/Data.dat", section, key);
  }

  Sandbox sandbox;
  const std::string runLog = sandbox / "runs.log";
  ScopedEnvironment temp{"TEMP", sandbox / "temp"};
  ScopedEnvironment log{"FAKE_ENGINE_LOG", runLog};
  state::ProgramState state;
  runner::DOSOutputs objDOSB;
  settings::INIReadWrite ini{state};
  FakeSeriesView view{objDOSB};
  std::vector<std::string> submitted;
  session::TestSeries series{state, objDOSB, ini, view,
                             [this](const std::string& path) { submitted.push_back(path); }};
};
