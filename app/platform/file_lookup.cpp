#include "file_lookup.h"

#include <filesystem>
#include <system_error>

#include "text_case.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

bool HasKind(const fs::path& path, EntryKind kind) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  switch (kind) {
    case EntryKind::Any:
      // A dangling link is still an entry of that name.
      return fs::exists(status) || fs::is_symlink(fs::symlink_status(path, error));
    case EntryKind::File:
      return fs::is_regular_file(status);
    case EntryKind::Folder:
      return fs::is_directory(status);
  }
  return false;
}

}  // namespace

std::optional<std::string> FindInFolder(const std::string& folder, const std::string& name,
                                        EntryKind kind) {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
    return std::nullopt;
  }
  const fs::path base = folder.empty() ? fs::path(".") : fs::path(folder);
  const fs::path exact = base / name;
  if (HasKind(exact, kind)) {
    return (folder.empty() ? fs::path(name) : exact).string();
  }
  std::error_code error;
  std::optional<std::string> best;
  for (fs::directory_iterator it(base, error), end; !error && it != end; it.increment(error)) {
    const std::string entry = it->path().filename().string();
    if (EqualsNoCase(entry, name) && (!best || entry < *best) && HasKind(it->path(), kind)) {
      best = entry;
    }
  }
  if (!best) {
    return std::nullopt;
  }
  return (folder.empty() ? fs::path(*best) : base / *best).string();
}

std::optional<std::string> FindPath(const std::string& path, EntryKind kind) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    return FindInFolder("", path, kind);
  }
  return FindInFolder(slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1), kind);
}

}  // namespace platform
