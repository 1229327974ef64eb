#include "folder_replacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "sandbox.h"
#include "without_write_right.h"

namespace fs = std::filesystem;

namespace {

class FolderReplacement : public testing::Test {
 protected:
  void SetUp() override {
    ::chmod(sandbox_.path().c_str(), 0755);
    fs::create_directory(folder_);
    ::chmod(folder_.c_str(), 0755);
    Put("vantora", "old program", 0755);
    Put("Ambrel.exe", "old updater", 0755);
    Put("other.txt", "not in the package", 0644);
  }

  void Put(const std::string& name, const std::string& content, mode_t mode) {
    WriteFile(folder_ + "/" + name, content);
    ::chmod((folder_ + "/" + name).c_str(), mode);
  }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  mode_t Mode(const std::string& name) const {
    struct stat entry {};
    ::lstat((folder_ + "/" + name).c_str(), &entry);
    return entry.st_mode & 07777;
  }

  void ExpectOldFiles(const std::set<std::string>& entries) const {
    EXPECT_EQ(Entries(), entries);
    EXPECT_EQ(ReadFile(folder_ + "/vantora"), "old program");
    EXPECT_EQ(Mode("vantora"), 0755u);
    EXPECT_EQ(ReadFile(folder_ + "/Ambrel.exe"), "old updater");
    EXPECT_EQ(ReadFile(folder_ + "/other.txt"), "not in the package");
  }

  Sandbox sandbox_;
  const std::string folder_ = sandbox_ / "program";
  const std::vector<updater::PackageFile> files_{{"vantora", 0755, "new program"},
                                                 {"ambrel.exe", 0750, "new updater"},
                                                 {"notes.txt", 0644, "new notes"}};
};

TEST_F(FolderReplacement, ReplacesEveryFileAndAddsTheNewOnes) {
  const updater::Replacement result = updater::ReplaceFiles(folder_, files_);
  ASSERT_EQ(result.status, updater::Replacement::Status::Replaced) << result.detail;
  // The updater keeps the spelling it had; nothing else is left behind.
  EXPECT_EQ(Entries(), (std::set<std::string>{"vantora", "Ambrel.exe", "other.txt", "notes.txt"}));
  EXPECT_EQ(ReadFile(folder_ + "/vantora"), "new program");
  EXPECT_EQ(ReadFile(folder_ + "/Ambrel.exe"), "new updater");
  EXPECT_EQ(Mode("Ambrel.exe"), 0750u);
  EXPECT_EQ(ReadFile(folder_ + "/notes.txt"), "new notes");
  EXPECT_EQ(Mode("notes.txt"), 0644u);
  EXPECT_EQ(ReadFile(folder_ + "/other.txt"), "not in the package");
}

TEST_F(FolderReplacement, ReplacesALinkItselfNotWhatItPointsTo) {
  fs::create_symlink("vantora", folder_ + "/pellisto");
  const updater::Replacement result =
      updater::ReplaceFiles(folder_, {{"pellisto", 0755, "new pellisto"}});
  ASSERT_EQ(result.status, updater::Replacement::Status::Replaced) << result.detail;
  EXPECT_FALSE(fs::is_symlink(folder_ + "/pellisto"));
  EXPECT_EQ(ReadFile(folder_ + "/pellisto"), "new pellisto");
  EXPECT_EQ(ReadFile(folder_ + "/vantora"), "old program");
}

TEST_F(FolderReplacement, AFileThatCannotTakeItsPlacePutsEveryOldFileBack) {
  // The last file's name is taken by a folder: the files placed before it go back.
  fs::create_directories(folder_ + "/zz-data/inside");
  std::vector<updater::PackageFile> files = files_;
  files.push_back({"zz-data", 0644, "a file where a folder is"});
  const updater::Replacement result = updater::ReplaceFiles(folder_, files);
  EXPECT_EQ(result.status, updater::Replacement::Status::Failed);
  EXPECT_NE(result.detail.find("zz-data"), std::string::npos) << result.detail;
  ExpectOldFiles({"vantora", "Ambrel.exe", "other.txt", "zz-data"});
  EXPECT_TRUE(fs::is_directory(folder_ + "/zz-data/inside"));
}

TEST_F(FolderReplacement, AFullDiskWhileWritingChangesNothing) {
  std::vector<updater::PackageFile> files = files_;
  files.push_back({"large", 0644, std::string(200000, 'x')});
  const int status = ExitCodeWithFileSizeLimit(
      100000, [&] { return static_cast<int>(updater::ReplaceFiles(folder_, files).status); });
  EXPECT_EQ(status, static_cast<int>(updater::Replacement::Status::Failed));
  ExpectOldFiles({"vantora", "Ambrel.exe", "other.txt"});
}

TEST_F(FolderReplacement, AFolderThisUserMayNotWriteChangesNothing) {
  const int status = ExitCodeWithoutWriteRight(folder_, [&] {
    return updater::CanWriteFolder(folder_)
               ? 100
               : static_cast<int>(updater::ReplaceFiles(folder_, files_).status);
  });
  EXPECT_EQ(status, static_cast<int>(updater::Replacement::Status::NoPermission));
  ExpectOldFiles({"vantora", "Ambrel.exe", "other.txt"});
}

TEST_F(FolderReplacement, LeftoversOfAnInterruptedRunAreReplaced) {
  Put(".vantora.ambrel-new", "half written", 0600);
  Put(".vantora.ambrel-old", "an older program", 0755);
  const updater::Replacement result = updater::ReplaceFiles(folder_, files_);
  ASSERT_EQ(result.status, updater::Replacement::Status::Replaced) << result.detail;
  EXPECT_EQ(ReadFile(folder_ + "/vantora"), "new program");
  EXPECT_EQ(Entries(), (std::set<std::string>{"vantora", "Ambrel.exe", "other.txt", "notes.txt"}));
}

}  // namespace
