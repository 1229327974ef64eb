#include "whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "sandbox.h"

namespace {

using platform::FileRead;

std::size_t EntryCount(const std::string& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
    ++count;
  }
  return count;
}

TEST(WholeFile, ReadTellsMissingFromUnreadable) {
  Sandbox sandbox;
  WriteFile(sandbox / "a.dat", "x\r\ny");
  const FileRead ok = platform::ReadWholeFile(sandbox / "a.dat");
  EXPECT_EQ(ok.status, FileRead::Status::Ok);
  EXPECT_EQ(ok.content, "x\r\ny");
  EXPECT_EQ(platform::ReadWholeFile(sandbox / "none.dat").status, FileRead::Status::Missing);
  EXPECT_EQ(platform::ReadWholeFile(sandbox.path()).status, FileRead::Status::Failed);
  // Opens, then fails to read (nothing is mapped at address 0).
  EXPECT_EQ(platform::ReadWholeFile("/proc/self/mem").status, FileRead::Status::Failed);
}

TEST(WholeFile, ReplaceCreatesOrReplacesAndKeepsPermissions) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  ASSERT_TRUE(platform::ReplaceWholeFile(path, "first"));
  EXPECT_EQ(ReadFile(path), "first");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(platform::ReplaceWholeFile(path, "second"));
  EXPECT_EQ(ReadFile(path), "second");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(EntryCount(sandbox.path()), 1u);
}

TEST(WholeFile, ReplaceRefusesAFolderAndAMissingFolder) {
  Sandbox sandbox;
  ASSERT_EQ(::mkdir((sandbox / "Data.dat").c_str(), 0700), 0);
  EXPECT_FALSE(platform::ReplaceWholeFile(sandbox / "Data.dat", "x"));
  EXPECT_FALSE(platform::ReplaceWholeFile(sandbox / "missing/Data.dat", "x"));
  EXPECT_EQ(EntryCount(sandbox.path()), 1u);
}

// The disk fills up half-way through the new content: the old file must survive untouched.
TEST(WholeFile, WriteFailingHalfWayLeavesTheOldFile) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  const std::string old = "[Integer1]\r\n1 Kb=19046418164\r\n";
  WriteFile(path, old);
  const int replaced = ExitCodeWithFileSizeLimit(
      4096, [&] { return platform::ReplaceWholeFile(path, std::string(100000, 'x')) ? 1 : 0; });
  EXPECT_EQ(replaced, 0) << "the write should have failed";
  EXPECT_EQ(ReadFile(path), old);
  EXPECT_EQ(EntryCount(sandbox.path()), 1u) << "the half-written file must be gone";
}

}  // namespace
