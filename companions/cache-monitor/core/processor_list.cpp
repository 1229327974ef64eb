#include "processor_list.h"

#include <charconv>

namespace cachemonitor {
namespace {

constexpr int kMostProcessors = 65536;

std::optional<int> ParseNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 ||
      value >= kMostProcessors) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::vector<int>> ParseProcessorList(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  std::vector<int> processors;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view range = text.substr(0, comma);
    const std::size_t dash = range.find('-');
    const auto first = ParseNumber(range.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : ParseNumber(range.substr(dash + 1));
    if (!first || !last || *last < *first) return std::nullopt;
    if (!processors.empty() && *first <= processors.back()) return std::nullopt;
    for (int processor = *first; processor <= *last; ++processor) processors.push_back(processor);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return processors;
}

}  // namespace cachemonitor
