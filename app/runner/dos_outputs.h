#pragma once

#include <QObject>
#include <QString>

// Runs one console program at a time, its window hidden, and hands over what it writes to
// standard output and standard error: piece by piece through ReceiveOutputs while it runs, and as
// a whole from ExecuteCommand once its output has ended.
class DOSOutputs : public QObject {
  Q_OBJECT

 public:
  static constexpr int kReadSize = 256;

  using QObject::QObject;

  // The program path, a blank and the switches. Setting it has no other effect.
  QString CommandLine() const { return m_commandLine; }
  void SetCommandLine(const QString& DOSCommand) { m_commandLine = DOSCommand; }

  // Everything the last run wrote, with the program's own line ends.
  QString Outputs() const { return m_outputs; }

  // Runs the command line (first replaced by `commandLine` when that is not empty) to the end of
  // its output, not of the process, and returns the output. Events keep being delivered while it
  // waits. A failure shows its message and returns an empty text without any ReceiveOutputs.
  QString ExecuteCommand(const QString& commandLine = QString());

 signals:
  // Once per read, on the caller's thread: at most 256 bytes of output, and one final empty
  // piece at the end of every run. A character is never split between pieces.
  void ReceiveOutputs(const QString& CommandOutputs);

 private:
  QString m_commandLine;
  QString m_outputs;
};
