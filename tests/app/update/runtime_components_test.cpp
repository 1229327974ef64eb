// The start-up step for missing runtime components, against a download site on 127.0.0.1 and a
// maker's key made in the test.

#include "runtime_components.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "recorded_messages.h"
#include "sandbox.h"
#include "signing_key.h"
#include "test_http_server.h"

namespace {

namespace fs = std::filesystem;

// The stand-in installer: leaves "installer-ran" holding its working folder there.
const std::string kInstaller =
    "#!/bin/sh\npwd > .installer-running && mv .installer-running installer-ran\n";

class RuntimeComponents : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(state_.WinDir + "/system32/qt6");
    fs::create_directory(state_.TempFolder);
    ::chmod(state_.TempFolder.c_str(), 0700);
    fs::create_directory(state_.ProgramFolder);
    for (const char* name : {"libvantora-runtime.so", "OLE32.DLL", "qt6/widgets.so"}) {
      WriteFile(state_.WinDir + "/system32/" + name, "component");
    }
    fs::create_directory(state_.WinDir + "/system32/richtx32.ocx");  // a folder counts too
  }

  void ServeInstaller(const std::string& signature) {
    server_.Serve("/RuntimeSetup.exe", kInstaller);
    server_.Serve("/RuntimeSetup.exe.sig", signature);
  }

  update::NextStep Check(const std::vector<std::string>& required) {
    return update::CheckRuntimeComponents(state_, required, data_, maker_.Public(), kFastPolling);
  }

  // What the installer left, once it is there; empty when it did not run within a while.
  std::string InstallerRun(std::chrono::milliseconds patience = std::chrono::seconds(10)) const {
    const std::string ran = state_.ProgramFolder + "/installer-ran";
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (!fs::exists(ran) && std::chrono::steady_clock::now() < giveUp) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return ReadFile(ran);
  }

  static constexpr update::RuntimePolling kFastPolling{50, 20, 50};
  const std::vector<std::string> kAllThere{"libvantora-runtime.so", "ole32.dll", "richtx32.ocx",
                                           "qt6/widgets.so"};
  const std::vector<std::string> kOneMissing{"libvantora-runtime.so", "ole32.dll", "shell32.dll",
                                             "richtx32.ocx"};

  Sandbox sandbox_;
  TestHttpServer server_;
  ScopedEnvironment site_{"VANTORA_DOWNLOAD_SITE", server_.Address()};
  state::ProgramState state_ = [this] {
    state::ProgramState state;
    state.WinDir = sandbox_ / "windows";
    state.SysFolder = "System32";
    state.TempFolder = sandbox_ / "temp";
    state.ProgramFolder = sandbox_ / "program";
    state.ProgramWriteFolder = state.ProgramFolder;
    return state;
  }();
  const updater::SigningKey maker_ = updater::SigningKey::Generate();
  update::frmData data_;
  RecordedMessages messages_;
};

TEST_F(RuntimeComponents, AllPresentGoesOnWithoutAMessage) {
  ServeInstaller(maker_.Sign(kInstaller));
  EXPECT_EQ(Check(kAllThere), update::NextStep::ContinueStartUp);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(server_.Requests().empty());
}

// On Linux the components are the shared libraries the program loaded, named by their paths.
TEST_F(RuntimeComponents, AbsolutePathsAreLookedForWhereTheyPoint) {
  ServeInstaller(maker_.Sign(kInstaller));
  WriteFile(sandbox_ / "libQt6Core.so.6", "");
  EXPECT_EQ(Check({sandbox_ / "libQt6Core.so.6", "ole32.dll"}), update::NextStep::ContinueStartUp);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(Check({sandbox_ / "libQt6Gui.so.6"}), update::NextStep::EndProcess);
}

TEST_F(RuntimeComponents, AMissingOneFetchesTheSignedInstallerAndStartsIt) {
  ServeInstaller(maker_.Sign(kInstaller));
  EXPECT_EQ(Check(kOneMissing), update::NextStep::EndProcess);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{update::InstallAndRestartMessage()});
  EXPECT_EQ(messages_.shown[0].buttons, platform::MsgButtons::OK);
  EXPECT_EQ(InstallerRun(), state_.ProgramFolder + "\n");
  EXPECT_EQ(ReadFile(state_.ProgramFolder + "/RuntimeSetup.exe"), kInstaller);
  EXPECT_EQ(data_.url1, server_.Address() + "/RuntimeSetup.exe");
  EXPECT_EQ(data_.url2, state_.ProgramFolder + "/RuntimeSetup.exe");
}

TEST_F(RuntimeComponents, NoInstallerArrivingEndsWithTheDownloadAddress) {
  EXPECT_EQ(Check(kOneMissing), update::NextStep::EndProcess);
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{"Files Required for this program to run properly are missing, "
                                     "download from " +
                                     server_.Address() + "/RuntimeSetup.exe"});
  EXPECT_EQ(server_.RequestsFor("/RuntimeSetup.exe"), 1);
  EXPECT_FALSE(fs::exists(state_.ProgramFolder + "/RuntimeSetup.exe"));
}

TEST_F(RuntimeComponents, AnEarlierSignedInstallerIsUsedAtOnce) {
  ScopedEnvironment closed("VANTORA_DOWNLOAD_SITE", TestHttpServer::ClosedAddress());
  WriteFile(state_.ProgramFolder + "/RuntimeSetup.exe", kInstaller);
  WriteFile(state_.ProgramFolder + "/RuntimeSetup.exe.sig", maker_.Sign(kInstaller));
  EXPECT_EQ(Check(kOneMissing), update::NextStep::EndProcess);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{update::InstallAndRestartMessage()});
  EXPECT_EQ(InstallerRun(), state_.ProgramFolder + "\n");
}

TEST_F(RuntimeComponents, AnInstallerNotSignedByTheMakerIsNeverStarted) {
  const updater::SigningKey other = updater::SigningKey::Generate();
  const std::pair<const char*, std::string> signatures[] = {
      {"another key", other.Sign(kInstaller)},
      {"another file", maker_.Sign(kInstaller + "#")},
      {"no signature", ""},
  };
  for (const auto& [name, signature] : signatures) {
    fs::remove(state_.ProgramFolder + "/RuntimeSetup.exe");
    fs::remove(state_.ProgramFolder + "/RuntimeSetup.exe.sig");
    messages_.shown.clear();
    server_.Serve("/RuntimeSetup.exe", kInstaller);
    if (signature.empty()) {
      server_.Remove("/RuntimeSetup.exe.sig");
    } else {
      server_.Serve("/RuntimeSetup.exe.sig", signature);
    }
    EXPECT_EQ(Check(kOneMissing), update::NextStep::EndProcess) << name;
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{update::DownloadFromMessage(server_.Address())})
        << name;
  }
  EXPECT_EQ(InstallerRun(std::chrono::milliseconds(300)), "");
}

}  // namespace
