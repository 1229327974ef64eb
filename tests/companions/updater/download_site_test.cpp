#include "download_site.h"

#include <gtest/gtest.h>

#include "editions.h"
#include "sandbox.h"

namespace {

TEST(DownloadSite, EnvironmentNamesTheSiteWithoutTrailingSlashes) {
  ScopedEnvironment site("VANTORA_DOWNLOAD_SITE", "https://updates.example.org/vantora//");
  EXPECT_EQ(updater::DownloadSite(), "https://updates.example.org/vantora");
}

TEST(DownloadSite, AddressesOfTheSiteFiles) {
  const std::string site = "http://127.0.0.1:8080";
  EXPECT_EQ(updater::PerformanceAddress(site, updater::VersionFileName(updater::EditionOf(0))),
            "http://127.0.0.1:8080/Performance/VantoraVersion.Dat");
  EXPECT_EQ(updater::PerformanceAddress(site, updater::ManifestFileName(updater::EditionOf(1))),
            "http://127.0.0.1:8080/Performance/PellistoUpdate.Dat");
  EXPECT_EQ(updater::RuntimeInstallerAddress(site), "http://127.0.0.1:8080/RuntimeSetup.exe");
}

TEST(Editions, NamesSwitchesAndCopies) {
  EXPECT_STREQ(updater::EditionOf(0).updaterSwitch, "-U");
  EXPECT_STREQ(updater::EditionOf(1).updaterSwitch, "-R");
  EXPECT_EQ(updater::EditionOf(7).name, updater::EditionOf(0).name);
  EXPECT_EQ(updater::EditionBySwitch("-R"), &updater::EditionOf(1));
  EXPECT_EQ(updater::EditionBySwitch("-u"), nullptr);
  EXPECT_EQ(updater::VersionedProgramName(updater::EditionOf(1), "0.10"), "pellisto0.10");
}

}  // namespace
