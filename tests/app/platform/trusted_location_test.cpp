#include "trusted_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "sandbox.h"

namespace {

// A program file at sandbox/<folder>/prog with the given modes.
std::string PlaceProgram(const Sandbox& sandbox, const std::string& folder, mode_t folderMode,
                         mode_t fileMode) {
  const std::string dir = sandbox / folder;
  EXPECT_EQ(::mkdir(dir.c_str(), 0700), 0);
  const std::string program = dir + "/prog";
  WriteFile(program, "#!/bin/sh\n");
  EXPECT_EQ(::chmod(program.c_str(), fileMode), 0);
  EXPECT_EQ(::chmod(dir.c_str(), folderMode), 0);
  return program;
}

TEST(TrustedLocation, FoldersOthersCanWriteAreRefused) {
  Sandbox sandbox;
  const struct {
    const char* folder;
    mode_t folderMode;
    mode_t fileMode;
    bool trusted;
  } cases[] = {
      {"private", 0700, 0755, true},         {"shared-readable", 0755, 0700, true},
      {"world-writable", 0777, 0755, false}, {"group-writable", 0775, 0755, false},
      {"sticky", 01777, 0755, false},  // as /tmp: another user could have planted the file
      {"file-writable", 0700, 0757, false},  {"file-group-writable", 0700, 0775, false},
  };
  for (const auto& c : cases) {
    const std::string program = PlaceProgram(sandbox, c.folder, c.folderMode, c.fileMode);
    EXPECT_EQ(platform::TrustedProgramPath(program).has_value(), c.trusted) << c.folder;
  }
}

TEST(TrustedLocation, StickyFoldersAboveProtectOurOwnEntries) {
  Sandbox sandbox;
  ASSERT_EQ(::mkdir((sandbox / "shared").c_str(), 0700), 0);
  ASSERT_EQ(::mkdir((sandbox / "shared/mine").c_str(), 0700), 0);
  const std::string program = sandbox / "shared/mine/prog";
  WriteFile(program, "x");
  ASSERT_EQ(::chmod(program.c_str(), 0755), 0);

  ASSERT_EQ(::chmod((sandbox / "shared").c_str(), 01777), 0);
  EXPECT_EQ(platform::TrustedProgramPath(program), program);
  ASSERT_EQ(::chmod((sandbox / "shared").c_str(), 0777), 0);
  EXPECT_FALSE(platform::TrustedProgramPath(program)) << "others could rename our folder away";
}

TEST(TrustedLocation, LinksResolveToTheFileThatRuns) {
  Sandbox sandbox;
  const std::string program = PlaceProgram(sandbox, "private", 0700, 0755);
  ASSERT_EQ(::mkdir((sandbox / "open").c_str(), 0777), 0);
  ASSERT_EQ(::chmod((sandbox / "open").c_str(), 0777), 0);
  ASSERT_EQ(::symlink(program.c_str(), (sandbox / "open/link").c_str()), 0);
  EXPECT_EQ(platform::TrustedProgramPath(sandbox / "open/link"), program);

  ASSERT_EQ(::mkdir((sandbox / "elsewhere").c_str(), 0700), 0);
  ASSERT_EQ(::symlink((sandbox / "open").c_str(), (sandbox / "elsewhere/dir").c_str()), 0);
  WriteFile(sandbox / "open/planted", "x");
  ASSERT_EQ(::chmod((sandbox / "open/planted").c_str(), 0755), 0);
  EXPECT_FALSE(platform::TrustedProgramPath(sandbox / "elsewhere/dir/planted"));
}

TEST(TrustedLocation, AnotherUsersFileIsRefused) {
  Sandbox sandbox;
  const std::string program = PlaceProgram(sandbox, "private", 0700, 0755);
  if (::chown(program.c_str(), 4242, static_cast<gid_t>(-1)) != 0) {
    GTEST_SKIP() << "giving a file away needs administrator rights";
  }
  EXPECT_FALSE(platform::TrustedProgramPath(program));
}

TEST(TrustedLocation, OnlyRegularFilesQualify) {
  Sandbox sandbox;
  EXPECT_FALSE(platform::TrustedProgramPath(sandbox.path()));
  EXPECT_FALSE(platform::TrustedProgramPath(sandbox / "missing"));
  EXPECT_FALSE(platform::TrustedProgramPath(""));
}

}  // namespace
