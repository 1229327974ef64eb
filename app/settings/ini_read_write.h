#pragma once

#include <string>
#include <string_view>

#include "c_ini.h"
#include "program_state.h"

namespace settings {

// The only way the program reads or writes its INI files (Data.dat, the Full Test files). It routes
// benchmark figures by the program's CompareFilePath and FullTestFilePath: while a past Full Test
// is chosen for comparison they are read from it, and while a Full Test is being recorded every
// write also lands in it. It reports no errors, since no caller could act on one; a failed write
// leaves its file unchanged.
class INIReadWrite {
 public:
  explicit INIReadWrite(const state::ProgramState& state) : state_(state) {}

  // The value, empty when absent. Every section but "Processor" and "Memory" (exact spelling) comes
  // from CompareFilePath when one is chosen.
  std::string ReadIniValue(const std::string& path, const std::string& section,
                           const std::string& key);

  // Writes to `path`, then the same entry to FullTestFilePath when one is being recorded; the two
  // writes are independent.
  void WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                     std::string_view value);
  // A number is written as its plain decimal text (19046418164).
  void WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                     double value);

 private:
  const state::ProgramState& state_;
  cINI ini_;
};

}  // namespace settings
