#include "dos_outputs.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "recorded_messages.h"
#include "sandbox.h"

namespace {

namespace fs = std::filesystem;

struct Message {
  std::string text;
  platform::MsgIcon icon;
};

class DOSOutputsTest : public testing::Test {
 protected:
  void SetUp() override {
    QObject::connect(&runner_, &runner::DOSOutputs::ReceiveOutputs,
                     [this](const std::string& piece) { pieces_.push_back(piece); });
    // Run from a private folder, wherever the build tree lies.
    helper_ = PlaceHelper("helper");
  }

  std::string PlaceHelper(const std::string& relative, fs::perms mode = fs::perms(0755)) {
    const fs::path target = fs::path(sandbox_.path()) / relative;
    fs::create_directories(target.parent_path());
    fs::copy_file(CONSOLE_HELPER, target);
    fs::permissions(target, mode);
    return target.string();
  }

  std::string Run(const std::string& arguments) {
    return runner_.ExecuteCommand(helper_ + " " + arguments);
  }

  // The pieces joined, each at most 256 bytes and only the last one empty.
  std::string CheckedPieces() const {
    std::string joined;
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
      EXPECT_LE(pieces_[i].size(), static_cast<std::size_t>(runner::DOSOutputs::kReadSize))
          << "piece " << i;
      EXPECT_EQ(pieces_[i].empty(), i + 1 == pieces_.size()) << "piece " << i;
      joined += pieces_[i];
    }
    return joined;
  }

  Sandbox sandbox_;
  std::string helper_;
  runner::DOSOutputs runner_;
  std::vector<std::string> pieces_;
  RecordedMessages messages_;
};

TEST_F(DOSOutputsTest, StandardOutputAndErrorShareOneStreamInWriteOrder) {
  const std::string expected = "out 1\nerr 1\nout 2\nerr 2\n";
  EXPECT_EQ(Run("interleave"), expected);
  EXPECT_EQ(runner_.Outputs(), expected);
  EXPECT_EQ(CheckedPieces(), expected);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(DOSOutputsTest, LongLinesArriveInPiecesOfAtMost256Bytes) {
  for (int length : {255, 256, 300, 1000}) {
    pieces_.clear();
    const std::string expected = std::string(length, 'x') + "\n";
    EXPECT_EQ(Run("long " + std::to_string(length)), expected);
    EXPECT_EQ(CheckedPieces(), expected) << length;
    EXPECT_GE(pieces_.size(), static_cast<std::size_t>(length / 256 + 2)) << length;
  }
}

TEST_F(DOSOutputsTest, ACharacterAcrossA256ByteBoundaryStaysWhole) {
  const std::string expected = std::string(255, 'a') + "\xC3\xA9\n";
  EXPECT_EQ(Run("split-character"), expected);
  EXPECT_EQ(CheckedPieces(), expected);
  ASSERT_GE(pieces_.size(), 2u);
  EXPECT_EQ(pieces_[0], std::string(255, 'a')) << "the character waits for its second byte";
}

TEST_F(DOSOutputsTest, AProgramThatWritesNothingGivesOneEmptyPiece) {
  EXPECT_EQ(Run("silent"), "");
  ASSERT_EQ(pieces_.size(), 1u);
  EXPECT_TRUE(pieces_[0].empty());
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(DOSOutputsTest, TheProgramGetsAnEmptyStandardInput) { EXPECT_EQ(Run("stdin"), "0\n"); }

TEST_F(DOSOutputsTest, FailuresShowTheirMessageAndDeliverNothing) {
  const std::string notExecutable = PlaceHelper("plain/helper", fs::perms(0644));
  const std::string planted = PlaceHelper("open/helper");
  fs::permissions(fs::path(planted).parent_path(), fs::perms(0777));
  const struct {
    std::string commandLine;
    std::string message;
  } cases[] = {
      {"", "Command Line empty"},
      {"   ", "File or command not found"},
      {sandbox_ / "missing -b1 -g8", "File or command not found"},
      {notExecutable + " silent", "File or command not found"},
      {planted + " silent", "Not started: other users can change " + planted + " or its folder"},
  };
  for (const auto& c : cases) {
    messages_.shown.clear();
    pieces_.clear();
    runner::DOSOutputs runner;
    QObject::connect(&runner, &runner::DOSOutputs::ReceiveOutputs,
                     [this](const std::string& piece) { pieces_.push_back(piece); });
    runner.SetCommandLine(c.commandLine);
    EXPECT_EQ(runner.ExecuteCommand(), "") << c.commandLine;
    ASSERT_EQ(messages_.shown.size(), 1u) << c.commandLine;
    EXPECT_EQ(messages_.shown[0].text, c.message);
    EXPECT_EQ(messages_.shown[0].icon, platform::MsgIcon::Critical);
    EXPECT_TRUE(pieces_.empty()) << c.commandLine;
    EXPECT_EQ(runner.CommandLine(), c.commandLine) << "kept after the failure";
  }
}

TEST_F(DOSOutputsTest, APipeThatCannotBeMadeShowsTheSystemError) {
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  const int lowestFree = dup(0);
  ASSERT_GE(lowestFree, 0);
  close(lowestFree);
  rlimit none = saved;
  none.rlim_cur = static_cast<rlim_t>(lowestFree);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &none), 0);
  const std::string output = Run("interleave");
  setrlimit(RLIMIT_NOFILE, &saved);

  EXPECT_EQ(output, "");
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "CreatePipe failed. Error: " + std::to_string(EMFILE));
  EXPECT_TRUE(pieces_.empty());
}

TEST_F(DOSOutputsTest, AnUnquotedPathWithBlanksIsResolvedOverItsPrefixes) {
  helper_ = PlaceHelper("dir with blanks/console helper");
  EXPECT_EQ(Run("arguments one \"two words\""), "one\ntwo words\n");
  EXPECT_EQ(runner_.CommandLine(), helper_ + " arguments one \"two words\"")
      << "passed unchanged, without quotes";
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(DOSOutputsTest, TheStoredCommandLineServesAnEmptyArgument) {
  runner_.SetCommandLine(helper_ + " arguments first");
  EXPECT_EQ(runner_.ExecuteCommand(), "first\n");
  EXPECT_EQ(runner_.ExecuteCommand(helper_ + " arguments second"), "second\n");
  EXPECT_EQ(runner_.Outputs(), "second\n") << "the second run replaces the first's output";
  EXPECT_EQ(runner_.ExecuteCommand(), "second\n");
}

TEST_F(DOSOutputsTest, TheEndOfOutputEndsTheRunNotTheExit) {
  const std::string release = sandbox_ / "release";
  const std::string output = Run("linger " + release);
  const pid_t helper = static_cast<pid_t>(std::atoi(output.c_str()));
  ASSERT_GT(helper, 0) << output;
  EXPECT_EQ(kill(helper, 0), 0) << "the run returned only after the program ended";
  WriteFile(release, "");
}

TEST_F(DOSOutputsTest, EventsAreDeliveredWhileTheProgramRuns) {
  const std::string release = sandbox_ / "release";
  // Only a timer firing during the run lets the program finish with "released".
  QTimer::singleShot(50, [&] { WriteFile(release, ""); });
  EXPECT_EQ(Run("wait-for " + release), "released\n");
}

// The window's handlers run while a run waits for output, so they may use the runner meanwhile.
// Each run still returns its own whole output.
TEST_F(DOSOutputsTest, ASecondRunFromTheHandlerKeepsBothOutputsWhole) {
  std::string inner;
  bool started = false;
  const auto connection = QObject::connect(
      &runner_, &runner::DOSOutputs::ReceiveOutputs, [&](const std::string& piece) {
        if (!started && !piece.empty()) {
          started = true;
          inner = runner_.ExecuteCommand(helper_ + " arguments inner");
        }
      });
  const std::string outer = Run("long 600");
  QObject::disconnect(connection);
  EXPECT_EQ(inner, "inner\n");
  EXPECT_EQ(outer, std::string(600, 'x') + "\n");
  EXPECT_EQ(runner_.Outputs(), outer) << "the run that ended last";
}

// A window closing during a run deletes the runner later, never while the run waits on it.
TEST_F(DOSOutputsTest, TheOwnerClosingDuringARunDeletesTheRunnerAfterIt) {
  auto* owned = new runner::DOSOutputs;
  QPointer<runner::DOSOutputs> alive(owned);
  std::size_t pieces = 0;
  QObject::connect(owned, &runner::DOSOutputs::ReceiveOutputs, [&](const std::string&) {
    if (pieces++ == 0) {
      owned->deleteLater();
    }
  });
  const std::string output = owned->ExecuteCommand(helper_ + " long 600");
  ASSERT_FALSE(alive.isNull()) << "deleted while its run was waiting";
  EXPECT_EQ(output, std::string(600, 'x') + "\n");
  EXPECT_GE(pieces, 4u);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull()) << "deleted once the run returned";
}

}  // namespace
