#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

#include "console_process.h"

namespace runner {
namespace {

void CloseQuietly(int& fd) {
  if (fd >= 0) {
    close(fd);
    fd = -1;
  }
}

// Runs in the forked child: only async-signal-safe calls until exec.
[[noreturn]] void ExecProgram(const char* program, char* const* argv, int output, int status) {
  const int nothing = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (nothing >= 0) {
    dup2(nothing, STDIN_FILENO);
  } else {
    close(STDIN_FILENO);
  }
  dup2(output, STDOUT_FILENO);
  dup2(output, STDERR_FILENO);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  execv(program, argv);
  const int error = errno;
  [[maybe_unused]] const ssize_t written = write(status, &error, sizeof error);
  _exit(127);
}

bool OutputWaiting(int fd) {
  pollfd entry{fd, POLLIN, 0};
  return poll(&entry, 1, 0) > 0;
}

}  // namespace

ConsoleProcess::~ConsoleProcess() { CloseQuietly(output_); }

ConsoleProcess::StartResult ConsoleProcess::Start(const std::string& program,
                                                  const std::string& displayName,
                                                  const std::vector<std::string>& arguments) {
  CloseQuietly(output_);
  int output[2];
  if (pipe2(output, O_CLOEXEC) != 0) {
    pipeError_ = errno;
    return StartResult::PipeFailed;
  }
  // Carries the exec error back; closed by a successful exec.
  int status[2];
  if (pipe2(status, O_CLOEXEC) != 0) {
    pipeError_ = errno;
    close(output[0]);
    close(output[1]);
    return StartResult::PipeFailed;
  }

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(displayName.c_str()));
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);

  // The program runs as a grandchild, which the system reaps once it exits, since the run
  // ends with its output and never waits for it.
  const pid_t child = fork();
  if (child == 0) {
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      ExecProgram(program.c_str(), argv.data(), output[1], status[1]);
    }
    if (grandchild < 0) {
      const int error = errno;
      [[maybe_unused]] const ssize_t written = write(status[1], &error, sizeof error);
    }
    _exit(0);
  }
  close(output[1]);
  close(status[1]);
  if (child > 0) {
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  int error = 0;
  ssize_t got;
  do {
    got = ::read(status[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  close(status[0]);
  if (child < 0 || got != 0) {
    close(output[0]);
    return StartResult::NotStarted;
  }
  output_ = output[0];
  return StartResult::Started;
}

std::size_t ConsoleProcess::Read(char* buffer, std::size_t size) {
  if (output_ < 0) {
    return 0;
  }
  if (QCoreApplication::instance() && !OutputWaiting(output_)) {
    QEventLoop loop;
    QSocketNotifier notifier(output_, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    loop.exec();
  }
  ssize_t got;
  do {
    got = ::read(output_, buffer, size);
  } while (got < 0 && errno == EINTR);
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

}  // namespace runner
