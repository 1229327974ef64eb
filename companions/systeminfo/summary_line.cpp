#include "summary_line.h"

namespace systeminfo {

std::string SummaryLine(std::string_view label, std::string_view value) {
  std::string line(label);
  line.append(line.size() < kValueColumn ? kValueColumn - line.size() : 1, ' ');
  line.append(value);
  return line;
}

std::string ContinuationLine(std::string_view value) {
  return std::string(kValueColumn, ' ').append(value);
}

}  // namespace systeminfo
