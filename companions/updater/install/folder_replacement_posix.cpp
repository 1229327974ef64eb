#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "file_lookup.h"
#include "folder_replacement.h"
#include "whole_file.h"

namespace updater {
namespace {

// One file's way from the package to its name.
struct Step {
  std::string target;  // the name it takes (an existing entry's spelling)
  std::string staged;  // where it is written first
  std::string backup;  // the old file's second name while the new one takes its place
  bool existed = false;
  bool backedUp = false;
  bool placed = false;
};

bool IsPermissionError(int error) { return error == EACCES || error == EPERM || error == EROFS; }

Replacement Failure(int error, const std::string& what) {
  return {
      IsPermissionError(error) ? Replacement::Status::NoPermission : Replacement::Status::Failed,
      what + ": " + std::strerror(error)};
}

std::string Hidden(const std::string& folder, const std::string& name, const char* ending) {
  return folder + "/." + name + ending;
}

bool WriteAll(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
    if (written < 0 && errno != EINTR) {
      return false;
    }
    done += written > 0 ? static_cast<std::size_t>(written) : 0;
  }
  return true;
}

// Writes the file whole under its staged name; the error number on failure, 0 on success.
int Stage(const Step& step, const PackageFile& file) {
  if (::unlink(step.staged.c_str()) != 0 && errno != ENOENT) {
    return errno;
  }
  const int fd =
      ::open(step.staged.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    return errno;
  }
  int error = 0;
  if (!WriteAll(fd, file.content) || ::fchmod(fd, file.mode & 0777) != 0 || ::fsync(fd) != 0) {
    error = errno;
  }
  if (::close(fd) != 0 && error == 0) {
    error = errno;
  }
  if (error == 0) {
    // What reaches the disk is what was verified, or nothing takes a name.
    const platform::FileRead back = platform::ReadWholeFile(step.staged);
    if (back.status != platform::FileRead::Status::Ok || back.content != file.content) {
      error = EIO;
    }
  }
  return error;
}

// Gives the new file its name, keeping the old one as the backup; the error number on failure.
int Place(Step& step) {
  struct stat entry {};
  step.existed = ::lstat(step.target.c_str(), &entry) == 0;
  if (step.existed && S_ISDIR(entry.st_mode)) {
    return EISDIR;
  }
  if (step.existed) {
    if ((::unlink(step.backup.c_str()) != 0 && errno != ENOENT) ||
        ::link(step.target.c_str(), step.backup.c_str()) != 0) {
      return errno;
    }
    step.backedUp = true;
  }
  if (::rename(step.staged.c_str(), step.target.c_str()) != 0) {
    return errno;
  }
  step.placed = true;
  return 0;
}

void Restore(std::vector<Step>& steps) {
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
    if (step->placed) {
      if (step->backedUp) {
        ::rename(step->backup.c_str(), step->target.c_str());
      } else {
        ::unlink(step->target.c_str());
      }
    } else if (step->backedUp) {
      ::unlink(step->backup.c_str());
    }
    ::unlink(step->staged.c_str());
  }
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

bool CanWriteFolder(const std::string& folder) {
  struct stat entry {};
  return ::stat(folder.c_str(), &entry) == 0 && S_ISDIR(entry.st_mode) &&
         ::access(folder.c_str(), W_OK | X_OK) == 0;
}

Replacement ReplaceFiles(const std::string& folder, const std::vector<PackageFile>& files) {
  if (!CanWriteFolder(folder)) {
    return Failure(EACCES, folder);
  }
  std::vector<Step> steps;
  for (const PackageFile& file : files) {
    Step step;
    const std::optional<std::string> existing = platform::FindInFolder(folder, file.name);
    const std::string name =
        existing ? std::filesystem::path(*existing).filename().string() : file.name;
    step.target = folder + "/" + name;
    step.staged = Hidden(folder, name, ".ambrel-new");
    step.backup = Hidden(folder, name, ".ambrel-old");
    steps.push_back(step);
    if (const int error = Stage(steps.back(), file)) {
      Restore(steps);
      return Failure(error, "writing " + step.staged);
    }
  }
  for (Step& step : steps) {
    if (const int error = Place(step)) {
      Restore(steps);
      SyncFolder(folder);
      return Failure(error, "putting " + step.target + " in place");
    }
  }
  for (const Step& step : steps) {
    if (step.backedUp) {
      ::unlink(step.backup.c_str());
    }
  }
  SyncFolder(folder);
  return {Replacement::Status::Replaced, {}};
}

}  // namespace updater
