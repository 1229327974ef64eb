#include "proc_lines.h"

#include <charconv>

namespace memorymonitor {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

void ForEachKeyLine(std::string_view text, char separator,
                    const std::function<void(std::string_view key, std::string_view rest)>& line) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view current = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::size_t split = current.find(separator);
    if (split == std::string_view::npos) continue;
    line(Trimmed(current.substr(0, split)), Trimmed(current.substr(split + 1)));
  }
}

std::optional<std::uint64_t> ParseCount(std::string_view text) {
  std::uint64_t value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace memorymonitor
