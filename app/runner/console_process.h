#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace runner {

// A console program started with its standard output and standard error on one pipe, in the
// order it writes them, and an empty standard input; no window is shown. The program is never
// waited for: the end of its output is the end of the run.
class ConsoleProcess {
 public:
  enum class StartResult { Started, PipeFailed, NotStarted };

  ConsoleProcess() = default;
  ConsoleProcess(const ConsoleProcess&) = delete;
  ConsoleProcess& operator=(const ConsoleProcess&) = delete;
  ~ConsoleProcess();

  // Starts the program file `program`; `arguments` are passed after `displayName` as its name.
  StartResult Start(const std::string& program, const std::string& displayName,
                    const std::vector<std::string>& arguments);

  // The system's error code when the pipe could not be made.
  int PipeError() const { return pipeError_; }

  // Reads up to `size` bytes once output is there, letting the application's events through
  // while none is; 0 at the end of the output (or when it cannot be read).
  std::size_t Read(char* buffer, std::size_t size);

 private:
  int output_ = -1;
  int pipeError_ = 0;
};

}  // namespace runner
