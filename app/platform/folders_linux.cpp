#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "environment.h"
#include "file_lookup.h"
#include "folders.h"
#include "private_folder.h"
#include "trusted_location.h"

namespace platform {
namespace {

std::string UserSuffix() { return "vantora-" + std::to_string(::geteuid()); }

std::string HomeFolder() {
  std::string home = EnvironmentValue("HOME");
  if (home.empty()) {
    if (const passwd* entry = ::getpwuid(::geteuid())) {
      home = entry->pw_dir;
    }
  }
  return home;
}

FolderResult Private(const std::string& path) {
  std::string error;
  if (!EnsurePrivateFolder(path, error)) {
    return {{}, error};
  }
  return {path, {}};
}

}  // namespace

FolderResult UserDataFolder() {
  std::string dataHome = EnvironmentValue("XDG_DATA_HOME");
  if (dataHome.empty()) {
    const std::string home = HomeFolder();
    if (home.empty()) {
      return {{}, "the home folder is unknown"};
    }
    dataHome = home + "/.local/share";
  }
  std::error_code ignored;
  std::filesystem::create_directories(dataHome, ignored);
  return Private(dataHome + "/vantora");
}

FolderResult WinDir() {
  const std::string winDir = EnvironmentValue("WinDir");
  if (!winDir.empty()) {
    return {winDir, {}};
  }
  return UserDataFolder();
}

std::string SysFolder(const std::string& winDir) {
  return FindInFolder(winDir, "Syswow64", EntryKind::Folder) ? "Syswow64" : "System32";
}

FolderResult TempFolder() {
  // The engine is run from here, so only a folder its rule trusts will do; TEMP when it is one,
  // else a private folder of this user's, which keeps every run working.
  std::vector<std::string> candidates;
  const std::string temp = EnvironmentValue("TEMP");
  if (!temp.empty()) {
    ::mkdir(temp.c_str(), 0700);
    if (IsPrivateFolder(temp)) {
      candidates.push_back(temp);
    } else {
      candidates.push_back(temp + "/" + UserSuffix());
    }
  }
  const std::string runtime = EnvironmentValue("XDG_RUNTIME_DIR");
  if (!runtime.empty() && IsPrivateFolder(runtime)) {
    candidates.push_back(runtime + "/vantora");
  }
  const std::string tmpdir = EnvironmentValue("TMPDIR");
  if (!tmpdir.empty()) {
    candidates.push_back(tmpdir + "/" + UserSuffix());
  }
  candidates.push_back("/tmp/" + UserSuffix());

  std::string firstError;
  for (const std::string& candidate : candidates) {
    FolderResult folder = Private(candidate);
    if (folder.ok() && !IsTrustedFolder(folder.path)) {
      folder = {{}, "other users can write a folder above " + candidate};
    }
    if (folder.ok()) {
      return folder;
    }
    if (firstError.empty()) {
      firstError = folder.error;
    }
  }
  return {{}, firstError};
}

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.parent_path().string();
}

std::string ProgramWriteFolder(const std::string& programFolder, const std::string& dataFolder) {
  struct stat info {};
  const bool onlyUsersToWrite =
      !programFolder.empty() && ::stat(programFolder.c_str(), &info) == 0 &&
      S_ISDIR(info.st_mode) && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0 &&
      ::access(programFolder.c_str(), W_OK) == 0;
  return onlyUsersToWrite ? programFolder : dataFolder;
}

}  // namespace platform
