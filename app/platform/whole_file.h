#pragma once

#include <string>
#include <string_view>

namespace platform {

struct FileRead {
  enum class Status {
    Ok,
    Missing,  // no entry of that name
    Failed,   // it exists but cannot be read (a folder, no permission, an I/O error)
  };
  Status status = Status::Missing;
  std::string content;
};

FileRead ReadWholeFile(const std::string& path);

// Replaces the file's content in one step: the content goes to a new file in the same folder, which
// then takes the name by one rename. A reader sees the old or the new content, never a part, and a
// failure at any point leaves the old file as it was. A replaced file keeps its permissions; a new
// one gets 0666 less the umask. Returns false on failure (nothing changed).
bool ReplaceWholeFile(const std::string& path, std::string_view content);

// Creates the file with the content and the permission bits `mode` in one step, never replacing
// an entry of that name: the content goes to a new file in the same folder, which is then linked
// under the name. A reader never sees a part of it; when the name is taken, or at any failure,
// nothing changes. Returns false in those cases.
bool CreateWholeFile(const std::string& path, std::string_view content, unsigned mode = 0666);

}  // namespace platform
