#include "ini_read_write.h"

#include "value_text.h"

namespace settings {

std::string INIReadWrite::ReadIniValue(const std::string& path, const std::string& section,
                                       const std::string& key) {
  const bool systemSummary = section == "Processor" || section == "Memory";
  ini_.SetPath(!systemSummary && !state_.CompareFilePath.empty() ? state_.CompareFilePath : path);
  ini_.SetSection(section);
  ini_.SetKey(key);
  return ini_.Value();
}

void INIReadWrite::WriteIniValue(const std::string& path, const std::string& section,
                                 const std::string& key, std::string_view value) {
  ini_.SetPath(path);
  ini_.SetSection(section);
  ini_.SetKey(key);
  ini_.SetValue(value);
  if (!state_.FullTestFilePath.empty()) {
    ini_.SetPath(state_.FullTestFilePath);
    ini_.SetValue(value);
  }
}

void INIReadWrite::WriteIniValue(const std::string& path, const std::string& section,
                                 const std::string& key, double value) {
  WriteIniValue(path, section, key, PlainDecimalText(value));
}

}  // namespace settings
