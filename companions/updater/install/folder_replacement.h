#pragma once

#include <string>
#include <vector>

#include "package.h"

namespace updater {

struct Replacement {
  enum class Status {
    Replaced,      // every file is in place
    NoPermission,  // the folder may not be changed by this user; nothing was changed
    Failed,        // something else failed; every file is as it was before
  };
  Status status = Status::Failed;
  std::string detail;  // what failed, for a message
};

// Whether this user may create, rename and remove entries in `folder`.
bool CanWriteFolder(const std::string& folder);

// Replaces the files of `folder` by `files` (an entry of the same name in any letter case is the
// one replaced; names not there yet are added). Every new file is first written whole beside the
// old ones under a hidden name, flushed, and read back and compared; only then do the new files
// take their names, one rename each, while a hard link keeps every old file. A failure at any
// step puts every old file back and removes every new one. Hidden leftovers of an earlier run
// that was cut off are replaced.
Replacement ReplaceFiles(const std::string& folder, const std::vector<PackageFile>& files);

}  // namespace updater
