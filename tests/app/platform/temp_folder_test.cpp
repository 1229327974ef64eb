#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "folders.h"
#include "private_folder.h"
#include "sandbox.h"
#include "trusted_location.h"

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

std::string UserFolderName() { return "vantora-" + std::to_string(::geteuid()); }

class TempFolderTest : public ::testing::Test {
 protected:
  Sandbox sandbox;
  ScopedEnvironment runtime{"XDG_RUNTIME_DIR", std::nullopt};
  ScopedEnvironment tmpdir{"TMPDIR", std::nullopt};
};

TEST_F(TempFolderTest, PrivateTempIsUsedAsItIs) {
  ::chmod(sandbox.path().c_str(), 0700);
  ScopedEnvironment temp("TEMP", sandbox.path());
  const platform::FolderResult folder = platform::TempFolder();
  EXPECT_EQ(folder.path, sandbox.path());
  EXPECT_TRUE(folder.error.empty());
}

TEST_F(TempFolderTest, MissingTempIsCreatedPrivate) {
  const std::string temp = sandbox / "Temp";
  ScopedEnvironment variable("TEMP", temp);
  EXPECT_EQ(platform::TempFolder().path, temp);
  EXPECT_EQ(ModeOf(temp), 0700u);
}

TEST_F(TempFolderTest, TempOthersCanWriteGetsPrivateSubfolder) {
  const std::string shared = sandbox / "shared";
  ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
  ::chmod(shared.c_str(), 01777);
  ScopedEnvironment temp("TEMP", shared);
  const std::string expected = shared + "/" + UserFolderName();
  EXPECT_EQ(platform::TempFolder().path, expected);
  EXPECT_EQ(ModeOf(expected), 0700u);
  // A second start finds its own folder again.
  EXPECT_EQ(platform::TempFolder().path, expected);
}

TEST_F(TempFolderTest, PlantedLinkInSharedTempIsPassedOver) {
  const std::string shared = sandbox / "shared";
  const std::string attacker = sandbox / "attacker";
  ASSERT_EQ(::mkdir(shared.c_str(), 01777), 0);
  ::chmod(shared.c_str(), 01777);
  ASSERT_EQ(::mkdir(attacker.c_str(), 0777), 0);
  ASSERT_EQ(::symlink(attacker.c_str(), (shared + "/" + UserFolderName()).c_str()), 0);
  ScopedEnvironment temp("TEMP", shared);
  ScopedEnvironment fallback("TMPDIR", sandbox.path());
  EXPECT_EQ(platform::TempFolder().path, sandbox / UserFolderName());
}

// A private TEMP inside a folder others can write (0775) is no place to run the engine from:
// another user could rename it away and plant their own. The engine's rule and TEMP's agree.
TEST_F(TempFolderTest, PrivateTempBelowAFolderOthersCanWriteIsPassedOver) {
  const std::string group = sandbox / "group";
  ASSERT_EQ(::mkdir(group.c_str(), 0700), 0);
  ::chmod(group.c_str(), 0775);
  const std::string temp = group + "/Temp";
  ASSERT_EQ(::mkdir(temp.c_str(), 0700), 0);
  ScopedEnvironment variable("TEMP", temp);
  ScopedEnvironment fallback("TMPDIR", sandbox.path());
  const std::string chosen = platform::TempFolder().path;
  EXPECT_EQ(chosen, sandbox / UserFolderName());
  EXPECT_TRUE(platform::IsTrustedFolder(chosen));
  EXPECT_FALSE(platform::IsTrustedFolder(temp));
}

TEST_F(TempFolderTest, FolderOfAnotherUserIsRefused) {
  if (::geteuid() != 0) {
    GTEST_SKIP() << "handing a folder to another user needs root";
  }
  const std::string foreign = sandbox / "foreign";
  ASSERT_EQ(::mkdir(foreign.c_str(), 0700), 0);
  ASSERT_EQ(::chown(foreign.c_str(), 4242, 4242), 0);
  std::string error;
  EXPECT_FALSE(platform::EnsurePrivateFolder(foreign, error));
  EXPECT_NE(error.find("another user"), std::string::npos) << error;
}

TEST_F(TempFolderTest, ExistingOpenFolderIsMadePrivate) {
  const std::string folder = sandbox / "open";
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  ::chmod(folder.c_str(), 0777);
  std::string error;
  EXPECT_TRUE(platform::EnsurePrivateFolder(folder, error)) << error;
  EXPECT_EQ(ModeOf(folder), 0700u);
}

TEST_F(TempFolderTest, WithoutTempTheRuntimeFolderThenTmpdirServe) {
  ScopedEnvironment temp("TEMP", std::nullopt);
  const std::string runtimeFolder = sandbox / "run";
  ASSERT_EQ(::mkdir(runtimeFolder.c_str(), 0700), 0);
  {
    ScopedEnvironment runtimeDir("XDG_RUNTIME_DIR", runtimeFolder);
    EXPECT_EQ(platform::TempFolder().path, runtimeFolder + "/vantora");
  }
  ScopedEnvironment tmp("TMPDIR", sandbox.path());
  EXPECT_EQ(platform::TempFolder().path, sandbox / UserFolderName());
}

}  // namespace
