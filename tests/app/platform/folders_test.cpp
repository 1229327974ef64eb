#include "folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "environment.h"
#include "host.h"
#include "sandbox.h"

namespace {

TEST(Environment, NamesMatchWithoutRegardToCaseExactSpellingFirst) {
  ScopedEnvironment lower("vantora_test_name", std::string("lower"));
  EXPECT_EQ(platform::EnvironmentValue("VANTORA_TEST_NAME"), "lower");
  ScopedEnvironment exact("VANTORA_TEST_NAME", std::string("exact"));
  EXPECT_EQ(platform::EnvironmentValue("VANTORA_TEST_NAME"), "exact");
  EXPECT_EQ(platform::EnvironmentValue("VANTORA_TEST_UNSET_NAME"), "");
}

TEST(Environment, ModuleValuesFollowTheirVariables) {
  ScopedEnvironment computer("Computername", std::string("BENCH-PC"));
  ScopedEnvironment cores("NUMBER_OF_PROCESSORS", std::string("12"));
  EXPECT_EQ(platform::ComputerName(), "BENCH-PC");
  EXPECT_EQ(platform::CoreCount(), "12");
}

TEST(Environment, HostDefaultsWithoutVariables) {
  ScopedEnvironment computer("Computername", std::nullopt);
  ScopedEnvironment cores("NUMBER_OF_PROCESSORS", std::nullopt);
  char host[256] = {};
  ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
  EXPECT_EQ(platform::ComputerName(), host);
  EXPECT_EQ(platform::CoreCount(), std::to_string(::sysconf(_SC_NPROCESSORS_ONLN)));
}

TEST(Folders, WinDirIsTheVariableElseThePrivateDataFolder) {
  Sandbox sandbox;
  ScopedEnvironment dataHome("XDG_DATA_HOME", sandbox / "share");
  {
    ScopedEnvironment winDir("WinDir", sandbox / "Windows");
    EXPECT_EQ(platform::WinDir().path, sandbox / "Windows");
  }
  ScopedEnvironment winDir("WinDir", std::nullopt);
  const std::string data = sandbox / "share/vantora";
  EXPECT_EQ(platform::WinDir().path, data);
  struct stat info {};
  ASSERT_EQ(::stat(data.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(Folders, SysFolderIsSyswow64OnlyWhenSuchAFolderExists) {
  Sandbox sandbox;
  EXPECT_EQ(platform::SysFolder(sandbox.path()), "System32");
  WriteFile(sandbox / "SysWOW64", "a file does not count");
  EXPECT_EQ(platform::SysFolder(sandbox.path()), "System32");
  Sandbox other;
  ASSERT_EQ(::mkdir((other / "SYSWOW64").c_str(), 0700), 0);
  EXPECT_EQ(platform::SysFolder(other.path()), "Syswow64");
}

TEST(Folders, ProgramFolderHoldsThisTest) {
  char self[4096] = {};
  ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
  const std::string executable(self);
  EXPECT_EQ(platform::ProgramFolder(), executable.substr(0, executable.find_last_of('/')));
}

TEST(Folders, ProgramWriteFolderNeedsAFolderOnlyTheUserWrites) {
  Sandbox sandbox;
  const std::string data = sandbox / "data";
  const std::string own = sandbox / "own";
  const std::string open = sandbox / "open";
  ASSERT_EQ(::mkdir(own.c_str(), 0755), 0);
  ASSERT_EQ(::mkdir(open.c_str(), 0700), 0);
  ::chmod(open.c_str(), 0777);
  EXPECT_EQ(platform::ProgramWriteFolder(own, data), own);
  EXPECT_EQ(platform::ProgramWriteFolder(open, data), data);
  EXPECT_EQ(platform::ProgramWriteFolder(sandbox / "missing", data), data);
  if (::geteuid() != 0) {
    const std::string readOnly = sandbox / "installed";
    ASSERT_EQ(::mkdir(readOnly.c_str(), 0555), 0);
    EXPECT_EQ(platform::ProgramWriteFolder(readOnly, data), data);
  }
}

}  // namespace
