#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "trusted_location.h"

namespace platform {
namespace {

bool OwnedByUsOrAdministrator(const struct stat& entry) {
  return entry.st_uid == geteuid() || entry.st_uid == 0;
}

bool WritableByOthers(const struct stat& entry) {
  return (entry.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

std::string ParentFolder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool IsTrustedFolder(const std::string& folder) {
  char resolved[PATH_MAX];
  if (folder.empty() || realpath(folder.c_str(), resolved) == nullptr) {
    return false;
  }
  std::string current = resolved;
  struct stat entry {};
  for (bool ownFolder = true;; ownFolder = false) {
    if (stat(current.c_str(), &entry) != 0 || !S_ISDIR(entry.st_mode) ||
        !OwnedByUsOrAdministrator(entry)) {
      return false;
    }
    const bool protectsEntries = !ownFolder && (entry.st_mode & S_ISVTX) != 0;
    if (WritableByOthers(entry) && !protectsEntries) {
      return false;
    }
    if (current == "/") {
      return true;
    }
    current = ParentFolder(current);
  }
}

std::optional<std::string> TrustedProgramPath(const std::string& path) {
  char resolved[PATH_MAX];
  if (path.empty() || realpath(path.c_str(), resolved) == nullptr) {
    return std::nullopt;
  }
  const std::string program = resolved;
  struct stat entry {};
  if (stat(program.c_str(), &entry) != 0 || !S_ISREG(entry.st_mode) ||
      !OwnedByUsOrAdministrator(entry) || WritableByOthers(entry) ||
      !IsTrustedFolder(ParentFolder(program))) {
    return std::nullopt;
  }
  return program;
}

}  // namespace platform
