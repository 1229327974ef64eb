#include "profile_document.h"

#include "text_case.h"

namespace settings {
namespace {

constexpr std::size_t npos = std::string::npos;

// A ^Z left by DOS editors at the end of a line is trimmed like a blank.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\x1A'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// The name of a section header line ("[name]"); nothing for other lines.
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') {
    return std::nullopt;
  }
  const auto close = line.find(']');
  return Trim(line.substr(1, close == npos ? npos : close - 1));
}

struct Entry {
  std::string_view key;
  std::optional<std::string_view> value;  // nothing for a bare key line, which has no "="
};

// A "key=value" or bare "key" line; nothing for headers, blank lines and comments (";").
std::optional<Entry> EntryOf(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || HeaderName(line)) {
    return std::nullopt;
  }
  const auto equals = line.find('=');
  if (equals == npos) {
    return Entry{trimmed, std::nullopt};
  }
  return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != npos;
}

}  // namespace

ProfileDocument::ProfileDocument(std::string_view text) {
  // Lines end in CR LF, LF or a lone CR.
  while (!text.empty()) {
    const auto end = text.find_first_of("\r\n");
    lines_.emplace_back(text.substr(0, end));
    if (end == npos) {
      break;
    }
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crLf ? 2 : 1));
  }
}

std::size_t ProfileDocument::FindSection(std::string_view section) const {
  section = Trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = HeaderName(lines_[i]);
    if (name && platform::EqualsNoCase(*name, section)) {
      return i;
    }
  }
  return npos;
}

std::size_t ProfileDocument::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && !HeaderName(lines_[end])) {
    ++end;
  }
  return end;
}

std::optional<std::string> ProfileDocument::Value(std::string_view section,
                                                  std::string_view key) const {
  const std::size_t header = FindSection(section);
  if (header == npos) {
    return std::nullopt;
  }
  key = Trim(key);
  for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
    const auto entry = EntryOf(lines_[i]);
    if (entry && platform::EqualsNoCase(entry->key, key)) {
      return entry->value ? std::optional<std::string>(*entry->value) : std::nullopt;
    }
  }
  return std::nullopt;
}

std::vector<std::string> ProfileDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  const std::size_t header = FindSection(section);
  if (header == npos) {
    return names;
  }
  for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
    if (const auto entry = EntryOf(lines_[i])) {
      names.emplace_back(entry->key);
    }
  }
  return names;
}

bool ProfileDocument::SetValue(std::string_view section, std::string_view key,
                               std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  if (section.empty() || HasLineBreak(section) || section.find(']') != npos || key.empty() ||
      HasLineBreak(key) || key.find('=') != npos || key.front() == '[' || key.front() == ';') {
    return false;
  }
  // A value is a C string to the profile functions: it ends at a NUL.
  std::string oneLine(value.substr(0, value.find('\0')));
  for (char& c : oneLine) {
    if (c == '\r' || c == '\n') {
      c = ' ';
    }
  }

  const std::size_t header = FindSection(section);
  if (header == npos) {
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::string(key) + "=" + oneLine);
    return true;
  }
  const std::size_t end = SectionEnd(header);
  std::size_t lastUsed = header;
  for (std::size_t i = header + 1; i < end; ++i) {
    const auto entry = EntryOf(lines_[i]);
    if (entry && platform::EqualsNoCase(entry->key, key)) {
      // The key keeps the spelling it has in the file.
      lines_[i] = std::string(entry->key) + "=" + oneLine;
      return true;
    }
    if (!Trim(lines_[i]).empty()) {
      lastUsed = i;
    }
  }
  // After the section's last line, before the blank lines that part it from the next one.
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastUsed + 1),
                std::string(key) + "=" + oneLine);
  return true;
}

bool ProfileDocument::RemoveSection(std::string_view section) {
  bool removed = false;
  for (std::size_t header = FindSection(section); header != npos; header = FindSection(section)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
    removed = true;
  }
  return removed;
}

std::string ProfileDocument::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace settings
