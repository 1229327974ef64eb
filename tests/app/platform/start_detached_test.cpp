#include "start_detached.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "sandbox.h"

namespace {

// The text of a file the started program writes, once it is there (the start does not wait).
std::string Awaited(const std::string& path) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!std::filesystem::exists(path + ".done") && std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return ReadFile(path);
}

TEST(StartDetached, RunsTheProgramWithItsArgumentsInTheWorkingFolder) {
  Sandbox sandbox;
  std::filesystem::create_directory(sandbox / "work dir");
  const std::string out = sandbox / "out";
  ASSERT_TRUE(platform::StartDetached(
      "/bin/sh", {"-c", "pwd > \"$0\"; echo \"$1\" >> \"$0\"; touch \"$0.done\"", out, "-U"},
      sandbox / "work dir"));
  EXPECT_EQ(Awaited(out), sandbox / "work dir" + "\n-U\n");
}

TEST(StartDetached, ReportsWhatCannotBeStarted) {
  Sandbox sandbox;
  WriteFile(sandbox / "plain", "not a program");
  EXPECT_FALSE(platform::StartDetached(sandbox / "missing", {}));
  EXPECT_FALSE(platform::StartDetached(sandbox / "plain", {}));
  EXPECT_FALSE(platform::StartDetached("/bin/true", {}, sandbox / "no such folder"));
  EXPECT_TRUE(platform::StartDetached("/bin/true", {}));
}

}  // namespace
