// The recorded /proc tree of the tests, copied into a sandbox with the two processes that cannot
// be read: one whose status is gone, one whose status is not a file.
#pragma once

#include <filesystem>
#include <string>

#include "sandbox.h"

namespace memorymonitor {

inline const std::string kData = MEMORY_MONITOR_TEST_DATA;

class ProcFixture {
 public:
  ProcFixture() {
    std::filesystem::copy(kData + "/proc", sandbox_.path(),
                          std::filesystem::copy_options::recursive);
    std::filesystem::create_directory(sandbox_ / "3000");
    std::filesystem::create_directories(sandbox_ / "3001/status");
  }

  const std::string& root() const { return sandbox_.path(); }
  std::string operator/(const std::string& name) const { return sandbox_ / name; }

 private:
  Sandbox sandbox_;
};

}  // namespace memorymonitor
