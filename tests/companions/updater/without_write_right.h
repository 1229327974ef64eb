#pragma once

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

// The user a test drops to when it runs as the administrator, who may write every folder.
constexpr uid_t kNobody = 65534;

// Runs `body` in a child process that may not write `folder` (whose parents it can enter): as the
// administrator the child becomes the user nobody, the folder staying the administrator's;
// otherwise the folder is read-only while the child runs. Returns the code `body` returned, or -1.
inline int ExitCodeWithoutWriteRight(const std::string& folder, const std::function<int()>& body) {
  const bool administrator = ::geteuid() == 0;
  if (!administrator) {
    ::chmod(folder.c_str(), 0555);
  }
  const pid_t child = ::fork();
  if (child == 0) {
    if (administrator && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
      ::_exit(126);
    }
    ::_exit(body());
  }
  int status = 0;
  const bool exited = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status);
  if (!administrator) {
    ::chmod(folder.c_str(), 0755);
  }
  return exited ? WEXITSTATUS(status) : -1;
}
