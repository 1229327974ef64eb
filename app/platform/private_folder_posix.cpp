#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "private_folder.h"

namespace platform {

bool EnsurePrivateFolder(const std::string& path, std::string& error) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    error = "cannot create the folder " + path + ": " + std::strerror(errno);
    return false;
  }
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    error = "cannot examine the folder " + path + ": " + std::strerror(errno);
    return false;
  }
  // Someone else's folder, or a link planted in a shared place, could lead us to run their files.
  if (!S_ISDIR(info.st_mode)) {
    error = path + " is not a folder";
    return false;
  }
  if (info.st_uid != ::geteuid()) {
    error = "the folder " + path + " belongs to another user";
    return false;
  }
  if ((info.st_mode & 077) != 0 && ::chmod(path.c_str(), info.st_mode & 07700) != 0) {
    error = "cannot make the folder " + path + " private: " + std::strerror(errno);
    return false;
  }
  return true;
}

bool IsPrivateFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
         (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace platform
