// The texts of the information and About windows: the CPU feature explanations in their order and
// layout, the test information piece by piece, the About texts of both editions.

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "about_texts.h"
#include "cpu_features.h"
#include "test_information.h"
#include "web_addresses.h"

namespace {

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
       start = end + separator.size()) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

struct Entry {
  const char* term;
  std::size_t paragraphs;
};

// The information window's list: every term in its place with its number of paragraphs.
constexpr Entry kEntries[] = {
    {"FPU", 2},
    {"VME (VIF)", 2},
    {"PSE", 2},
    {"DE", 1},
    {"TSC", 5},
    {"MMX", 3},
    {"3DNow!", 2},
    {"SSE", 3},
    {"x86-64", 4},
    {"MSR", 1},
    {"PAE", 2},
    {"MCE", 5},
    {"CAS (CX8)", 1},
    {"APIC", 2},
    {"PNA (SSE3)", 1},
    {"PCLMULQDQ (CLMUL)", 1},
    {"DTES64", 1},
    {"MONITOR (MWAIT)", 1},
    {"DSCPL", 1},
    {"VMX", 1},
    {"SMX", 1},
    {"EST", 1},
    {"TM2", 1},
    {"SSSE3", 1},
    {"SEP", 1},
    {"MTRR", 2},
    {"PGE", 1},
    {"MCA", 1},
    {"CMOV", 2},
    {"PAT", 2},
    {"CLFLUSH", 1},
    {"FMA", 1},
    {"XTPR", 1},
    {"PDCM", 1},
    {"PCID", 1},
    {"ACPI", 1},
    {"SS", 1},
    {"HT", 2},
    {"TM", 1},
    {"IA64", 2},
    {"PBE", 1},
    {"DCA", 1},
    {"SSE41", 1},
    {"SSE42", 1},
    {"POPCNT and LZCNT", 1},
    {"SSE4a", 1},
    {"X2APIC", 1},
    {"POPCNT", 1},
    {"TSCDEADLINE", 1},
    {"AES", 3},
    {"AVX", 1},
    {"CVT16", 1},
    {"RDRAND", 1},
    {"HYPERVISOR (VMM)", 2},
    {"PN", 1},
};

TEST(CpuIdInformation, TheHeadingThenEveryTermInOrderWithItsParagraphsEachAfterABlankLine) {
  const std::vector<startup::CpuFeature>& features = startup::CpuFeatures();
  ASSERT_EQ(features.size(), std::size(kEntries));

  const std::vector<std::string> paragraphs = Split(startup::CpuIdInformationText(), "\r\n\r\n");
  ASSERT_EQ(paragraphs.front(), "CPU ID Data");
  const std::size_t expectedParagraphs =
      std::accumulate(std::begin(kEntries), std::end(kEntries), std::size_t{1},
                      [](std::size_t sum, const Entry& entry) { return sum + entry.paragraphs; });
  ASSERT_EQ(paragraphs.size(), expectedParagraphs);

  std::size_t next = 1;
  for (std::size_t k = 0; k < std::size(kEntries); ++k) {
    const Entry& entry = kEntries[k];
    EXPECT_EQ(features[k].term, entry.term);
    EXPECT_EQ(features[k].paragraphs.size(), entry.paragraphs) << entry.term;
    const std::string dash = std::string(entry.term) == "X2APIC" ? "  - " : " - ";
    EXPECT_TRUE(StartsWith(paragraphs[next], entry.term + dash)) << paragraphs[next];
    for (std::size_t p = 0; p < entry.paragraphs; ++p, ++next) {
      EXPECT_FALSE(paragraphs[next].empty()) << entry.term;
      EXPECT_EQ(paragraphs[next].find('\n'), std::string::npos) << entry.term;
    }
  }
}

TEST(CpuIdInformation, ShortEntriesWordForWord) {
  const std::vector<std::string> paragraphs = Split(startup::CpuIdInformationText(), "\r\n\r\n");
  for (const char* entry : {"DE - Debugging extensions. ", "PGE - Page Global Enable bit",
                            "SS - CPU cache supports self-snoop",
                            "TM - Thermal monitor automatically limits temperature",
                            "DCA - Direct cache access for DMA writes",
                            "PCID - Process context identifiers (CR4 bit 17)"}) {
    EXPECT_EQ(std::count(paragraphs.begin(), paragraphs.end(), entry), 1) << entry;
  }
}

// The pieces quoted for the test information, up to the test procedures, as they follow each other.
const std::string kQuotedPieces =
    "Results\r\n\r\n"
    "The Test Results will look something like this: \r\n"
    "19,046,418,164 BPs (19 GB) [-39 MB 0.5%]\r\n"
    "The fist part, 19,046,418,164 BPs, is the actual speed of the test on the Memory/Cache. The "
    "next part, (19 GB), is a rounded number for the test. The last part, [-39 MB 0.5%], shows "
    "the difference from the last test, or prior test selected, and the percentage of that "
    "difference. A negative (-) will indicate that the test was less than the compare results."
    "\r\n\r\n"
    "When a Full Test is completed all results are saved to a file that can be used for comparison "
    "later. Keep in mind that each test will not always produce the same exact result. They can "
    "vary anywhere for 0 to 10%, so if you are going to use this for tweaking, run multiple test "
    "and average the results before making changes.\r\n\r\n"
    "Functions\r\n\r\n"
    "Test - Select the test you desire to run, Run All will execute all test.\r\n"
    "Test Size - You can set the desired test size, default is 8 GB, lower this value for older "
    "CPUs.\r\n"
    "Prefetch - This set the Prefetch used for the Copy, Add, Scale and Triad for NT test. \r\n"
    "NTA code for Copy and Scale, T0 code for Add and Triad\r\n"
    "     Auto - NTA code for Copy and Scale, T0 code for Add and Triad\r\n"
    "     NTA - NTA code for Copy, Scale, Add and Triad\r\n"
    "     T0 - T0 code for Copy, Scale, Add and Triad\r\n"
    "Compare to Part Test - This will compare test results to the select last Run All test "
    "results. The test results for Run All will be saved in a seperate file. Individual Test will "
    "be saved in the Last Test Section, so if not Compare To File is select, results will be "
    "compared to the last test for all test.\r\n\r\n"
    "Test Procedures\r\n\r\n"
    "INTmark and FLOATmark\r\n\r\n";

TEST(TestInformation, ThePiecesInTheirOrderAndTheEditionsCredits) {
  for (const int edition : {0, 1}) {
    SCOPED_TRACE(edition);
    const std::string text = startup::TestInformationText(edition);
    ASSERT_TRUE(StartsWith(text, kQuotedPieces));

    const std::vector<std::string> paragraphs =
        Split(text.substr(kQuotedPieces.size()), "\r\n\r\n");
    ASSERT_EQ(paragraphs.size(), 6u);
    EXPECT_TRUE(StartsWith(paragraphs[0],
                           "INTmark and FLOATmark measure the maximum possible cache and memory "
                           "performance"));

    // The memory tests' paragraph, a line break, then the four subtests without breaks between.
    const std::vector<std::string> memoryTests = Split(paragraphs[1], "\r\n");
    ASSERT_EQ(memoryTests.size(), 2u);
    EXPECT_TRUE(StartsWith(memoryTests[0], "INTmem and FLOATmem test are synthetic simulations"));
    std::size_t at = 0;
    for (const std::string sentence :
         {" Copy is the simplest among them.", " Scale is a little more advanced.",
          " Add reads data from the first memory location",
          " Triad is a merge of Add and Scale."}) {
      EXPECT_TRUE(StartsWith(memoryTests[1].substr(at), sentence)) << sentence;
      const std::size_t formula = memoryTests[1].find("(A = ", at);
      ASSERT_NE(formula, std::string::npos) << sentence;
      at = memoryTests[1].find(").", formula) + 2;
    }
    EXPECT_EQ(at, memoryTests[1].size()) << "each sentence ends with its formula";

    EXPECT_TRUE(StartsWith(paragraphs[2],
                           "MMXmark with MMXmem and SSEmark with SSEmem serving "
                           "the same purpose"));
    EXPECT_TRUE(StartsWith(paragraphs[3],
                           "Non-temporal versions of MMXmark\\MMXmem and "
                           "SSEmark\\SSEmem minimise cache pollution"));
    EXPECT_TRUE(StartsWith(paragraphs[4],
                           "INTmark\\INTmem transfer data in either doublewords "
                           "(32 bits) or quadwords (64 bits)"));
    EXPECT_FALSE(paragraphs[5].empty()) << "the closing credits";
  }
  const std::string vantora = startup::TestInformationText(0);
  const std::string pellisto = startup::TestInformationText(1);
  EXPECT_NE(vantora, pellisto);
  const std::size_t credits = vantora.rfind("\r\n\r\n");
  EXPECT_EQ(vantora.substr(0, credits), pellisto.substr(0, credits)) << "only the credits differ";
}

TEST(AboutTexts, VersionDescriptionAndContactOfEachEdition) {
  const startup::AboutTexts vantora = startup::AboutTextsFor(0, "0.10", "21 Sep 12");
  EXPECT_EQ(vantora.version, "Version: 0.10 21 Sep 12");
  EXPECT_EQ(vantora.description,
            "This Program Test the Speed of your Memory (RAM)and Cache.It will allow you to see "
            "the actual working speed of your system Physical Memory (RAM) and Processor Cache. "
            "Working/Actual speeds are often a little lower than Specification Ratings so it is "
            "good to see what your speeds truly are.\r\n" +
                startup::MakerPage() + "\r\n");
  EXPECT_FALSE(vantora.showContact);
  EXPECT_EQ(vantora.makerPage, startup::MakerPage());

  const startup::AboutTexts pellisto = startup::AboutTextsFor(1, "0.10", "21 Sep 12");
  EXPECT_EQ(pellisto.version, "Version: 0.10 21 Sep 12");
  const std::vector<std::string> lines = Split(pellisto.description, "\r\n");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "This Program Test the Speed of your Memory (RAM)and Cache.");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], startup::MakerPage());
  EXPECT_NE(lines[3].find(startup::EngineAuthorsPage()), std::string::npos) << lines[3];
  EXPECT_EQ(lines[4], "");
  EXPECT_TRUE(pellisto.showContact);
  EXPECT_FALSE(pellisto.contact.empty());
  EXPECT_EQ(pellisto.contactPage, startup::EngineAuthorsPage());
  EXPECT_NE(vantora.title, pellisto.title);
}

}  // namespace
