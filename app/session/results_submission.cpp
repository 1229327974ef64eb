#include "results_submission.h"

#include <cerrno>
#include <charconv>
#include <cstring>

#include "environment.h"
#include "message_box.h"
#include "whole_file.h"

namespace session {

std::optional<ResultsServer> ParseResultsServer(const std::string& text) {
  if (text.empty()) {
    return std::nullopt;
  }
  const auto colon = text.rfind(':');
  if (colon == std::string::npos) {
    return ResultsServer{text, kResultsPort};
  }
  unsigned port = 0;
  const char* first = text.data() + colon + 1;
  const char* last = text.data() + text.size();
  const auto parsed = std::from_chars(first, last, port);
  if (colon == 0 || parsed.ec != std::errc() || parsed.ptr != last || port == 0 || port > 65535) {
    return std::nullopt;
  }
  return ResultsServer{text.substr(0, colon), static_cast<quint16>(port)};
}

std::optional<ResultsServer> ConfiguredResultsServer() {
  const std::string configured = platform::EnvironmentValue("VANTORA_RESULTS_SERVER");
  return ParseResultsServer(configured.empty() ? VANTORA_DEFAULT_RESULTS_SERVER : configured);
}

Submission ConfiguredSubmission(const state::ProgramState& state) {
  return {true, ConfiguredResultsServer(), state.ProgramWriteFolder, VANTORA_RESULTS_EMAIL,
          state.Edition == 1 ? "Pellisto" : "Vantora"};
}

std::string ScrambleResults(std::string_view text) {
  std::string scrambled;
  scrambled.reserve(text.size());
  for (const char c : text) {
    const int code = static_cast<unsigned char>(c);
    if (code <= 205) {
      scrambled += static_cast<char>(205 - code);
    }
  }
  return scrambled;
}

void SubmitFullTest(const std::string& fullTestFilePath, const Submission& submission,
                    frmSend& sender) {
  platform::FileRead file = platform::ReadWholeFile(fullTestFilePath);
  if (file.status == platform::FileRead::Status::Missing) {
    platform::CreateWholeFile(fullTestFilePath, {});
  }
  const std::string text =
      file.status == platform::FileRead::Status::Ok ? file.content : std::string();
  if (submission.tcpAvailable) {
    if (submission.server) {
      sender.SendR("MM" + text, submission.server->host, submission.server->port);
    }
    return;
  }
  const std::string path = submission.programWriteFolder + "/Results.txt";
  if (!platform::ReplaceWholeFile(path, ScrambleResults(text))) {
    // Asking the user to mail a file that was never written would lose the results unnoticed.
    platform::MsgBox("The results could not be written to " + path + ": " + std::strerror(errno));
    return;
  }
  platform::MsgBox("Please send the file \r\n" + path + "\r\nto " + submission.email +
                   " with the subject " + submission.product);
}

}  // namespace session
