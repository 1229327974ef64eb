#include "profile_store.h"

#include "profile_document.h"
#include "whole_file.h"

namespace settings {
namespace {

using platform::FileRead;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first `limit` bytes of `text`, less a UTF-8 character that the cut would split.
std::string Cut(std::string text, std::size_t limit) {
  if (text.size() <= limit) {
    return text;
  }
  std::size_t end = limit;
  while (end > 0 && IsContinuationByte(text[end])) {
    --end;
  }
  text.resize(end);
  return text;
}

std::string Read(const std::string& path) {
  FileRead file = platform::ReadWholeFile(path);
  return file.status == FileRead::Status::Ok ? std::move(file.content) : std::string();
}

}  // namespace

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) {
  if (bufferSize == 0) {
    return {};
  }
  const auto value = ProfileDocument(Read(path)).Value(section, key);
  return Cut(value ? *value : std::string(defaultValue), bufferSize - 1);
}

std::string ReadProfileKeyNames(const std::string& path, std::string_view section,
                                std::size_t bufferSize) {
  std::string list;
  for (const std::string& name : ProfileDocument(Read(path)).KeyNames(section)) {
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
  FileRead file = platform::ReadWholeFile(path);
  if (file.status == FileRead::Status::Failed) {
    return false;
  }
  ProfileDocument document(file.content);
  if (!document.SetValue(section, key, value)) {
    return false;
  }
  const std::string text = document.Text();
  return text == file.content || platform::ReplaceWholeFile(path, text);
}

bool RemoveProfileSection(const std::string& path, std::string_view section) {
  FileRead file = platform::ReadWholeFile(path);
  if (file.status == FileRead::Status::Missing) {
    return true;
  }
  if (file.status == FileRead::Status::Failed) {
    return false;
  }
  ProfileDocument document(file.content);
  return !document.RemoveSection(section) || platform::ReplaceWholeFile(path, document.Text());
}

}  // namespace settings
