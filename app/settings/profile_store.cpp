#include "profile_store.h"

#include "file_lookup.h"
#include "profile_document.h"
#include "profile_encoding.h"
#include "whole_file.h"

namespace settings {
namespace {

using platform::FileRead;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The number of bytes of the UTF-8 character whose lead byte is `c`; 0 for a byte that leads none.
std::size_t SequenceLength(char c) {
  const auto lead = static_cast<unsigned char>(c);
  return lead >= 0xC2 && lead <= 0xDF   ? 2
         : lead >= 0xE0 && lead <= 0xEF ? 3
         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                        : 0;
}

// The first `limit` bytes of `text`, less the start of a UTF-8 character that the cut would split.
// Bytes that are not UTF-8 (Latin-1 text, stray continuation bytes) are cut where the limit falls.
std::string Cut(std::string text, std::size_t limit) {
  if (text.size() <= limit) {
    return text;
  }
  std::size_t lead = limit;
  while (lead > 0 && limit - lead < 3 && IsContinuationByte(text[lead - 1])) {
    --lead;
  }
  if (lead > 0) {
    const std::size_t start = lead - 1;
    const std::size_t length = SequenceLength(text[start]);
    bool whole = length > 1 && start + length <= text.size();
    for (std::size_t k = 1; whole && k < length; ++k) {
      whole = IsContinuationByte(text[start + k]);
    }
    if (whole && start + length > limit) {
      limit = start;
    }
  }
  text.resize(limit);
  return text;
}

// The value as the Windows functions give it: a C string, so it ends at a NUL, and without one
// pair of matching quotes around it.
std::string AsRead(std::string value) {
  value.resize(std::min(value.find('\0'), value.size()));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

// The file of that name in any letter case, as it is spelled on disk; the name itself when none.
std::string Resolved(const std::string& path) { return platform::FindPath(path).value_or(path); }

// A profile file as read: its text, or why there is none.
struct LoadedProfile {
  FileRead::Status status = FileRead::Status::Missing;
  std::optional<ProfileText> profile;  // nothing when the file is not readable as a profile
};

LoadedProfile Load(const std::string& path) {
  FileRead file = platform::ReadWholeFile(path);
  LoadedProfile loaded{file.status, std::nullopt};
  if (file.status == FileRead::Status::Ok) {
    loaded.profile = DecodeProfile(file.content);
  } else if (file.status == FileRead::Status::Missing) {
    loaded.profile = ProfileText{};
  }
  return loaded;
}

ProfileDocument Document(const std::string& path) {
  const LoadedProfile loaded = Load(Resolved(path));
  return ProfileDocument(loaded.profile ? loaded.profile->text : std::string());
}

// Applies `edit` to the file's document and writes the file back in its own encoding. A file that
// cannot be read, or whose edited text its encoding cannot hold, is left as it was.
template <typename Edit>
bool Rewrite(const std::string& requested, bool createMissing, Edit edit) {
  const std::string path = Resolved(requested);
  LoadedProfile loaded = Load(path);
  if (!loaded.profile) {
    return false;
  }
  if (loaded.status == FileRead::Status::Missing && !createMissing) {
    return true;
  }
  ProfileDocument document(loaded.profile->text);
  bool changed = false;
  if (!edit(document, changed)) {
    return false;
  }
  if (!changed) {
    return true;
  }
  ProfileText edited{loaded.profile->encoding, document.Text()};
  if (edited.text == loaded.profile->text && loaded.status == FileRead::Status::Ok) {
    return true;
  }
  const std::optional<std::string> bytes = EncodeProfile(edited);
  return bytes && platform::ReplaceWholeFile(path, *bytes);
}

}  // namespace

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) {
  if (bufferSize == 0) {
    return {};
  }
  const auto value = Document(path).Value(section, key);
  return Cut(value ? AsRead(*value) : std::string(defaultValue), bufferSize - 1);
}

std::string ReadProfileKeyNames(const std::string& path, std::string_view section,
                                std::size_t bufferSize) {
  std::string list;
  for (const std::string& name : Document(path).KeyNames(section)) {
    list += name;
    list += '\0';
  }
  // The list and its closing NUL must fit; else Windows cuts it and ends it with two NULs.
  if (bufferSize < 2) {
    return {};
  }
  return list.size() + 1 <= bufferSize ? list : list.substr(0, bufferSize - 2);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  return Rewrite(path, true, [&](ProfileDocument& document, bool& changed) {
    changed = true;
    return document.SetValue(section, key, value);
  });
}

bool RemoveProfileSection(const std::string& path, std::string_view section) {
  return Rewrite(path, false, [&](ProfileDocument& document, bool& changed) {
    changed = document.RemoveSection(section);
    return true;
  });
}

}  // namespace settings
