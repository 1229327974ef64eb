#include "numeric_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace results {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether a number in C notation that a double cannot hold is too large rather than too small: the
// position of its first significant digit relative to the point, plus its exponent, is positive.
bool Overflows(const std::string& number) {
  const std::size_t exponentAt = number.find('e');
  const std::string mantissa = number.substr(0, exponentAt);
  long long exponent = 0;
  if (exponentAt != std::string::npos) {
    const char* first = number.data() + exponentAt + 1;
    if (*first == '+') {
      ++first;
    }
    const auto parsed = std::from_chars(first, number.data() + number.size(), exponent);
    if (parsed.ec == std::errc::result_out_of_range) {
      return *first != '-';
    }
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t significant = mantissa.find_first_of("123456789");
  if (significant == std::string::npos) {
    return false;
  }
  const long long position = significant < point ? static_cast<long long>(point - significant)
                                                 : -static_cast<long long>(significant - point - 1);
  return position + exponent > 0;
}

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
  if (result.ec == std::errc::result_out_of_range) {
    // Too small in magnitude reads as 0, too large as an infinity.
    return Overflows(number) ? (number.front() == '-' ? -HUGE_VAL : HUGE_VAL) : 0.0;
  }
  if (result.ec != std::errc()) {
    return std::nullopt;
  }
  return value;
}

double NumericValue(std::string_view text) { return LeadingNumber(text).value_or(0.0); }

}  // namespace results
