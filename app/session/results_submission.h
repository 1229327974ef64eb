#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "frm_send.h"
#include "program_state.h"

namespace session {

constexpr quint16 kResultsPort = 32531;

// Where Full Tests are sent: VANTORA_RESULTS_SERVER ("host" or "host:port") when set, else the
// build's default; nothing when neither names a server.
struct ResultsServer {
  std::string host;
  quint16 port = kResultsPort;
};
std::optional<ResultsServer> ConfiguredResultsServer();
std::optional<ResultsServer> ParseResultsServer(const std::string& text);

// Every character c of the text becomes 205 - c; characters above 205 are left out.
std::string ScrambleResults(std::string_view text);

// How a finished "Run ALL" series submits its Full Test file.
struct Submission {
  bool tcpAvailable = true;             // every platform with sockets
  std::optional<ResultsServer> server;  // nothing: the text is not sent
  std::string programWriteFolder;       // Results.txt goes here without TCP
  std::string email;                    // where the user mails Results.txt
  std::string product;                  // the subject of that mail
};

// The submission of this build and environment for the program's edition.
Submission ConfiguredSubmission(const state::ProgramState& state);

// Reads the Full Test file (created empty when missing) and sends "MM" and its text through
// `sender` without waiting; without TCP, writes the text scrambled to Results.txt and asks the user
// to mail it, or says that it could not be written.
void SubmitFullTest(const std::string& fullTestFilePath, const Submission& submission,
                    frmSend& sender);

}  // namespace session
