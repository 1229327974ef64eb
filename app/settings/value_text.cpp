#include "value_text.h"

#include <charconv>

namespace settings {

std::string PlainDecimalText(double value) {
  if (value == 0) {
    return "0";  // also for -0
  }
  // Room for the largest double written without an exponent.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

}  // namespace settings
