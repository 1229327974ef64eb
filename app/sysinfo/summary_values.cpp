#include "summary_values.h"

#include <string_view>

namespace sysinfo {
namespace {

constexpr std::size_t kLabelLength = sizeof kTotalMemoryLabel - 1;

bool ContinuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The text without its last `count` characters; empty when it has no more than that.
std::string WithoutLastCharacters(std::string_view text, int count) {
  std::size_t end = text.size();
  for (int i = 0; i < count && end > 0; ++i) {
    do {
      --end;
    } while (end > 0 && ContinuesCharacter(text[end]));
  }
  return std::string(text.substr(0, end));
}

std::string FirstCharacter(std::string_view text) {
  std::size_t end = text.empty() ? 0 : 1;
  while (end < text.size() && ContinuesCharacter(text[end])) {
    ++end;
  }
  return std::string(text.substr(0, end));
}

}  // namespace

void ReadSummaryValues(const std::vector<std::string>& lines, state::ProgramState& state) {
  static_assert(sizeof kFreeMemoryLabel - 1 == kLabelLength &&
                sizeof kProcessorsLabel - 1 == kLabelLength);
  for (const std::string& line : lines) {
    const std::string_view label = std::string_view(line).substr(0, kLabelLength);
    const std::string_view value = std::string_view(line).substr(label.size());
    if (label == kTotalMemoryLabel) {
      state.MemTotal = WithoutLastCharacters(value, 3);
    } else if (label == kFreeMemoryLabel) {
      state.MemFree = WithoutLastCharacters(value, 3);
    } else if (label == kProcessorsLabel) {
      state.ProcCount = std::string(value);
    }
  }
  state.ProcCount = FirstCharacter(state.ProcCount);
}

}  // namespace sysinfo
