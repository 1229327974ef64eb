#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "start_detached.h"

namespace platform {
namespace {

// Runs in the forked grandchild: only async-signal-safe calls until exec. An error number goes
// back through `status`, which a successful exec closes.
[[noreturn]] void Exec(const char* program, char* const* argv, const char* folder, int status) {
  int error = 0;
  if (*folder != '\0' && chdir(folder) != 0) {
    error = errno;
  } else {
    setsid();
    const int nothing = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (nothing >= 0) {
      dup2(nothing, STDIN_FILENO);
    }
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    execv(program, argv);
    error = errno;
  }
  [[maybe_unused]] const ssize_t written = write(status, &error, sizeof error);
  _exit(127);
}

}  // namespace

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingFolder) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);

  int status[2];
  if (pipe2(status, O_CLOEXEC) != 0) {
    return false;
  }
  // The program runs as a grandchild, so that it is never this process's child to wait for.
  const pid_t child = fork();
  if (child == 0) {
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      Exec(program.c_str(), argv.data(), workingFolder.c_str(), status[1]);
    }
    if (grandchild < 0) {
      const int error = errno;
      [[maybe_unused]] const ssize_t written = write(status[1], &error, sizeof error);
    }
    _exit(0);
  }
  close(status[1]);
  if (child > 0) {
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  int error = 0;
  ssize_t got;
  do {
    got = read(status[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  close(status[0]);
  return child > 0 && got == 0;
}

}  // namespace platform
