#include "cpu/report_text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace engine {

void ReportText::line(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list copy;
  va_copy(copy, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, arguments);
    text_.append(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(arguments);
  text_ += '\n';
}

void ReportText::line(const std::string& text) {
  text_ += text;
  text_ += '\n';
}

std::string countPrefix(unsigned count) {
  return count > 1 ? std::to_string(count) + "x " : std::string();
}

}  // namespace engine
