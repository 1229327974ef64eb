#include "required_files.h"

#include <algorithm>

#include "whole_file.h"

namespace startup {

std::vector<std::string> QtLibrariesIn(std::string_view maps) {
  std::vector<std::string> libraries;
  while (!maps.empty()) {
    const std::size_t end = maps.find('\n');
    const std::string_view line = maps.substr(0, end);
    maps.remove_prefix(end == std::string_view::npos ? maps.size() : end + 1);
    // The path is the sixth field; it may hold blanks itself.
    const std::size_t slash = line.find('/');
    if (slash == std::string_view::npos) {
      continue;
    }
    const std::string path(line.substr(slash));
    const std::string name = path.substr(path.find_last_of('/') + 1);
    if (name.rfind("libQt6", 0) == 0 &&
        std::find(libraries.begin(), libraries.end(), path) == libraries.end()) {
      libraries.push_back(path);
    }
  }
  return libraries;
}

std::vector<std::string> RequiredFiles() {
  const platform::FileRead maps = platform::ReadWholeFile("/proc/self/maps");
  return QtLibrariesIn(maps.content);
}

}  // namespace startup
