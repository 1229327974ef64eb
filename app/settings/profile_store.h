#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace settings {

// The profile functions of Windows (GetPrivateProfileString, WritePrivateProfileString) over INI
// files in the Windows layout, read and written as those functions do, since other programs read
// the same files. Names match without regard to case, the file's name too ("data.dat" is
// "Data.dat"), and a read strips the blanks around a value (ProfileDocument). A file with a
// byte-order mark (UTF-8, UTF-16) keeps its encoding and mark. Every write replaces the whole file
// in one rename, so a write that fails leaves the file as it was.

// The value of `key` in `section` of the file, else `defaultValue`; like the Windows function with
// a buffer of `bufferSize` characters, at most bufferSize - 1 of them come back (never half a UTF-8
// character). The value ends at a NUL and loses one pair of matching quotes (" or ') around it.
// A missing or unreadable file reads as absent and is not created.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize);

// The key names of `section`, each followed by a NUL character, as the Windows function gives them
// into a buffer of `bufferSize` characters: a list that does not fit is cut to bufferSize - 2.
std::string ReadProfileKeyNames(const std::string& path, std::string_view section,
                                std::size_t bufferSize);

// Creates or replaces key=value in `section` (created at the end of the file), creating the file
// when it is missing. False when the write failed, or the file exists but cannot be read (writing
// it anew would lose its other entries) or written back in its encoding, or a name cannot be held;
// the file is then unchanged.
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

// Removes `section` with all its keys (the Windows write without a key). Succeeds without creating
// anything when the file or the section does not exist.
bool RemoveProfileSection(const std::string& path, std::string_view section);

}  // namespace settings
