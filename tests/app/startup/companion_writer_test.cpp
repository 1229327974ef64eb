#include "companion_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "sandbox.h"

namespace startup {
extern const HexText kCarriedSampleText;
}  // namespace startup

namespace {

using namespace startup;

namespace fs = std::filesystem;

const CompanionFile kSample{"RAM.exe", CompanionFolder::TempFolder, kCarriedSampleText};

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(CompanionWriter, TheGeneratedHexTextIsTheBuiltFile) {
  for (std::size_t i = 0; i + 1 < kCarriedSampleText.count; ++i) {
    ASSERT_EQ(std::strlen(kCarriedSampleText.chunks[i]), kHexChunkLength) << "chunk " << i;
  }
  const auto decoded = DecodeHexText(kCarriedSampleText);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(std::string(decoded->begin(), decoded->end()), ReadFile(CARRIED_SAMPLE));
}

TEST(CompanionWriter, WritesAByteExactExecutableCopy) {
  Sandbox sandbox;
  const mode_t savedMask = ::umask(077);
  WriteCompanionFile(kSample, sandbox.path());
  ::umask(savedMask);
  EXPECT_EQ(Entries(sandbox.path()), std::vector<std::string>{"RAM.exe"});
  EXPECT_EQ(ReadFile(sandbox / "RAM.exe"), ReadFile(CARRIED_SAMPLE));
  EXPECT_EQ(fs::status(sandbox / "RAM.exe").permissions(), fs::perms(0755));
}

TEST(CompanionWriter, AnExistingFileOfThatNameIsLeftUntouched) {
  for (const char* existing : {"RAM.exe", "ram.exe", "RAM.EXE"}) {
    for (const char* content : {"", "an older engine"}) {
      Sandbox sandbox;
      WriteFile(sandbox / existing, content);
      WriteCompanionFile(kSample, sandbox.path());
      EXPECT_EQ(Entries(sandbox.path()), std::vector<std::string>{existing});
      EXPECT_EQ(ReadFile(sandbox / existing), content) << existing;
    }
  }
}

TEST(CompanionWriter, AFolderOfThatNameIsNotTheFile) {
  Sandbox sandbox;
  fs::create_directory(sandbox / "RAM.exe");
  WriteCompanionFile(kSample, sandbox.path());
  EXPECT_TRUE(fs::is_directory(sandbox / "RAM.exe"));
  EXPECT_EQ(Entries(sandbox.path()), std::vector<std::string>{"RAM.exe"}) << "nothing left over";

  fs::rename(sandbox / "RAM.exe", sandbox / "ram.exe");
  WriteCompanionFile(kSample, sandbox.path());
  EXPECT_EQ(ReadFile(sandbox / "RAM.exe"), ReadFile(CARRIED_SAMPLE));
}

TEST(CompanionWriter, AFailedWriteLeavesNoPartialFile) {
  Sandbox sandbox;
  const auto size = static_cast<rlim_t>(fs::file_size(CARRIED_SAMPLE));
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = size / 2;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  WriteCompanionFile(kSample, sandbox.path());
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_TRUE(Entries(sandbox.path()).empty());

  WriteCompanionFile(kSample, sandbox.path());
  EXPECT_EQ(ReadFile(sandbox / "RAM.exe"), ReadFile(CARRIED_SAMPLE)) << "written at the next try";
}

TEST(CompanionWriter, NothingIsWrittenFromMalformedHexTextOrIntoAMissingFolder) {
  Sandbox sandbox;
  const char* const chunks[] = {"4D5A", "0A"};
  const HexText malformed{chunks, 2};
  WriteCompanionFile(CompanionFile{"Bad.exe", CompanionFolder::TempFolder, malformed},
                     sandbox.path());
  EXPECT_TRUE(Entries(sandbox.path()).empty());

  WriteCompanionFile(kSample, sandbox / "missing");
  EXPECT_FALSE(fs::exists(sandbox / "missing"));
}

TEST(CompanionWriter, EachFileGoesToItsOwnFolder) {
  Sandbox sandbox;
  const ScopedEnvironment temp("TEMP", sandbox / "temp");
  const ScopedEnvironment winDir("WinDir", sandbox / "win");
  fs::create_directory(sandbox / "win");

  WriteCompanionFile(kSample);
  EXPECT_EQ(ReadFile(sandbox / "temp/RAM.exe"), ReadFile(CARRIED_SAMPLE));

  const CompanionFile tool{"SystemInfo.exe", CompanionFolder::SystemFolder, kCarriedSampleText};
  WriteCompanionFile(tool);
  EXPECT_EQ(ReadFile(sandbox / "win/System32/SystemInfo.exe"), ReadFile(CARRIED_SAMPLE));
  EXPECT_EQ(fs::status(sandbox / "win/System32").permissions(), fs::perms(0700));

  fs::create_directory(sandbox / "win/SysWOW64");
  WriteCompanionFile(tool);
  EXPECT_EQ(ReadFile(sandbox / "win/SysWOW64/SystemInfo.exe"), ReadFile(CARRIED_SAMPLE))
      << "the existing folder, in its own spelling";
}

}  // namespace
