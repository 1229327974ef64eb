#pragma once

#include <string>

#include "companion_file.h"
#include "dwn_loader1.h"
#include "next_step.h"
#include "program_state.h"

namespace update {

// The file the fetched version file is saved as, in the temporary folder, for both editions.
constexpr char kVersionFileName[] = "MVersion.Dat";

// The prompt that offers the edition's update.
std::string UpdatePrompt(int edition);

// The main window's part in the version check: its download component, which must live on after
// GetVer returns (a late transfer still brings the version file for the next start), and the two
// address fields.
class VersionCheck {
 public:
  // At start-up: fetches the edition's version file from the download site into the temporary
  // folder, waits one second (events flowing), and compares the version in the file there, from
  // this or an earlier run, with the program's. For a newer one it asks the user; on Yes it writes
  // `ambrel` (the updater) into the program's write folder when missing, keeps a copy of the
  // program as, say, "vantora0.10", and starts the updater with the edition's switch in the
  // program folder; the process must then end. Without a download site it returns at once.
  NextStep GetVer(const state::ProgramState& state, const startup::CompanionFile& ambrel);

  std::string url1;  // the version file's address
  std::string url2;  // the file it is saved in
  dwnLoader1 dwnLoader;
};

}  // namespace update
