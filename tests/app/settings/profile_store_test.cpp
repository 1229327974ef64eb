#include "profile_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "c_ini.h"
#include "sandbox.h"

namespace {

const std::string kData = SETTINGS_TEST_DATA;

std::string Unix(std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
    text.erase(at, 1);
  }
  return text;
}

settings::cINI At(const std::string& path, const std::string& section, const std::string& key) {
  settings::cINI ini;
  ini.SetPath(path);
  ini.SetSection(section);
  ini.SetKey(key);
  return ini;
}

// The same reads from the Windows layout and from a copy with LF line ends.
TEST(ProfileStore, ReadsFromWindowsAndUnixLayouts) {
  Sandbox sandbox;
  const std::string windows = kData + "/data_dat.ini";
  const std::string unix = sandbox / "unix.ini";
  WriteFile(unix, Unix(ReadFile(windows)));

  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"Processor", "Name", "Intel(R) Core(TM) i7-2600 CPU @ 3.40GHz"},
      {"PROCESSOR", "name", "Intel(R) Core(TM) i7-2600 CPU @ 3.40GHz"},
      {"Memory", "Free", "5,012"},              // blanks around the value and key stripped
      {"Integer1", "2 Kb", "18000000000"},      // a tab too
      {" integer1 ", " 1 KB ", "19046418164"},  // blanks around the asked names do not count
      {"MEM Test", "Empty", ""},
      {"MEM Test", "Missing", ""},
      {"Integer1", "Name", ""},  // a key of another section
      {"Integer2", "1 Kb", ""},
      {"Processor", "; kept as it is", ""},
  };
  for (const std::string& path : {windows, unix}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(path + " [" + c.section + "] " + c.key);
      EXPECT_EQ(At(path, c.section, c.key).Value(), c.value);
    }
  }
}

TEST(ProfileStore, DefaultOnlyWhenTheKeyIsAbsent) {
  settings::cINI present = At(kData + "/data_dat.ini", "MEM Test", "Empty");
  present.SetDefault("none");
  EXPECT_EQ(present.Value(), "");
  settings::cINI absent = At(kData + "/data_dat.ini", "MEM Test", "Missing");
  absent.SetDefault("none");
  EXPECT_EQ(absent.Value(), "none");
}

TEST(ProfileStore, ReadingAMissingFileCreatesNothing) {
  Sandbox sandbox;
  EXPECT_EQ(At(sandbox / "Data.dat", "Integer1", "1 Kb").Value(), "");
  EXPECT_FALSE(std::filesystem::exists(sandbox / "Data.dat"));
}

TEST(ProfileStore, FirstWriteCreatesFileSectionAndKey) {
  Sandbox sandbox;
  settings::cINI ini = At(sandbox / "Data.dat", "Integer1", "1 Kb");
  ini.SetValue("19046418164");
  EXPECT_NE(ini.LastReturnCode(), 0);
  EXPECT_EQ(ReadFile(sandbox / "Data.dat"), "[Integer1]\r\n1 Kb=19046418164\r\n");
}

// Replacing, adding at the end of a section and of the file, emptying a value and removing a
// section, against a golden file; everything else in the file stays as it was.
TEST(ProfileStore, GoldenRoundTrip) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  WriteFile(path, ReadFile(kData + "/data_dat.ini"));

  At(path, "Integer1", "1 KB").SetValue("20000000000");
  At(path, "integer1", "4 Kb").SetValue("17500000000.5");
  At(path, "MEM Test", "Interger Copy").DeleteValue();
  At(path, "MEM Test", "Float Copy").SetValue("4000000000");
  At(path, "memory", "").DeleteSection();
  At(path, "Integer2", "1 Kb").SetValue("21000000000");

  EXPECT_EQ(ReadFile(path), ReadFile(kData + "/golden_after_writes.ini"));
  EXPECT_EQ(At(path, "Integer1", "4 Kb").Value(), "17500000000.5");
  EXPECT_EQ(At(path, "Memory", "Total").Value(), "");
}

TEST(ProfileStore, WritesToAnLfFileComeOutInTheWindowsLayout) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  WriteFile(path, "[Integer1]\n1 Kb=1\n");
  At(path, "Integer1", "2 Kb").SetValue("2");
  EXPECT_EQ(ReadFile(path), "[Integer1]\r\n1 Kb=1\r\n2 Kb=2\r\n");
}

TEST(ProfileStore, ValuesAreCleanedToOneLine) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  At(path, "Memory", "Slot1").SetValue(std::string("DIMM\0 A\0", 8));
  EXPECT_EQ(At(path, "Memory", "Slot1").Value(), "DIMM A");
  // A line break would split the entry and plant a section of its own.
  At(path, "Memory", "Slot2").SetValue("8 GB\r\n[Integer1]\r\n1 Kb=1");
  EXPECT_EQ(At(path, "Memory", "Slot2").Value(), "8 GB  [Integer1]  1 Kb=1");
  EXPECT_EQ(At(path, "Integer1", "1 Kb").Value(), "");
}

TEST(ProfileStore, LongValuesReadAs1023Characters) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  At(path, "Memory", "Long").SetValue(std::string(2000, 'x'));
  EXPECT_EQ(At(path, "Memory", "Long").Value(), std::string(1023, 'x'));
  // Cut before a two-byte character rather than through it.
  std::string accents;
  for (int i = 0; i < 600; ++i) {
    accents += "\xC3\xA9";
  }
  At(path, "Memory", "Accents").SetValue(accents);
  EXPECT_EQ(At(path, "Memory", "Accents").Value(), accents.substr(0, 1022));
}

TEST(ProfileStore, NamesAFileCannotHoldAreRefused) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  WriteFile(path, "[Integer1]\r\n1 Kb=1\r\n");
  const struct {
    const char* section;
    const char* key;
  } cases[] = {
      {"", "1 Kb"},        {"Integer1", ""},    {"Integer1", "  "},       {"Int]eger1", "1 Kb"},
      {"Integer1", "a=b"}, {"Integer1", "[x]"}, {"Integer\r\n1", "1 Kb"}, {"Integer1", "1\nKb"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.section) + " / " + c.key);
    settings::cINI ini = At(path, c.section, c.key);
    ini.SetValue("2");
    EXPECT_EQ(ini.LastReturnCode(), 0);
  }
  EXPECT_EQ(ReadFile(path), "[Integer1]\r\n1 Kb=1\r\n");
}

TEST(ProfileStore, RemovingASectionRemovesEveryCopyAndCreatesNothing) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  settings::cINI missing = At(path, "Integer1", "");
  missing.DeleteSection();
  EXPECT_NE(missing.LastReturnCode(), 0);
  EXPECT_FALSE(std::filesystem::exists(path));

  WriteFile(path, "[Integer1]\r\n1 Kb=1\r\n[Float1]\r\n1 Kb=2\r\n[INTEGER1]\r\n2 Kb=3\r\n");
  settings::cINI ini = At(path, "integer1", "");
  ini.SetINISection("whatever is given");
  EXPECT_NE(ini.LastReturnCode(), 0);
  EXPECT_EQ(ReadFile(path), "[Float1]\r\n1 Kb=2\r\n");
}

TEST(ProfileStore, KeyNamesComeNulSeparatedAndCutTo255Characters) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  EXPECT_EQ(At(kData + "/data_dat.ini", "integer1", "").INISection(), std::string("1 Kb\0"
                                                                                  "2 Kb\0",
                                                                                  10));
  for (int i = 0; i < 40; ++i) {
    At(path, "Many", "Key number " + std::to_string(i)).SetValue("x");
  }
  const std::string names = At(path, "Many", "").INISection();
  EXPECT_EQ(names.size(), 253u);
  EXPECT_EQ(names.substr(0, 14), std::string("Key number 0\0K", 14));
  EXPECT_EQ(At(path, "None", "").INISection(), "");
}

// A file that exists but cannot be read must not be replaced by one holding only the new entry.
TEST(ProfileStore, UnreadableFileIsNotOverwritten) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
  settings::cINI ini = At(path, "Integer1", "1 Kb");
  ini.SetValue("1");
  EXPECT_EQ(ini.LastReturnCode(), 0);
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(ProfileStore, WriteFailingHalfWayLeavesTheOldFile) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  const std::string old = ReadFile(kData + "/data_dat.ini");
  WriteFile(path, old);
  const int code = ExitCodeWithFileSizeLimit(old.size() + 10, [&] {
    settings::cINI ini = At(path, "Memory", "Slot1");
    ini.SetValue(std::string(5000, 'x'));
    return ini.LastReturnCode() == 0 ? 0 : 1;
  });
  EXPECT_EQ(code, 0) << "the write should have reported its failure";
  EXPECT_EQ(ReadFile(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sandbox.path()),
                          std::filesystem::directory_iterator()),
            1);
}

// Files as other programs write them, read and written as the Windows profile functions do: the
// value each read gives, and the bytes after writing Name=new into [Processor].
TEST(ProfileStore, FilesOtherProgramsWrite) {
  const std::string bom = "\xEF\xBB\xBF";
  const struct {
    const char* what;
    std::string file;
    const char* key;
    const char* read;
    std::string afterWrite;
  } cases[] = {
      {"UTF-8 mark", bom + "[Processor]\r\nName=old\r\n", "Name", "old",
       bom + "[Processor]\r\nName=new\r\n"},
      {"double quotes", "[Processor]\r\nName=\" two blanks \"\r\n", "Name", " two blanks ",
       "[Processor]\r\nName=new\r\n"},
      {"single quotes", "[Processor]\r\nName='x'\r\n", "Name", "x", "[Processor]\r\nName=new\r\n"},
      {"unmatched quotes", "[Processor]\r\nName=\"x'\r\n", "Name", "\"x'",
       "[Processor]\r\nName=new\r\n"},
      {"a lone quote", "[Processor]\r\nName=\"\r\n", "Name", "\"", "[Processor]\r\nName=new\r\n"},
      {"bare key line", "[Processor]\r\nName\r\nSpeed=1\r\n", "Name", "",
       "[Processor]\r\nName=new\r\nSpeed=1\r\n"},
      {"CR line ends", "[Processor]\rSpeed=1\rName=old\r", "Name", "old",
       "[Processor]\r\nSpeed=1\r\nName=new\r\n"},
      {"^Z after the value", "[Processor]\r\nName=old\x1A\r\n", "Name", "old",
       "[Processor]\r\nName=new\r\n"},
      {"^Z closing the file", "[Processor]\r\nName=old\r\n\x1A", "Name", "old",
       "[Processor]\r\nName=new\r\n\x1A\r\n"},
      {"NUL inside the value", std::string("[Processor]\r\nName=ab\0cd\r\n", 25), "Name", "ab",
       "[Processor]\r\nName=new\r\n"},
      {"comment line", "[Processor]\r\n;Name=x\r\n", "Name", "",
       "[Processor]\r\n;Name=x\r\nname=new\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Sandbox sandbox;
    const std::string path = sandbox / "Data.dat";
    WriteFile(path, c.file);
    EXPECT_EQ(At(path, "Processor", c.key).Value(), c.read);
    settings::cINI ini = At(path, "processor", "name");
    ini.SetValue("new");
    EXPECT_NE(ini.LastReturnCode(), 0);
    EXPECT_EQ(ReadFile(path), c.afterWrite);
  }
}

std::string Utf16(const std::string& ascii, bool bigEndian) {
  std::string units = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) {
    units += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return units;
}

TEST(ProfileStore, Utf16FilesStayUtf16) {
  for (const bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
    Sandbox sandbox;
    const std::string path = sandbox / "Data.dat";
    WriteFile(path, Utf16("[Memory]\r\nTotal=8,165\r\n", bigEndian));
    EXPECT_EQ(At(path, "Memory", "Total").Value(), "8,165");
    At(path, "Memory", "Free").SetValue("5,012");
    EXPECT_EQ(ReadFile(path), Utf16("[Memory]\r\nTotal=8,165\r\nFree=5,012\r\n", bigEndian));

    // A value UTF-16 cannot hold would be written as something else: the write fails instead.
    settings::cINI ini = At(path, "Memory", "Slot1");
    ini.SetValue("\xFF\xFE bytes");
    EXPECT_EQ(ini.LastReturnCode(), 0);
    EXPECT_EQ(ReadFile(path), Utf16("[Memory]\r\nTotal=8,165\r\nFree=5,012\r\n", bigEndian));
  }
}

TEST(ProfileStore, AFileThatIsNotValidUtf16IsLeftAlone) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  const std::string odd = Utf16("[Memory]\r\nTotal=1\r\n", false) + "x";
  WriteFile(path, odd);
  settings::cINI ini = At(path, "Memory", "Free");
  ini.SetValue("2");
  EXPECT_EQ(ini.LastReturnCode(), 0);
  EXPECT_EQ(ReadFile(path), odd);
}

// Data.dat and Full Test files copied in from elsewhere may be spelled in another case.
TEST(ProfileStore, TheFileIsFoundInAnyLetterCase) {
  Sandbox sandbox;
  WriteFile(sandbox / "data.DAT", "[Integer1]\r\n1 Kb=5\r\n");
  EXPECT_EQ(At(sandbox / "Data.dat", "Integer1", "1 Kb").Value(), "5");
  At(sandbox / "Data.dat", "Integer1", "2 Kb").SetValue("6");
  EXPECT_EQ(ReadFile(sandbox / "data.DAT"), "[Integer1]\r\n1 Kb=5\r\n2 Kb=6\r\n");
  EXPECT_FALSE(std::filesystem::exists(sandbox / "Data.dat")) << "no second file beside it";
}

// The 1,023-byte cut steps back only over the start of one UTF-8 character it would split.
TEST(ProfileStore, TheReadCutKeepsBytesThatAreNotUtf8) {
  Sandbox sandbox;
  const std::string path = sandbox / "Data.dat";
  const struct {
    const char* what;
    std::string value;
    std::string read;
  } cases[] = {
      {"continuation bytes only", std::string(1100, '\x80'), std::string(1023, '\x80')},
      {"Latin-1 text", std::string(1100, '\xE9'), std::string(1023, '\xE9')},
      {"a three-byte character split after two", std::string(1021, 'a') + "\xE2\x82\xAC" + "tail",
       std::string(1021, 'a')},
      {"a four-byte character ending at the cut", std::string(1019, 'a') + "\xF0\x9F\x98\x80" + "t",
       std::string(1019, 'a') + "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    At(path, "Memory", "Value").SetValue(c.value);
    EXPECT_EQ(At(path, "Memory", "Value").Value(), c.read);
  }
}

}  // namespace
