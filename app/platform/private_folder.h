#pragma once

#include <string>

namespace platform {

// Makes `path` a folder that only the user can enter: created with mode 0700 when missing (its
// parent must exist). An existing entry is accepted only when it is a real folder, not a link,
// owned by the user; group and other permissions are then taken away from it. On failure returns
// false and says why in `error`.
bool EnsurePrivateFolder(const std::string& path, std::string& error);

// Whether `path` is a folder owned by the user that nobody else can write.
bool IsPrivateFolder(const std::string& path);

}  // namespace platform
