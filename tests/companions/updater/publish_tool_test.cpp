// A maker's publication made with ambrel-pack, served as made, installs; what the tool refuses.

#include <QProcess>

#include "download_site.h"
#include "program_fixture.h"
#include "signature.h"

namespace {

namespace fs = std::filesystem;

class PublishTool : public ProgramFolderTest {
 protected:
  // Runs ambrel-pack; standard error when it failed.
  int Pack(const QStringList& arguments, std::string* errors = nullptr) {
    QProcess process;
    process.start(AMBREL_PACK, arguments);
    process.waitForFinished(30000);
    if (errors != nullptr) {
      *errors = process.readAllStandardError().toStdString();
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }

  QString Path(const std::string& name) const { return QString::fromStdString(sandbox_ / name); }

  // Serves every file of the folder under the site's "/Performance/".
  void ServeFolder(const std::string& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      server_.Serve("/Performance/" + entry.path().filename().string(),
                    ReadFile(entry.path().string()));
    }
  }
};

TEST_F(PublishTool, APublishedVersionInstalls) {
  ASSERT_EQ(Pack({"keygen", Path("maker-private.pem"), Path("maker-public.pem")}), 0);
  struct stat privateKey {};
  ::stat((sandbox_ / "maker-private.pem").c_str(), &privateKey);
  EXPECT_EQ(privateKey.st_mode & 0777, 0600u);

  fs::create_directory(sandbox_ / "release");
  WriteProgram(sandbox_ / "release/vantora", "0.11");
  WriteFile(sandbox_ / "release/notes.txt", "what is new");
  ASSERT_EQ(
      Pack({"package", "--key", Path("maker-private.pem"), "--edition", "vantora", "--version",
            "0.11", "--out", Path("site"), Path("release/vantora"), Path("release/notes.txt")}),
      0);
  EXPECT_EQ(ReadFile(sandbox_ / "site/VantoraVersion.Dat"), "0.11\r\n");
  ServeFolder(sandbox_ / "site");

  const Run run = RunUpdater(AMBREL_UNDER_TEST, "-U", server_.Address(),
                             ReadFile(sandbox_ / "maker-public.pem"));
  EXPECT_EQ(run.exitCode, 0) << run.messages;
  EXPECT_EQ(ReadFile(folder_ + "/vantora"), Program("0.11"));
  EXPECT_EQ(ReadFile(folder_ + "/notes.txt"), "what is new");
  EXPECT_EQ(Awaited("started-0.11"), "0.11\n");
}

TEST_F(PublishTool, SignsTheRuntimeInstaller) {
  WriteFile(sandbox_ / "maker-private.pem", key_.PrivatePem());
  WriteFile(sandbox_ / updater::kRuntimeInstallerName, "installer bytes");
  ASSERT_EQ(
      Pack({"sign", "--key", Path("maker-private.pem"), Path(updater::kRuntimeInstallerName)}), 0);
  const std::string installer = ReadFile(sandbox_ / updater::kRuntimeInstallerName);
  const std::string signature =
      ReadFile(sandbox_ / (std::string(updater::kRuntimeInstallerName) + ".sig"));
  EXPECT_TRUE(updater::VerifySignature(key_.Public(), installer, signature));
}

TEST_F(PublishTool, RefusesWhatWouldNotInstall) {
  WriteFile(sandbox_ / "maker-private.pem", key_.PrivatePem());
  WriteFile(sandbox_ / "public.pem", key_.PublicPem());
  WriteFile(sandbox_ / "notes.txt", "notes");
  const QStringList common{"--edition", "Vantora", "--out", Path("site")};
  const std::pair<QStringList, const char*> cases[] = {
      {QStringList{"package", "--key", Path("maker-private.pem"), "--version", "0.11",
                   Path("notes.txt")} +
           common,
       "must hold \"vantora\""},
      {QStringList{"package", "--key", Path("maker-private.pem"), "--version", "11",
                   Path("program/vantora")} +
           common,
       "not of the form 0.11"},
      {QStringList{"package", "--key", Path("public.pem"), "--version", "0.11",
                   Path("program/vantora")} +
           common,
       "no Ed25519 private key"},
      {QStringList{"package", "--key", Path("maker-private.pem"), "--version", "0.11", "--edition",
                   "Other", "--out", Path("site"), Path("program/vantora")},
       "Vantora or Pellisto"},
  };
  for (const auto& [arguments, reason] : cases) {
    std::string errors;
    EXPECT_EQ(Pack(arguments, &errors), 2) << arguments.join(' ').toStdString();
    EXPECT_NE(errors.find(reason), std::string::npos) << errors;
  }
  EXPECT_FALSE(fs::exists(sandbox_ / "site/VantoraUpdate.Dat"));
}

}  // namespace
