#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "whole_file.h"

namespace platform {
namespace {

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A name in the same folder that no other writer uses: hidden, and ending in neither ".Tdv" nor
// ".dat", so that no listing takes it for a stored file.
int CreateSibling(const std::string& path, std::string& siblingPath) {
  static std::atomic<unsigned> counter{0};
  const auto slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    siblingPath = folder + "." + name + "." + std::to_string(::getpid()) + "-" +
                  std::to_string(counter++) + ".new";
    const int fd = ::open(siblingPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) {
      return fd;
    }
  }
  return -1;
}

}  // namespace

FileRead ReadWholeFile(const std::string& path) {
  FileRead result;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    result.status = errno == ENOENT ? FileRead::Status::Missing : FileRead::Status::Failed;
    return result;
  }
  result.status = FileRead::Status::Ok;
  char buffer[65536];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) {
      break;
    }
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      result.status = FileRead::Status::Failed;
      result.content.clear();
      break;
    }
    result.content.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return result;
}

bool ReplaceWholeFile(const std::string& path, std::string_view content) {
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing && !S_ISREG(old.st_mode)) {
    return false;
  }
  std::string sibling;
  const int fd = CreateSibling(path, sibling);
  if (fd < 0) {
    return false;
  }
  bool ok = WriteAll(fd, content);
  if (ok && replacing) {
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  // Flushed before the rename, so that a crash cannot leave the name on an empty file.
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(sibling.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(sibling.c_str());
  }
  return ok;
}

}  // namespace platform
