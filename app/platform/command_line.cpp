#include "command_line.h"

#include "file_lookup.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string> SplitArguments(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) {
      ++i;
    }
    if (i == text.size()) {
      return words;
    }
    std::string word;
    bool quoted = false;
    while (i < text.size() && (quoted || !IsBlank(text[i]))) {
      const char c = text[i];
      if (c == '\\') {
        std::size_t backslashes = 0;
        while (i < text.size() && text[i] == '\\') {
          ++backslashes;
          ++i;
        }
        if (i < text.size() && text[i] == '"') {
          word.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) {
            word += '"';
            ++i;
          }
        } else {
          word.append(backslashes, '\\');
        }
      } else if (c == '"') {
        if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
          word += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        word += c;
        ++i;
      }
    }
    words.push_back(std::move(word));
  }
}

std::string AsFound(const std::string& written) {
  return FindPath(written, EntryKind::File).value_or(written);
}

}  // namespace

std::optional<CommandLine> SplitCommandLine(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) {
    ++start;
  }
  if (start == line.size()) {
    return std::nullopt;
  }
  const std::string_view text = line.substr(start);

  if (text.front() == '"') {
    const std::size_t close = text.find('"', 1);
    const std::string written(
        text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    const std::string_view rest =
        close == std::string_view::npos ? std::string_view() : text.substr(close + 1);
    return CommandLine{AsFound(written), SplitArguments(rest)};
  }

  // Shortest prefix first, as Windows resolves an unquoted path with blanks.
  for (std::size_t end = 0; end <= text.size(); ++end) {
    if (end < text.size() && !IsBlank(text[end])) {
      continue;
    }
    if (IsBlank(text[end - 1])) {
      continue;
    }
    if (auto found = FindPath(std::string(text.substr(0, end)), EntryKind::File)) {
      return CommandLine{*found, SplitArguments(text.substr(end))};
    }
  }
  std::size_t firstBlank = 0;
  while (firstBlank < text.size() && !IsBlank(text[firstBlank])) {
    ++firstBlank;
  }
  return CommandLine{std::string(text.substr(0, firstBlank)),
                     SplitArguments(text.substr(firstBlank))};
}

}  // namespace platform
