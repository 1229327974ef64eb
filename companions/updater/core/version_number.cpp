#include "version_number.h"

#include <string>

namespace updater {
namespace {

bool Skipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double Val(const std::string& text) {
  std::size_t at = 0;
  const auto skip = [&] {
    while (at < text.size() && Skipped(text[at])) {
      ++at;
    }
  };
  skip();
  double sign = 1;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    sign = text[at] == '-' ? -1 : 1;
    ++at;
  }
  double value = 0;
  double scale = 0;  // 0 before the decimal point; the weight of the next digit after it
  for (skip(); at < text.size(); ++at, skip()) {
    const char c = text[at];
    if (c >= '0' && c <= '9') {
      if (scale == 0) {
        value = value * 10 + (c - '0');
      } else {
        value += (c - '0') * scale;
        scale /= 10;
      }
    } else if (c == '.' && scale == 0) {
      scale = 0.1;
    } else {
      break;
    }
  }
  return sign * value;
}

}  // namespace

double VersionNumber(std::string_view version) {
  std::string digits;
  for (std::size_t index : {0, 2, 3}) {
    if (index < version.size()) {
      digits += version[index];
    }
  }
  return Val(digits);
}

bool IsNewerVersion(std::string_view remote, std::string_view local) {
  return VersionNumber(remote) > VersionNumber(local);
}

}  // namespace updater
