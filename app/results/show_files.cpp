#include "show_files.h"

#include <filesystem>
#include <system_error>

#include "full_test_file.h"
#include "text_case.h"

namespace results {

std::vector<std::string> ShowFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (it->is_directory(ignored)) {
      continue;
    }
    const std::string name = it->path().filename().string();
    if (name.size() >= 3 && platform::EqualsNoCase(name.substr(name.size() - 3), "tdv")) {
      names.push_back(name);
    }
  }
  return names;
}

std::string CompareMenuCaption(std::size_t count) {
  return "Compare to Past Full Test (" + std::to_string(count) + ")";
}

std::string CompareListEntry(const std::string& name) {
  return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

std::string ComparePath(const std::string& programWriteFolder, const std::string& oldTestName) {
  return FullTestFolder(programWriteFolder) + "/" + oldTestName;
}

}  // namespace results
