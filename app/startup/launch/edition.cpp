#include "edition.h"

#include <unistd.h>

#include <algorithm>

#include "carried_files.h"
#include "companion_writer.h"
#include "file_lookup.h"
#include "text_case.h"
#include "whole_file.h"

namespace startup {
namespace {

constexpr std::size_t kCommandLineLimit = 65533;

std::string Trimmed(std::string text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string FileName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string GetEXEName(const std::string& commandLine) {
  std::string text = commandLine.substr(0, kCommandLineLimit);
  text = Trimmed(text.substr(0, text.find('\0')));
  if (!text.empty() && text.front() == '"') {
    text = text.substr(1, text.size() - 2);
    return text.substr(0, text.find('"'));
  }
  return text.substr(0, text.find(' '));
}

std::string ProcessCommandLine() {
  const platform::FileRead file = platform::ReadWholeFile("/proc/self/cmdline");
  if (file.status != platform::FileRead::Status::Ok) {
    return {};
  }
  const std::size_t end = std::min(file.content.find('\0'), file.content.size());
  const std::string program = file.content.substr(0, end);
  const std::string quoted =
      program.find(' ') == std::string::npos ? program : "\"" + program + "\"";
  return quoted + file.content.substr(end);
}

int EditionOf(const std::string& exePath) {
  if (platform::ContainsNoCase(exePath, "Vantora.exe")) {
    return 0;
  }
  if (platform::ContainsNoCase(exePath, "Pellisto.exe") ||
      platform::EqualsNoCase(FileName(exePath), "pellisto")) {
    return 1;
  }
  return 0;
}

void SelectEdition(state::ProgramState& state, const std::string& exePath) {
  state.Edition = EditionOf(exePath);
  if (state.Edition == 0) {
    state.EnginePath = state.TempFolder + "/ram.exe";
    WriteCompanionFile(kRamExeFile, state.TempFolder);
    return;
  }
  if (platform::FindInFolder(state.ProgramFolder, "pellisto-win32.exe",
                             platform::EntryKind::File)) {
    state.EnginePath = state.ProgramFolder + "/pellisto-win32.exe";
    return;
  }
  state.EnginePath = state.TempFolder + "/pellisto-win32.exe";
  WriteCompanionFile(kPellistoEngineFile, state.TempFolder);
}

void DeleteEngineFile(const state::ProgramState& state) {
  if (const auto engine = platform::FindInFolder(state.TempFolder, "ram.exe")) {
    ::unlink(engine->c_str());
  }
}

}  // namespace startup
