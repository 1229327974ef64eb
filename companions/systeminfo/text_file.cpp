#include "text_file.h"

#include <fstream>
#include <sstream>

namespace systeminfo {

std::optional<std::string> ReadTextFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return std::nullopt;
  }
  std::ostringstream content;
  content << file.rdbuf();
  // A folder opens but cannot be read.
  if (file.bad() || (file.fail() && !file.eof())) {
    return std::nullopt;
  }
  return content.str();
}

std::string Trimmed(const std::string& text) {
  const char* const kSpace = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

}  // namespace systeminfo
