#include "carried_files.h"

#include <gtest/gtest.h>

#include <map>

#include "companion_writer.h"
#include "sandbox.h"

namespace {

using namespace startup;

// The built file each carried companion comes from.
const std::map<std::string, std::string> kBuiltFiles{
    {"RAM.exe", RAM_EXE},       {"Pellisto-win32.exe", PELLISTO_EXE},
    {"Ambrel.exe", AMBREL_EXE}, {"Kovrin.exe", KOVRIN_EXE},
    {"Tessal.exe", TESSAL_EXE}, {"SystemInfo.exe", SYSTEMINFO_EXE},
};

TEST(CarriedFiles, EachDecodesToItsBuiltFile) {
  ASSERT_EQ(CarriedFiles().size(), kBuiltFiles.size());
  for (const CompanionFile* file : CarriedFiles()) {
    SCOPED_TRACE(file->name);
    const auto built = kBuiltFiles.find(file->name);
    ASSERT_NE(built, kBuiltFiles.end());
    const auto decoded = DecodeHexText(file->text);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(std::string(decoded->begin(), decoded->end()), ReadFile(built->second));

    Sandbox sandbox;
    WriteCompanionFile(*file, sandbox.path());
    EXPECT_EQ(ReadFile(sandbox / file->name), ReadFile(built->second));
  }
}

}  // namespace
