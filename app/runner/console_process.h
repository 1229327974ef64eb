#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A console program started with its standard output and standard error on one pipe, in the
// order it writes them, and an empty standard input; no window is shown. The program is never
// waited for: the end of its output is the end of the run.
class ConsoleProcess {
 public:
  enum class Start { Started, PipeFailed, NotStarted };

  ConsoleProcess() = default;
  ConsoleProcess(const ConsoleProcess&) = delete;
  ConsoleProcess& operator=(const ConsoleProcess&) = delete;
  ~ConsoleProcess();

  // Starts the program file `program`; `arguments` are passed after `displayName` as its name.
  Start start(const std::string& program, const std::string& displayName,
              const std::vector<std::string>& arguments);

  // The system's error code when the pipe could not be made.
  int pipeError() const { return m_pipeError; }

  // Reads up to `size` bytes once output is there, letting the application's events through
  // while none is; 0 at the end of the output (or when it cannot be read).
  std::size_t read(char* buffer, std::size_t size);

 private:
  int m_output = -1;
  int m_pipeError = 0;
};
