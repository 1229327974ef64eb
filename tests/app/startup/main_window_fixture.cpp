#include "main_window_fixture.h"

#include "c_ini.h"
#include "folders.h"

MainWindowFixture::MainWindowFixture() {
  namespace fs = std::filesystem;
  fs::create_directories(sandbox / "win/System32");
  state.WinDir = sandbox / "win";
  state.SysFolder = "System32";
  state.ProgramFolder = sandbox / "program";
  state.ProgramWriteFolder = state.ProgramFolder;
  fs::create_directories(state.ProgramFolder);
  window = std::make_unique<startup::frmMain>(state);
}

MainWindowFixture::~MainWindowFixture() { window.reset(); }

void MainWindowFixture::PlaceFakeEngine() {
  const std::string folder = platform::TempFolder().path;
  std::filesystem::copy_file(FAKE_ENGINE, folder + "/RAM.exe",
                             std::filesystem::copy_options::overwrite_existing);
}

bool MainWindowFixture::Load(const std::string& exeName) {
  return window->Load(state.ProgramFolder + "/" + exeName);
}

std::string MainWindowFixture::Stored(const std::string& section, const std::string& key) const {
  settings::cINI entry;
  entry.SetPath(state.TempFolder + "/Data.dat");
  entry.SetSection(section);
  entry.SetKey(key);
  return entry.Value();
}
