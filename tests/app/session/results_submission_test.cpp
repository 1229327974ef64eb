#include "results_submission.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "recorded_messages.h"
#include "sandbox.h"

namespace {

TEST(ResultsSubmission, ServerAddressFromTheDeployment) {
  const struct {
    const char* text;
    bool valid;
    const char* host;
    unsigned port;
  } cases[] = {
      {"results.example.org", true, "results.example.org", 32531},
      {"127.0.0.1:4000", true, "127.0.0.1", 4000},
      {"", false, "", 0},
      {"host:", false, "", 0},
      {"host:70000", false, "", 0},
      {":4000", false, "", 0},
      {"host:40x", false, "", 0},
      {"::1", true, "::1", 32531},
      {"[::1]:4000", true, "::1", 4000},
      {"[::1]", true, "::1", 32531},
      {"[::1]x", false, "", 0},
      {"[]:4000", false, "", 0},
  };
  for (const auto& c : cases) {
    const auto server = session::ParseResultsServer(c.text);
    ASSERT_EQ(server.has_value(), c.valid) << c.text;
    if (server) {
      EXPECT_EQ(server->host, c.host);
      EXPECT_EQ(server->port, c.port);
    }
  }
  ScopedEnvironment configured("VANTORA_RESULTS_SERVER", "localhost:5000");
  ASSERT_TRUE(session::ConfiguredResultsServer());
  EXPECT_EQ(session::ConfiguredResultsServer()->port, 5000);
}

TEST(ResultsSubmission, ScrambleTable) {
  EXPECT_EQ(session::ScrambleResults("abc"), "lkj");
  EXPECT_EQ(session::ScrambleResults("\r\n"), "\xC0\xC3");
  EXPECT_EQ(session::ScrambleResults("a\xD2z"), "lS") << "codes above 205 vanish";
  EXPECT_EQ(session::ScrambleResults("\xCD"), std::string(1, '\0'));
  EXPECT_EQ(session::ScrambleResults(""), "");
}

// The Full Test goes to a results server on this machine as "MM" and the file's text.
TEST(ResultsSubmission, TheFullTestReachesTheServer) {
  Sandbox sandbox;
  const std::string fullTest = sandbox / "BENCH Speed Test 10.00.00 01 Jan 27.Tdv";
  WriteFile(fullTest, "[Integer1]\r\n1 Kb=19046418164\r\n");
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  QByteArray received;
  bool closed = false;
  QObject::connect(&server, &QTcpServer::newConnection, [&] {
    QTcpSocket* client = server.nextPendingConnection();
    QObject::connect(client, &QTcpSocket::readyRead,
                     [&, client] { received += client->readAll(); });
    QObject::connect(client, &QTcpSocket::disconnected, [&] { closed = true; });
  });

  session::frmSend sender;
  session::Submission submission;
  submission.server = session::ResultsServer{"127.0.0.1", server.serverPort()};
  session::SubmitFullTest(fullTest, submission, sender);
  EXPECT_TRUE(received.isEmpty()) << "the submission does not wait for the network";
  EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, 5000));
  EXPECT_EQ(received.toStdString(), "MM[Integer1]\r\n1 Kb=19046418164\r\n");
}

class WithoutTcp : public testing::Test {
 protected:
  void SetUp() override {
    submission.tcpAvailable = false;
    submission.programWriteFolder = sandbox / "program";
    submission.email = "results@vantora.example";
    submission.product = "Vantora";
    ::mkdir(submission.programWriteFolder.c_str(), 0700);
  }

  Sandbox sandbox;
  session::Submission submission;
  session::frmSend sender;
  RecordedMessages messages;
};

TEST_F(WithoutTcp, TheScrambledTextIsLeftForTheUserToMail) {
  const std::string fullTest = sandbox / "cancelled.Tdv";  // a cancelled series may have none
  session::SubmitFullTest(fullTest, submission, sender);
  EXPECT_EQ(ReadFile(fullTest), "") << "created empty";
  const std::string results = submission.programWriteFolder + "/Results.txt";
  EXPECT_EQ(ReadFile(results), "");

  WriteFile(fullTest, "abc");
  session::SubmitFullTest(fullTest, submission, sender);
  EXPECT_EQ(ReadFile(results), "lkj");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "Please send the file \r\n" + results +
                                        "\r\nto results@vantora.example with the subject Vantora");
}

TEST_F(WithoutTcp, AResultsFileThatCannotBeWrittenIsNotCalledSent) {
  submission.programWriteFolder = sandbox / "missing folder";
  const std::string fullTest = sandbox / "full.Tdv";
  WriteFile(fullTest, "abc");
  session::SubmitFullTest(fullTest, submission, sender);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind("The results could not be written to " +
                                             submission.programWriteFolder + "/Results.txt: ",
                                         0),
            0u)
      << messages.shown[0].text;
}

}  // namespace
