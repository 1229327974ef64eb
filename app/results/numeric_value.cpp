#include "numeric_value.h"

#include <charconv>
#include <string>

namespace results {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') {
      number += '-';
    }
    ++i;
  }
  bool digits = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    number += text[i];
    digits = true;
  }
  if (i < text.size() && text[i] == '.') {
    number += '.';
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
      number += text[i];
      digits = true;
    }
  }
  if (!digits) {
    return std::nullopt;
  }
  // An exponent counts only with at least one digit.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      exponent += text[j++];
    }
    const std::size_t firstDigit = j;
    for (; j < text.size() && IsDigit(text[j]); ++j) {
      exponent += text[j];
    }
    if (j > firstDigit) {
      number += exponent;
    }
  }
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc()) {
    return std::nullopt;
  }
  return value;
}

double NumericValue(std::string_view text) { return LeadingNumber(text).value_or(0.0); }

}  // namespace results
