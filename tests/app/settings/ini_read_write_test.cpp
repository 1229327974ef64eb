#include "ini_read_write.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "sandbox.h"
#include "value_text.h"

namespace {

class IniRoutingTest : public ::testing::Test {
 protected:
  IniRoutingTest() {
    WriteFile(data,
              "[Processor]\r\nName=Data CPU\r\n[Memory]\r\nFree=100\r\n"
              "[Integer1]\r\n1 Kb=111\r\n");
    WriteFile(compare,
              "[Processor]\r\nName=Compare CPU\r\n[Memory]\r\nFree=200\r\n"
              "[Integer1]\r\n1 Kb=222\r\n[memory]\r\nFree=300\r\n");
  }

  Sandbox sandbox;
  const std::string data = sandbox / "Data.dat";
  const std::string compare = sandbox / "Speed Test 14.03.22 21 Sep 12.Tdv";
  state::ProgramState state;
  settings::INIReadWrite store{state};
};

TEST_F(IniRoutingTest, ReadsComeFromTheGivenFileWithoutACompareFile) {
  EXPECT_EQ(store.ReadIniValue(data, "Integer1", "1 Kb"), "111");
  EXPECT_EQ(store.ReadIniValue(data, "Memory", "Free"), "100");
  EXPECT_EQ(store.ReadIniValue(data, "Integer1", "2 Kb"), "");
}

TEST_F(IniRoutingTest, FiguresComeFromTheCompareFileTheSystemSummaryDoesNot) {
  state.CompareFilePath = compare;
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"Integer1", "1 Kb", "222"},
      {"Processor", "Name", "Data CPU"},
      {"Memory", "Free", "100"},
      // The exemption is spelled exactly; other spellings are routed like any figure section.
      {"memory", "Free", "200"},
      {"Integer1", "2 Kb", ""},  // a figure the Full Test lacks gives no comparison
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.section) + " / " + c.key);
    EXPECT_EQ(store.ReadIniValue(data, c.section, c.key), c.value);
  }
}

TEST_F(IniRoutingTest, WritesGoToTheGivenFileAndMirrorIntoTheFullTest) {
  const std::string fullTest = sandbox / "BENCH Speed Test 10.00.00 01 Jan 24.Tdv";
  state.CompareFilePath = compare;
  store.WriteIniValue(data, "Integer1", "1 Kb", 19046418164.0);
  EXPECT_EQ(store.ReadIniValue(data, "Integer1", "1 Kb"), "222")
      << "still compared with the Full Test";
  state.CompareFilePath.clear();
  EXPECT_EQ(store.ReadIniValue(data, "Integer1", "1 Kb"), "19046418164");
  EXPECT_FALSE(std::filesystem::exists(fullTest));

  state.FullTestFilePath = fullTest;
  store.WriteIniValue(data, "MEM Test", "Interger Copy", 1234.5);
  EXPECT_EQ(store.ReadIniValue(data, "MEM Test", "Interger Copy"), "1234.5");
  EXPECT_EQ(ReadFile(fullTest), "[MEM Test]\r\nInterger Copy=1234.5\r\n");
  EXPECT_EQ(ReadFile(compare).find("Interger"), std::string::npos) << "a compare file is only read";
}

TEST_F(IniRoutingTest, TheTwoWritesAreIndependent) {
  state.FullTestFilePath = sandbox / "no such folder/Speed Test.Tdv";
  store.WriteIniValue(data, "Integer2", "1 Kb", "5");
  EXPECT_EQ(store.ReadIniValue(data, "Integer2", "1 Kb"), "5");
}

TEST(ValueText, NumbersArePlainDecimal) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {19046418164.0, "19046418164"},
      {1234.5, "1234.5"},
      {0.1, "0.1"},
      {-0.0, "0"},
      {-3, "-3"},
      {1e20, "100000000000000000000"},
      {18874944716.8, "18874944716.8"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(settings::PlainDecimalText(c.value), c.text);
  }
}

}  // namespace
