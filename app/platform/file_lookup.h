#pragma once

#include <optional>
#include <string>

namespace platform {

// File names match without regard to case, as on Windows: the program spells some of its files
// several ways ("ram.exe" and "RAM.exe" name the same file).

enum class EntryKind {
  Any,     // a file, a folder or anything else of that name counts
  File,    // a regular file, or a link to one
  Folder,  // a folder, or a link to one
};

// The path of the entry of `folder` whose name equals `name` in any letter case, spelled as it is
// on disk. The exact spelling wins; among other spellings, the first in byte order. Empty when the
// folder holds no entry of that name and kind, or cannot be read.
std::optional<std::string> FindInFolder(const std::string& folder, const std::string& name,
                                        EntryKind kind = EntryKind::Any);

// The same for a whole path ('/' separated): only its last component is matched without regard to
// case; a path without a folder part is looked up in the current folder.
std::optional<std::string> FindPath(const std::string& path, EntryKind kind = EntryKind::Any);

}  // namespace platform
