// Ambrel against a download site on 127.0.0.1, trusting a key made in the test.

#include <functional>

#include "digest.h"
#include "manifest.h"
#include "program_fixture.h"

namespace {

const updater::Edition& kVantora = updater::EditionOf(0);
const updater::Edition& kPellisto = updater::EditionOf(1);

class UpdaterProgram : public ProgramFolderTest {};

TEST_F(UpdaterProgram, InstallsASignedVersionAndStartsIt) {
  const updater::Publication publication = Publish(kVantora, "0.11");
  Serve(publication, kVantora);

  const Run run = RunUpdater("-U");
  EXPECT_EQ(run.exitCode, 0) << run.messages;
  EXPECT_EQ(run.messages.find("MESSAGE"), std::string::npos) << run.messages;
  EXPECT_EQ(ReadFile(folder_ + "/vantora"), Program("0.11"));
  EXPECT_EQ(ReadFile(folder_ + "/notes.txt"), "what is new in 0.11");
  EXPECT_EQ(Awaited("started-0.11"), "0.11\n");
  EXPECT_EQ(Entries(), (std::set<std::string>{"vantora", "notes.txt", "started-0.11"}));
  // Every transfer went past any cache.
  for (const TestHttpServer::Request& request : server_.Requests()) {
    EXPECT_EQ(request.headers.at("cache-control"), "no-cache") << request.path;
  }
  EXPECT_EQ(server_.RequestsFor("/Performance/" + publication.packageName), 1);
}

TEST_F(UpdaterProgram, UpdatesThePellistoEditionWithR) {
  std::filesystem::create_symlink("vantora", folder_ + "/pellisto");
  Serve(Publish(kPellisto, "0.11"), kPellisto);

  const Run run = RunUpdater("-R");
  EXPECT_EQ(run.exitCode, 0) << run.messages;
  EXPECT_EQ(ReadFile(folder_ + "/pellisto"), Program("0.11"));
  EXPECT_EQ(Awaited("started-0.11"), "0.11\n");
  EXPECT_EQ(ReadFile(folder_ + "/vantora"), Program("0.10"));
}

TEST_F(UpdaterProgram, WithoutItsProgramInTheFolderOrASwitchItChangesNothing) {
  Serve(Publish(kPellisto, "0.11"), kPellisto);
  Run run = RunUpdater("-R");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.messages.find("There is no Pellisto program"), std::string::npos) << run.messages;

  run = RunUpdater("-x");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.messages.find("with -U"), std::string::npos) << run.messages;
  EXPECT_TRUE(server_.Requests().empty());
  ExpectOldProgram();
}

// A download site that goes wrong in one way, and the message that says so.
struct Failure {
  const char* name;
  std::function<void(TestHttpServer& server, const updater::SigningKey& key,
                     const updater::Publication& publication, std::string& site)>
      breakSite;
  const char* message;
  bool withoutWriteRight = false;
};

void PrintTo(const Failure& failure, std::ostream* out) { *out << failure.name; }

const std::string kPackagePath = "/Performance/vantora-0.11.pkg";
const std::string kManifestPath = "/Performance/VantoraUpdate.Dat";

const Failure kFailures[] = {
    {"BadSignature",
     [](TestHttpServer& server, auto&, const updater::Publication& publication, std::string&) {
       server.Serve(kPackagePath + ".sig",
                    updater::SigningKey::Generate().Sign(publication.package));
     },
     "is not signed by the maker of Vantora"},
    {"NoSignature",
     [](TestHttpServer& server, auto&, const updater::Publication&, std::string&) {
       server.Remove(kPackagePath + ".sig");
     },
     "is not signed by the maker of Vantora"},
    {"TamperedPackageWithItsDigest",
     [](TestHttpServer& server, auto&, const updater::Publication& publication, std::string&) {
       std::string package = publication.package;
       package[package.size() - 2] = 'X';
       server.Serve(kPackagePath, package);
       server.Serve(kManifestPath,
                    updater::ManifestText({publication.packageName, updater::Sha256Hex(package)}));
     },
     "is not signed by the maker of Vantora"},
    {"TruncatedPackage",
     [](TestHttpServer& server, auto&, const updater::Publication& publication, std::string&) {
       server.Serve(kPackagePath, publication.package.substr(0, publication.package.size() - 40));
     },
     "is incomplete or damaged"},
    {"ConnectionDropped",
     [](TestHttpServer& server, auto&, const updater::Publication& publication, std::string&) {
       server.Serve(kPackagePath, {200, publication.package, 0, publication.package.size() / 2});
     },
     "broke off"},
    {"NoNetwork",
     [](TestHttpServer&, auto&, const updater::Publication&, std::string& site) {
       site = TestHttpServer::ClosedAddress();
     },
     "cannot be reached"},
    {"MissingManifest",
     [](TestHttpServer& server, auto&, const updater::Publication&, std::string&) {
       server.Remove(kManifestPath);
     },
     "offers no update for Vantora: its VantoraUpdate.Dat is missing"},
    {"MalformedManifest",
     [](TestHttpServer& server, auto&, const updater::Publication&, std::string&) {
       server.Serve(kManifestPath, "<html><body>Moved</body></html>");
     },
     "VantoraUpdate.Dat on the download site is malformed"},
    {"MissingPackage",
     [](TestHttpServer& server, auto&, const updater::Publication&, std::string&) {
       server.Remove(kPackagePath);
     },
     "is missing on the download site"},
    {"PackageOfTheOtherEdition",
     [](TestHttpServer& server, const updater::SigningKey& key, const updater::Publication&,
        std::string&) {
       const updater::Publication other = updater::Publish(
           key, kPellisto, "0.11", {{"vantora", 0755, "#!/bin/sh\n"}, {"pellisto", 0755, ""}});
       server.Serve("/Performance/" + other.packageName, other.package);
       server.Serve("/Performance/" + other.packageName + ".sig", other.signature);
       server.Serve(kManifestPath, other.manifest);
     },
     "it is meant for Pellisto"},
    {"ReadOnlyProgramFolder",
     [](TestHttpServer&, auto&, const updater::Publication&, std::string&) {},
     "may not change the program folder", true},
};

class UpdaterFailure : public ProgramFolderTest, public testing::WithParamInterface<Failure> {};

TEST_P(UpdaterFailure, LeavesTheOldProgramByteIdenticalAndWorking) {
  const updater::Publication publication = Publish(kVantora, "0.11");
  Serve(publication, kVantora);
  std::string site = server_.Address();
  GetParam().breakSite(server_, key_, publication, site);

  const Run run =
      RunUpdater(AMBREL_UNDER_TEST, "-U", site, key_.PublicPem(), GetParam().withoutWriteRight);
  EXPECT_EQ(run.exitCode, 1) << run.messages;
  EXPECT_NE(run.messages.find(GetParam().message), std::string::npos) << run.messages;
  EXPECT_NE(run.messages.find("The installed Vantora is unchanged."), std::string::npos);
  ExpectOldProgram();
}

INSTANTIATE_TEST_SUITE_P(Site, UpdaterFailure, testing::ValuesIn(kFailures),
                         [](const testing::TestParamInfo<Failure>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(UpdaterProgram, RefusesAVersionThatIsNotNewerThanItsOwn) {
  Serve(Publish(kVantora, "0.10"), kVantora);
  const Run run = RunUpdater("-U");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.messages.find("offers Vantora 0.10, which is not newer than 0.10"),
            std::string::npos)
      << run.messages;
  ExpectOldProgram();
}

TEST_F(UpdaterProgram, TheShippedUpdaterTrustsNoKeyButTheMakers) {
  // A package signed with the test's key, as a forger with a key of his own would sign it.
  Serve(Publish(kVantora, "0.11"), kVantora);
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VANTORA_DOWNLOAD_SITE", QString::fromStdString(server_.Address()));
  environment.insert("AMBREL_TEST_PUBLIC_KEY", QString::fromStdString(key_.PublicPem()));
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(QString::fromStdString(folder_));
  process.start(SHIPPED_AMBREL, {"-U"});
  // Its message box waits for a person; the message is on standard error as well.
  std::string messages;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (messages.find("not signed") == std::string::npos &&
         process.state() != QProcess::NotRunning && std::chrono::steady_clock::now() < giveUp) {
    process.waitForReadyRead(100);
    messages += process.readAllStandardError().toStdString();
  }
  process.kill();
  process.waitForFinished();
  EXPECT_NE(messages.find("is not signed by the maker of Vantora"), std::string::npos) << messages;
  ExpectOldProgram();
}

}  // namespace
