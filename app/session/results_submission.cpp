#include "results_submission.h"

#include <cerrno>
#include <charconv>
#include <cstring>

#include "environment.h"
#include "message_box.h"
#include "whole_file.h"

namespace session {

std::optional<ResultsServer> ParseResultsServer(const std::string& text) {
  // "host", "host:port", an IPv6 address alone ("::1") or in brackets with a port ("[::1]:4000").
  std::string host = text;
  std::string port;
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.find(']');
    if (close == std::string::npos) {
      return std::nullopt;
    }
    host = text.substr(1, close - 1);
    const std::string rest = text.substr(close + 1);
    if (!rest.empty() && (rest.front() != ':' || rest.size() == 1)) {
      return std::nullopt;
    }
    port = rest.empty() ? std::string() : rest.substr(1);
  } else if (const std::size_t colon = text.find(':');
             colon != std::string::npos && colon == text.rfind(':')) {
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
    if (port.empty()) {
      return std::nullopt;
    }
  }
  if (host.empty()) {
    return std::nullopt;
  }
  if (port.empty()) {
    return ResultsServer{host, kResultsPort};
  }
  unsigned number = 0;
  const auto parsed = std::from_chars(port.data(), port.data() + port.size(), number);
  if (parsed.ec != std::errc() || parsed.ptr != port.data() + port.size() || number == 0 ||
      number > 65535) {
    return std::nullopt;
  }
  return ResultsServer{host, static_cast<quint16>(number)};
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
