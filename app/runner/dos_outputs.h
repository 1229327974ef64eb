#pragma once

#include <QObject>
#include <string>

namespace runner {

// Runs one console program at a time, its window hidden, and hands over what it writes to
// standard output and standard error: piece by piece through ReceiveOutputs while it runs, and as
// a whole from ExecuteCommand once its output has ended. Texts are UTF-8.
class DOSOutputs : public QObject {
  Q_OBJECT

 public:
  static constexpr int kReadSize = 256;

  using QObject::QObject;

  // The program path, a blank and the switches. Setting it has no other effect.
  const std::string& CommandLine() const { return commandLine_; }
  void SetCommandLine(const std::string& DOSCommand) { commandLine_ = DOSCommand; }

  // Everything the last run wrote, with the program's own line ends.
  const std::string& Outputs() const { return outputs_; }

  // Runs the command line (first replaced by `commandLine` when that is not empty) to the end of
  // its output, not of the process, and returns the output. Events keep being delivered while it
  // waits, so a handler may start another run meanwhile: each run returns its own output.
  // A failure shows its message and returns an empty text without any ReceiveOutputs.
  std::string ExecuteCommand(const std::string& commandLine = {});

 signals:
  // Once per read, on the caller's thread: at most 256 bytes of output, and one final empty
  // piece at the end of every run. A UTF-8 character is never split between pieces.
  void ReceiveOutputs(const std::string& CommandOutputs);

 private:
  std::string commandLine_;
  std::string outputs_;
};

}  // namespace runner
