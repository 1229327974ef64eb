#include "dos_outputs.h"

#include <QCoreApplication>
#include <cstring>

#include "command_line.h"
#include "console_process.h"
#include "file_lookup.h"
#include "message_box.h"
#include "trusted_location.h"

namespace runner {
namespace {

void ShowError(const std::string& text) {
  platform::MsgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Critical);
}

// Length of the bytes that end with a whole UTF-8 character; the rest waits for the next read.
std::size_t WholeCharactersLength(const char* bytes, std::size_t length) {
  std::size_t start = length;
  while (start > 0 && length - start < 3 && (bytes[start - 1] & 0xC0) == 0x80) {
    --start;
  }
  if (start == 0) {
    return length;
  }
  const auto lead = static_cast<unsigned char>(bytes[start - 1]);
  const std::size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  const std::size_t present = length - (start - 1);
  return present < needed ? start - 1 : length;
}

}  // namespace

std::string DOSOutputs::ExecuteCommand(const std::string& commandLine) {
  if (!commandLine.empty()) {
    commandLine_ = commandLine;
  }
  if (commandLine_.empty()) {
    ShowError("Command Line empty");
    return {};
  }
  const std::optional<platform::CommandLine> command = platform::SplitCommandLine(commandLine_);
  const std::string written = command ? command->program : std::string();
  // Another user's file, or one in a folder others can write, is never run.
  const std::optional<std::string> trusted = platform::TrustedProgramPath(written);
  if (!trusted) {
    if (!written.empty() && platform::FindPath(written, platform::EntryKind::File)) {
      ShowError("Not started: other users can change " + written + " or its folder");
    } else {
      ShowError("File or command not found");
    }
    return {};
  }

  ConsoleProcess process;
  switch (process.Start(*trusted, written, command->arguments)) {
    case ConsoleProcess::StartResult::PipeFailed:
      ShowError("CreatePipe failed. Error: " + std::to_string(process.PipeError()));
      return {};
    case ConsoleProcess::StartResult::NotStarted:
      ShowError("File or command not found");
      return {};
    case ConsoleProcess::StartResult::Started:
      break;
  }

  // Kept apart from outputs_, which a run started from an event handler meanwhile replaces.
  std::string output;
  outputs_.clear();
  const auto deliver = [&](std::string piece) {
    output += piece;
    outputs_ = output;
    emit ReceiveOutputs(piece);
    QCoreApplication::processEvents();
  };
  char buffer[kReadSize];
  std::size_t held = 0;
  for (;;) {
    const std::size_t got = process.Read(buffer + held, sizeof buffer - held);
    if (got == 0) {
      if (held > 0) {
        deliver(std::string(buffer, held));
      }
      deliver({});
      return output;
    }
    const std::size_t available = held + got;
    const std::size_t whole = WholeCharactersLength(buffer, available);
    if (whole > 0) {
      deliver(std::string(buffer, whole));
    }
    held = available - whole;
    std::memmove(buffer, buffer + whole, held);
  }
}

}  // namespace runner
