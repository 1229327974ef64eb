#pragma once

#include <string>

namespace platform {

// A folder the program needs, or why there is none.
struct FolderResult {
  std::string path;   // empty on failure
  std::string error;  // empty on success

  bool ok() const { return !path.empty(); }
};

// The user's own data folder, ${XDG_DATA_HOME:-~/.local/share}/vantora, created private when
// missing.
FolderResult UserDataFolder();

// WinDir: the environment's WinDir, else the user's data folder.
FolderResult WinDir();

// SysFolder: "Syswow64" when `winDir` holds a folder of that name (in any case), else "System32".
std::string SysFolder(const std::string& winDir);

// TempFolder, where the engine is written and run, so it must be a private folder that the rule
// for running programs trusts (IsTrustedFolder). The environment's TEMP when it names such a folder
// (created 0700 when missing); when others can write it (as /tmp), its private subfolder
// "vantora-<uid>". When neither is trusted (a folder above TEMP that others can write), or without
// TEMP: $XDG_RUNTIME_DIR/vantora, else ${TMPDIR}/vantora-<uid>, else /tmp/vantora-<uid>.
FolderResult TempFolder();

// The folder of the running executable.
std::string ProgramFolder();

// The folder for what the program writes beside itself (the "Full Test" folder, companion tools,
// "Results.txt"): `programFolder` when the user can write there and nobody else can, since the
// companions are run from there; otherwise `dataFolder`.
std::string ProgramWriteFolder(const std::string& programFolder, const std::string& dataFolder);

}  // namespace platform
