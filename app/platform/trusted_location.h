#pragma once

#include <optional>
#include <string>

namespace platform {

// The program at `path` with links resolved, when no other user can have placed or changed it:
// the file, its folder and every folder above belong to this user or to the administrator; the
// file and its folder cannot be written by other users; a folder higher up can only when it
// protects its entries (sticky, as /tmp). Nothing otherwise, or when the path names no regular
// file. Run the returned path, not `path`, so that a link changed afterwards does not matter.
std::optional<std::string> TrustedProgramPath(const std::string& path);

// Whether a program placed in `folder` would be trusted by the rule above: the folder and every
// folder above it belong to this user or to the administrator, the folder cannot be written by
// other users, and a folder higher up only when it protects its entries.
bool IsTrustedFolder(const std::string& folder);

}  // namespace platform
