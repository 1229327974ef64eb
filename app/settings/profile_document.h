#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// One profile (INI) file's text in memory, edited line by line so that everything the edit does not
// touch (comments, blank lines, entries of other programs) is written back as it was. Lines end in
// CR LF, LF or CR when read and in CR LF when written, the Windows layout. Section and key names
// match without regard to case; blanks (and a DOS ^Z) around names and values do not count. A line
// without "=" names a key without a value; a line beginning with ";" is a comment.
class ProfileDocument {
 public:
  explicit ProfileDocument(std::string_view text = {});

  // The value of the first `key` in the first section named `section`; nothing when absent or when
  // that key's line has no "=".
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  // The key names of the first section named `section`, in file order.
  std::vector<std::string> KeyNames(std::string_view section) const;

  // Replaces the key's line (a bare key line too), or adds it at the end of its section, or adds
  // the section at the end of the file. Line breaks in the value become blanks, since a value is
  // one line. Returns false, and changes nothing, for names a profile file cannot hold (empty, or
  // with a line break; a section with "]", a key with "=" or beginning with "[" or ";").
  bool SetValue(std::string_view section, std::string_view key, std::string_view value);

  // Removes every section named `section` with all its lines; false when there was none.
  bool RemoveSection(std::string_view section);

  std::string Text() const;

 private:
  // Index of the first line of the first section named `section` (its header), or npos.
  std::size_t FindSection(std::string_view section) const;
  // One past the last line of the section whose header is at `header`.
  std::size_t SectionEnd(std::size_t header) const;

  std::vector<std::string> lines_;
};

}  // namespace settings
