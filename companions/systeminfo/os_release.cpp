#include "os_release.h"

namespace systeminfo {
namespace {

std::string Unquoted(std::string_view value) {
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r')) {
    value.remove_suffix(1);
  }
  if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') {
    return std::string(value.substr(1, value.size() - 2));
  }
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
    return std::string(value);
  }
  value = value.substr(1, value.size() - 2);
  std::string plain;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      ++i;
    }
    plain += value[i];
  }
  return plain;
}

}  // namespace

std::string OsReleaseValue(std::string_view text, std::string_view key) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == '=') {
      return Unquoted(line.substr(key.size() + 1));
    }
  }
  return {};
}

}  // namespace systeminfo
