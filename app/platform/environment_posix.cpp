#include <cstdlib>

#include "environment.h"
#include "text_case.h"

extern char** environ;

namespace platform {

std::string EnvironmentValue(std::string_view name) {
  const std::string exact(name);
  if (const char* value = std::getenv(exact.c_str())) {
    return value;
  }
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string_view variable(*entry);
    const auto equals = variable.find('=');
    if (equals != std::string_view::npos && EqualsNoCase(variable.substr(0, equals), name)) {
      return std::string(variable.substr(equals + 1));
    }
  }
  return {};
}

}  // namespace platform
