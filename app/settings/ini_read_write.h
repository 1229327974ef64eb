#pragma once

#include <string>
#include <string_view>

#include "c_ini.h"

namespace settings {

// The only way the program reads or writes its INI files (Data.dat, the Full Test files). It routes
// benchmark figures: while a past Full Test is chosen for comparison they are read from it, and
// while a Full Test is being recorded every write also lands in it. Like the Windows original it
// reports no errors; a failed write leaves its file unchanged.
class INIReadWrite {
 public:
  // The chosen past Full Test; empty compares with the last results.
  const std::string& CompareFilePath() const { return compareFilePath_; }
  void SetCompareFilePath(std::string path) { compareFilePath_ = std::move(path); }

  // The Full Test being recorded; empty when none is.
  const std::string& FullTestFilePath() const { return fullTestFilePath_; }
  void SetFullTestFilePath(std::string path) { fullTestFilePath_ = std::move(path); }

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
  std::string compareFilePath_;
  std::string fullTestFilePath_;
  cINI ini_;
};

}  // namespace settings
