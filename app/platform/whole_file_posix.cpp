#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <optional>

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

// Writes the content to a new sibling of `path`, with the permission bits `mode` when given (else
// 0666 less the umask), flushed so that a crash cannot leave the name on an empty file. Returns
// the sibling's path, empty on failure.
std::string WriteSibling(const std::string& path, std::string_view content,
                         std::optional<mode_t> mode) {
  std::string sibling;
  const int fd = CreateSibling(path, sibling);
  if (fd < 0) {
    return {};
  }
  bool ok = WriteAll(fd, content) && (!mode || ::fchmod(fd, *mode) == 0) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) {
    ::unlink(sibling.c_str());
    return {};
  }
  return sibling;
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
  const std::string sibling = WriteSibling(
      path, content, replacing ? std::optional<mode_t>(old.st_mode & 07777) : std::nullopt);
  if (sibling.empty()) {
    return false;
  }
  if (::rename(sibling.c_str(), path.c_str()) != 0) {
    ::unlink(sibling.c_str());
    return false;
  }
  return true;
}

bool CreateWholeFile(const std::string& path, std::string_view content, unsigned mode) {
  const std::string sibling = WriteSibling(path, content, static_cast<mode_t>(mode & 07777));
  if (sibling.empty()) {
    return false;
  }
  // A link, unlike a rename, fails when the name exists.
  const bool created = ::link(sibling.c_str(), path.c_str()) == 0;
  ::unlink(sibling.c_str());
  return created;
}

}  // namespace platform
