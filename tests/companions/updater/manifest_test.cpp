#include "manifest.h"

#include <gtest/gtest.h>

namespace {

const std::string kDigest(64, 'a');

TEST(Manifest, ReadsNameAndDigestInEitherLineEndAndAnyKeyCase) {
  for (const std::string& text :
       {"Package=vantora-0.11.pkg\r\nSHA256=" + std::string(64, 'A') + "\r\n",
        "; the current version\n\n  package = vantora-0.11.pkg\nsha256=" + kDigest +
            "\nSize=12\n"}) {
    const updater::ManifestRead read = updater::ParseManifest(text);
    ASSERT_TRUE(read.manifest) << read.error;
    EXPECT_EQ(read.manifest->package, "vantora-0.11.pkg");
    EXPECT_EQ(read.manifest->sha256, kDigest);
  }
}

TEST(Manifest, WrittenTextReadsBack) {
  const updater::Manifest manifest{"pellisto-1.02.pkg", kDigest};
  const updater::ManifestRead read = updater::ParseManifest(updater::ManifestText(manifest));
  ASSERT_TRUE(read.manifest);
  EXPECT_EQ(read.manifest->package, manifest.package);
  EXPECT_EQ(read.manifest->sha256, manifest.sha256);
}

TEST(Manifest, RefusesWhatIsNotOne) {
  const std::string digestLine = "SHA256=" + kDigest + "\n";
  const std::pair<std::string, const char*> cases[] = {
      {"", "no Package"},
      {"<html><body>Not Found</body></html>", "Key=Value"},
      {digestLine, "no Package"},
      {"Package=vantora-0.11.pkg\n", "no SHA256"},
      {"Package=vantora-0.11.pkg\nSHA256=12ab\n", "64 hexadecimal"},
      {"Package=vantora-0.11.pkg\nSHA256=" + std::string(64, 'g') + "\n", "64 hexadecimal"},
      {"Package=../vantora\n" + digestLine, "plain file name"},
      {"Package=/etc/passwd\n" + digestLine, "plain file name"},
      {"Package=.hidden\n" + digestLine, "plain file name"},
      {"Package=a.pkg\nPackage=b.pkg\n" + digestLine, "twice"},
  };
  for (const auto& [text, reason] : cases) {
    const updater::ManifestRead read = updater::ParseManifest(text);
    EXPECT_FALSE(read.manifest) << text;
    EXPECT_NE(read.error.find(reason), std::string::npos) << text << ": " << read.error;
  }
}

}  // namespace
