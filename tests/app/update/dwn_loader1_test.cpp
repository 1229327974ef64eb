#include "dwn_loader1.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

#include "sandbox.h"
#include "test_http_server.h"
#include "timing.h"

namespace {

// The events of one transfer, in the order they came.
struct Events {
  std::vector<std::string> order;
  qint64 lastCurBytes = 0;
  qint64 lastMaxBytes = 0;
  qint64 completeBytes = -1;
  std::string savedAs;
};

class Download : public testing::Test {
 protected:
  void SetUp() override {
    QObject::connect(&loader_, &update::dwnLoader1::DownloadProgress,
                     [this](const std::string& file, qint64 cur, qint64 max) {
                       if (events_.order.empty() || events_.order.back() != "progress") {
                         events_.order.push_back("progress");
                       }
                       events_.savedAs = file;
                       events_.lastCurBytes = cur;
                       events_.lastMaxBytes = max;
                     });
    QObject::connect(&loader_, &update::dwnLoader1::DownloadError, [this](const std::string& file) {
      events_.order.push_back("error");
      events_.savedAs = file;
    });
    QObject::connect(&loader_, &update::dwnLoader1::DownloadComplete,
                     [this](const std::string& file, qint64 bytes) {
                       events_.order.push_back("complete");
                       events_.savedAs = file;
                       events_.completeBytes = bytes;
                     });
  }

  // Starts the transfer and lets events through until it is complete.
  void Fetch(const std::string& address) {
    loader_.BeginDownload(address, file_);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::find(events_.order.begin(), events_.order.end(), "complete") ==
               events_.order.end() &&
           std::chrono::steady_clock::now() < giveUp) {
      runner::Delay(5);
    }
  }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(sandbox_.path())) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  Sandbox sandbox_;
  const std::string file_ = sandbox_ / "MVersion.Dat";
  TestHttpServer server_;
  update::dwnLoader1 loader_;
  Events events_;
};

TEST_F(Download, WritesTheWholeFileAndRaisesProgressThenComplete) {
  const std::string body(300000, 'v');
  server_.Serve("/Performance/VantoraVersion.Dat", body);
  Fetch(server_.Address() + "/Performance/VantoraVersion.Dat");

  EXPECT_EQ(events_.order, (std::vector<std::string>{"progress", "complete"}));
  EXPECT_EQ(events_.savedAs, file_);
  EXPECT_EQ(events_.lastCurBytes, 300000);
  EXPECT_EQ(events_.lastMaxBytes, 300000);
  EXPECT_EQ(events_.completeBytes, 300000);
  EXPECT_EQ(ReadFile(file_), body);
  EXPECT_EQ(Entries(), std::set<std::string>{"MVersion.Dat"});
  // Past every cache on the way.
  const std::vector<TestHttpServer::Request> requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].headers.at("cache-control"), "no-cache");
  EXPECT_EQ(requests[0].headers.at("pragma"), "no-cache");
}

TEST_F(Download, ATransferThatFailsKeepsTheEarlierFile) {
  const std::string path = "/Performance/VantoraVersion.Dat";
  const std::pair<const char*, TestHttpServer::Reply> cases[] = {
      {"error page", {404, "<html><body>Not Found</body></html>", 0, std::nullopt}},
      {"server error", {500, "<html>Internal error</html>", 0, std::nullopt}},
      {"no bytes", {200, "", 0, std::nullopt}},
      {"connection cut", {200, std::string(100000, 'n'), 0, 50000}},
  };
  for (const auto& [name, reply] : cases) {
    WriteFile(file_, "0.10\r\n");
    events_ = {};
    server_.Serve(path, reply);
    Fetch(server_.Address() + path);
    EXPECT_EQ(events_.order.back(), "complete") << name;
    EXPECT_EQ(std::count(events_.order.begin(), events_.order.end(), "error"), 1) << name;
    EXPECT_EQ(ReadFile(file_), "0.10\r\n") << name;
    EXPECT_EQ(Entries(), std::set<std::string>{"MVersion.Dat"}) << name;
  }
}

TEST_F(Download, NoServerOrNoFolderRaisesTheErrorAndWritesNothing) {
  Fetch(TestHttpServer::ClosedAddress() + "/Performance/VantoraVersion.Dat");
  EXPECT_EQ(events_.order, (std::vector<std::string>{"error", "complete"}));
  EXPECT_EQ(events_.completeBytes, 0);

  events_ = {};
  server_.Serve("/RuntimeSetup.exe", "installer");
  loader_.BeginDownload(server_.Address() + "/RuntimeSetup.exe",
                        sandbox_ / "missing/RuntimeSetup.exe");
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (events_.order.size() < 3 && std::chrono::steady_clock::now() < giveUp) {
    runner::Delay(5);
  }
  EXPECT_EQ(events_.order, (std::vector<std::string>{"progress", "error", "complete"}));
  EXPECT_TRUE(Entries().empty());
}

}  // namespace
