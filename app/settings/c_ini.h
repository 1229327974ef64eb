#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace settings {

// A thin accessor of one key of one section of one INI file (the profile store).
class cINI {
 public:
  // Non-zero when the last write succeeded, 0 when it failed.
  std::int32_t LastReturnCode() const { return lastReturnCode_; }

  const std::string& Default() const { return default_; }
  void SetDefault(std::string text) { default_ = std::move(text); }
  const std::string& Path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& Key() const { return key_; }
  void SetKey(std::string key) { key_ = std::move(key); }
  const std::string& Section() const { return section_; }
  void SetSection(std::string section) { section_ = std::move(section); }

  // The value of Key in Section of Path, at most 1,023 characters; Default when absent.
  std::string Value() const;
  // Writes the text, NUL characters removed, as the value of Key.
  void SetValue(std::string_view text);

  // Writes an empty value: the key's line stays, with nothing after "=".
  void DeleteValue();
  // Removes Section with all its keys.
  void DeleteSection();

  // The names of Section's keys, each followed by a NUL, as read into 255 characters.
  std::string INISection() const;
  // Removes Section with all its keys, whatever text is given.
  void SetINISection(std::string_view ignored);

 private:
  std::string path_;
  std::string key_;
  std::string section_;
  std::string default_;
  std::int32_t lastReturnCode_ = 0;
};

}  // namespace settings
