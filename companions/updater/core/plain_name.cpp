#include "plain_name.h"

namespace updater {

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name.size() > 255 || name.front() == '.') {
    return false;
  }
  for (const char c : name) {
    const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                         (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-' || c == '+';
    if (!allowed) {
      return false;
    }
  }
  return true;
}

}  // namespace updater
