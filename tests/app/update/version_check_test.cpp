// GetVer against a download site on 127.0.0.1, the updater replaced by a stub that records how it
// was started.

#include "version_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "download_site.h"
#include "recorded_messages.h"
#include "sandbox.h"
#include "test_http_server.h"
#include "timing.h"

namespace {

namespace fs = std::filesystem;

// A companion file carried the way the program carries Ambrel.exe, built from text at run time.
class CarriedText {
 public:
  explicit CarriedText(const std::string& content)
      : chunks_(startup::EncodeHexText({content.begin(), content.end()})) {
    for (const std::string& chunk : chunks_) {
      pointers_.push_back(chunk.c_str());
    }
    text_ = {pointers_.data(), pointers_.size()};
  }
  const startup::HexText& text() const { return text_; }

 private:
  std::vector<std::string> chunks_;
  std::vector<const char*> pointers_;
  startup::HexText text_{};
};

// The stand-in updater: leaves "<its path>.ran" holding its working folder and its arguments.
const CarriedText kStubUpdater(
    "#!/bin/sh\n"
    "{ pwd; echo \"$@\"; } > \"$0.running\" && mv \"$0.running\" \"$0.ran\"\n");
const startup::CompanionFile kAmbrel{"Ambrel.exe", startup::CompanionFolder::ProgramFolder,
                                     kStubUpdater.text()};

const std::string kProgram = "#!/bin/sh\necho 0.10\n";

class GetVer : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(state_.TempFolder);
    fs::create_directory(state_.ProgramFolder);
    WriteFile(state_.ProgramFolder + "/vantora", kProgram);
    ::chmod((state_.ProgramFolder + "/vantora").c_str(), 0755);
  }

  void ServeVersion(const std::string& fileName, TestHttpServer::Reply reply) {
    server_.Serve("/Performance/" + fileName, std::move(reply));
  }
  void ServeVersion(const std::string& text) {
    ServeVersion("VantoraVersion.Dat", {200, text, 0, std::nullopt});
  }

  std::string Program(const std::string& name) const { return state_.ProgramFolder + "/" + name; }
  std::string VersionFile() const { return state_.TempFolder + "/MVersion.Dat"; }

  // What the stub updater recorded, once it is there.
  std::string UpdaterRun() const {
    const std::string ran = Program("Ambrel.exe.ran");
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(ran) && std::chrono::steady_clock::now() < giveUp) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return ReadFile(ran);
  }

  Sandbox sandbox_;
  TestHttpServer server_;
  ScopedEnvironment site_{"VANTORA_DOWNLOAD_SITE", server_.Address()};
  state::ProgramState state_ = [this] {
    state::ProgramState state;
    state.TempFolder = sandbox_ / "temp";
    state.ProgramFolder = sandbox_ / "program";
    state.ProgramWriteFolder = state.ProgramFolder;
    return state;
  }();
  update::VersionCheck check_;
  RecordedMessages prompts_;
};

struct RemoteVersion {
  const char* name;
  TestHttpServer::Reply reply;
  bool prompts;
  const char* storedAs;  // what MVersion.Dat then holds; nullptr: nothing
};

void PrintTo(const RemoteVersion& remote, std::ostream* out) { *out << remote.name; }

class GetVerVersions : public GetVer, public testing::WithParamInterface<RemoteVersion> {};

TEST_P(GetVerVersions, PromptsOnlyForANewerVersion) {
  const RemoteVersion& remote = GetParam();
  ServeVersion("VantoraVersion.Dat", remote.reply);

  EXPECT_EQ(check_.GetVer(state_, kAmbrel), update::NextStep::ContinueStartUp);
  EXPECT_EQ(prompts_.shown.size(), remote.prompts ? 1u : 0u);
  if (remote.storedAs != nullptr) {
    EXPECT_EQ(ReadFile(VersionFile()), remote.storedAs);
  } else {
    EXPECT_FALSE(fs::exists(VersionFile()));
  }
  EXPECT_EQ(check_.url1, server_.Address() + "/Performance/VantoraVersion.Dat");
  EXPECT_EQ(check_.url2, VersionFile());
  // Answered No: nothing else happened.
  EXPECT_FALSE(fs::exists(Program("Ambrel.exe")));
  EXPECT_FALSE(fs::exists(Program("vantora0.10")));
}

const RemoteVersion kRemoteVersions[] = {
    {"Newer", {200, "0.11\r\n", 0, std::nullopt}, true, "0.11\r\n"},
    {"Same", {200, "0.10\r\n", 0, std::nullopt}, false, "0.10\r\n"},
    {"Older", {200, "0.09", 0, std::nullopt}, false, "0.09"},
    {"OnePointZeroAndLineFeed", {200, "1.0\n", 0, std::nullopt}, false, "1.0\n"},
    {"OnePointZeroAndCrLf", {200, "1.0\r\n", 0, std::nullopt}, false, "1.0\r\n"},
    {"ErrorPageServedAsTheFile",
     {200, "<html><body>Not Found</body></html>", 0, std::nullopt},
     false,
     "<html><body>Not Found</body></html>"},
    {"ErrorStatus", {404, "<html><body>Not Found</body></html>", 0, std::nullopt}, false, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Remote, GetVerVersions, testing::ValuesIn(kRemoteVersions),
                         [](const testing::TestParamInfo<RemoteVersion>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(GetVer, YesKeepsACopyStartsTheUpdaterWithUAndEndsTheProcess) {
  ServeVersion("0.11\r\n");
  prompts_.yesNoAnswer = platform::MsgAnswer::Yes;

  EXPECT_EQ(check_.GetVer(state_, kAmbrel), update::NextStep::EndProcess);
  ASSERT_EQ(prompts_.shown.size(), 1u);
  EXPECT_EQ(prompts_.Titled()[0],
            "Update: An update is available for Vantora, would you like to update now?");
  EXPECT_EQ(prompts_.shown[0].buttons, platform::MsgButtons::YesNo);
  EXPECT_EQ(UpdaterRun(), state_.ProgramFolder + "\n-U\n");
  EXPECT_EQ(ReadFile(Program("vantora0.10")), kProgram);
  EXPECT_EQ(fs::status(Program("vantora0.10")).permissions(),
            fs::status(Program("vantora")).permissions());
}

TEST_F(GetVer, YesInThePellistoEditionUsesItsFilesAndR) {
  fs::create_symlink("vantora", Program("pellisto"));
  WriteFile(Program("pellisto0.10"), "an earlier copy");
  ServeVersion("PellistoVersion.Dat", {200, "0.11", 0, std::nullopt});
  state_.Edition = 1;
  prompts_.yesNoAnswer = platform::MsgAnswer::Yes;

  EXPECT_EQ(check_.GetVer(state_, kAmbrel), update::NextStep::EndProcess);
  ASSERT_EQ(prompts_.shown.size(), 1u);
  EXPECT_NE(prompts_.Titled()[0].find("available for Pellisto,"), std::string::npos);
  EXPECT_EQ(UpdaterRun(), state_.ProgramFolder + "\n-R\n");
  // The copy is the program the link leads to, replacing the earlier copy.
  EXPECT_FALSE(fs::is_symlink(Program("pellisto0.10")));
  EXPECT_EQ(ReadFile(Program("pellisto0.10")), kProgram);
  EXPECT_EQ(server_.RequestsFor("/Performance/VantoraVersion.Dat"), 0);
}

TEST_F(GetVer, AnUpdaterThatCannotStartLeavesTheProgramRunning) {
  // An Ambrel.exe already there is used as found, and this one cannot be run.
  WriteFile(Program("Ambrel.exe"), "not a program");
  ServeVersion("0.11");
  prompts_.yesNoAnswer = platform::MsgAnswer::Yes;

  EXPECT_EQ(check_.GetVer(state_, kAmbrel), update::NextStep::ContinueStartUp);
  EXPECT_EQ(prompts_.shown.size(), 1u);
  EXPECT_EQ(ReadFile(Program("Ambrel.exe")), "not a program");
}

TEST_F(GetVer, WithoutServerOrEarlierFileGoesOnWithoutAsking) {
  ScopedEnvironment closed("VANTORA_DOWNLOAD_SITE", TestHttpServer::ClosedAddress());
  EXPECT_EQ(check_.GetVer(state_, kAmbrel), update::NextStep::ContinueStartUp);
  EXPECT_TRUE(prompts_.shown.empty());
  EXPECT_FALSE(fs::exists(VersionFile()));
}

TEST_F(GetVer, ASlowSiteLeavesTheCheckToTheEarlierFileAndServesTheNextStart) {
  WriteFile(VersionFile(), "0.10\r\n");
  ServeVersion("VantoraVersion.Dat", {200, "0.11\r\n", 1500, std::nullopt});

  EXPECT_EQ(check_.GetVer(state_, kAmbrel), update::NextStep::ContinueStartUp);
  EXPECT_TRUE(prompts_.shown.empty());
  EXPECT_EQ(ReadFile(VersionFile()), "0.10\r\n");

  // The transfer still completes, for the next start.
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (ReadFile(VersionFile()) != "0.11\r\n" && std::chrono::steady_clock::now() < giveUp) {
    runner::Delay(20);
  }
  EXPECT_EQ(ReadFile(VersionFile()), "0.11\r\n");
  server_.Remove("/Performance/VantoraVersion.Dat");
  EXPECT_EQ(check_.GetVer(state_, kAmbrel), update::NextStep::ContinueStartUp);
  EXPECT_EQ(prompts_.shown.size(), 1u);
}

TEST_F(GetVer, WithoutADownloadSiteNothingIsFetchedOrChecked) {
  ScopedEnvironment noSite("VANTORA_DOWNLOAD_SITE", std::nullopt);
  if (!updater::DownloadSite().empty()) {
    GTEST_SKIP() << "this build names a download site of its own";
  }
  WriteFile(VersionFile(), "0.11\r\n");
  EXPECT_EQ(check_.GetVer(state_, kAmbrel), update::NextStep::ContinueStartUp);
  EXPECT_TRUE(prompts_.shown.empty());
  EXPECT_TRUE(server_.Requests().empty());
}

}  // namespace
