#include "package.h"

#include <gtest/gtest.h>

namespace {

const updater::Package kPackage{"Vantora",
                                "0.11",
                                {{"vantora", 0755,
                                  std::string("\x7f"
                                              "ELF\0\n\r binary",
                                              15)},
                                 {"Ambrel.exe", 0700, "updater"},
                                 {"notes.txt", 0644, ""}}};

TEST(Package, BuiltBytesReadBackFileForFile) {
  const updater::PackageRead read = updater::ParsePackage(updater::BuildPackage(kPackage));
  ASSERT_TRUE(read.package) << read.error;
  EXPECT_EQ(read.package->edition, "Vantora");
  EXPECT_EQ(read.package->version, "0.11");
  ASSERT_EQ(read.package->files.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(read.package->files[i].name, kPackage.files[i].name);
    EXPECT_EQ(read.package->files[i].mode, kPackage.files[i].mode);
    EXPECT_EQ(read.package->files[i].content, kPackage.files[i].content);
  }
}

TEST(Package, KeepsOnlyThePermissionBits) {
  const updater::PackageRead read = updater::ParsePackage(
      "VANTORA-PACKAGE 1\nedition Vantora\nversion 0.11\nfile 4755 2 vantora\nend\nab");
  ASSERT_TRUE(read.package) << read.error;
  EXPECT_EQ(read.package->files[0].mode, 0755u);
}

TEST(Package, RefusesWhatIsNotOne) {
  const std::string head = "VANTORA-PACKAGE 1\nedition Vantora\nversion 0.11\n";
  const std::pair<std::string, const char*> cases[] = {
      {"", "not a package"},
      {"<html>Not Found</html>", "not a package"},
      {"VANTORA-PACKAGE 2\n" + head.substr(18) + "file 755 1 a\nend\nx", "not a package"},
      {"VANTORA-PACKAGE 1\nversion 0.11\nedition Vantora\nend\n", "no edition"},
      {"VANTORA-PACKAGE 1\nedition Vantora\nversion 0.1\nend\n", "no version"},
      {head + "file 755 1 a\n", "no end"},
      {head + "end\n", "no files"},
      {head + "file 755 one a\nend\nx", "file line"},
      {head + "file 789 1 a\nend\nx", "file line"},
      {head + "file 755 99999999999999999999999 a\nend\nx", "file line"},
      {head + "file 755 1\nend\nx", "file line"},
      {head + "file 755 1 ../a\nend\nx", "plain file name"},
      {head + "file 755 1 sub/a\nend\nx", "plain file name"},
      {head + "file 755 1 a b\nend\nx", "plain file name"},
      {head + "file 755 1 Vantora\nfile 755 1 vantora\nend\nxy", "twice"},
      {head + "file 755 3 a\nend\nxy", "shorter"},
      {head + "file 755 1 a\nend\nxy", "longer"},
  };
  for (const auto& [bytes, reason] : cases) {
    const updater::PackageRead read = updater::ParsePackage(bytes);
    EXPECT_FALSE(read.package) << bytes;
    EXPECT_NE(read.error.find(reason), std::string::npos) << bytes << ": " << read.error;
  }
}

TEST(Package, TruncatedAnywhereIsRefused) {
  const std::string bytes = updater::BuildPackage(kPackage);
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    EXPECT_FALSE(updater::ParsePackage(bytes.substr(0, length)).package) << length;
  }
}

}  // namespace
