#include "file_lookup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "sandbox.h"

namespace {

using platform::EntryKind;

TEST(FileLookup, NamesMatchInAnyCaseAndComeBackAsOnDisk) {
  Sandbox sandbox;
  WriteFile(sandbox / "RAM.exe", "engine");
  ASSERT_EQ(::mkdir((sandbox / "Full Test").c_str(), 0700), 0);

  const struct {
    const char* name;
    EntryKind kind;
    const char* found;  // nullptr: not found
  } cases[] = {
      {"ram.exe", EntryKind::Any, "RAM.exe"},
      {"RAM.EXE", EntryKind::File, "RAM.exe"},
      {"RAM.exe", EntryKind::File, "RAM.exe"},
      {"ram.exe", EntryKind::Folder, nullptr},
      {"full test", EntryKind::Folder, "Full Test"},
      {"FULL TEST", EntryKind::Any, "Full Test"},
      {"full test", EntryKind::File, nullptr},
      {"ram.ex", EntryKind::Any, nullptr},
      {"", EntryKind::Any, nullptr},
      {"..", EntryKind::Any, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto found = platform::FindInFolder(sandbox.path(), c.name, c.kind);
    if (c.found == nullptr) {
      EXPECT_FALSE(found.has_value()) << *found;
    } else {
      EXPECT_EQ(found.value_or("(none)"), sandbox / c.found);
    }
  }
}

TEST(FileLookup, ExactSpellingWinsThenTheFirstInByteOrder) {
  Sandbox sandbox;
  WriteFile(sandbox / "ram.exe", "lower");
  WriteFile(sandbox / "Ram.exe", "mixed");
  WriteFile(sandbox / "RAM.exe", "upper");
  EXPECT_EQ(platform::FindInFolder(sandbox.path(), "Ram.exe"), sandbox / "Ram.exe");
  EXPECT_EQ(platform::FindInFolder(sandbox.path(), "rAM.exe"), sandbox / "RAM.exe");
}

TEST(FileLookup, WholePathMatchesItsLastComponent) {
  Sandbox sandbox;
  WriteFile(sandbox / "SystemInfo.exe", "");
  EXPECT_EQ(platform::FindPath(sandbox / "systeminfo.exe", EntryKind::File),
            sandbox / "SystemInfo.exe");
  EXPECT_FALSE(platform::FindPath(sandbox / "missing/systeminfo.exe").has_value());
  EXPECT_FALSE(platform::FindPath(sandbox.path() + "/").has_value());
}

}  // namespace
