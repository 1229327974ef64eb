// Printing laid out in pages: the line limits, the top margin, the lines that are dropped, and the
// order of the checks and messages before and while the pages go to the printer.

#include <gtest/gtest.h>

#include "fake_page_printer.h"
#include "print_document.h"
#include "print_layout.h"
#include "recorded_messages.h"

namespace {

TEST(PageLineLimit, ByTheExactFontSizeTextAndTheOrientation) {
  struct Case {
    const char* fontSize;
    std::optional<int> portrait;
    std::optional<int> landscape;
  };
  const Case cases[] = {
      {"8", 70, 55},    {"10", 57, 44},  {"12", 46, 34}, {"14", 39, 28}, {"16", 36, 27},
      {"12.0", {}, {}}, {" 12", {}, {}}, {"11", {}, {}}, {"", {}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(reports::PageLineLimit(c.fontSize, false), c.portrait) << c.fontSize;
    EXPECT_EQ(reports::PageLineLimit(c.fontSize, true), c.landscape) << c.fontSize;
  }
}

TEST(TopMarginLines, FourFromSixteenPointsUpFiveBelow) {
  EXPECT_EQ(reports::TopMarginLines(8), 5);
  EXPECT_EQ(reports::TopMarginLines(15.5), 5);
  EXPECT_EQ(reports::TopMarginLines(16), 4);
  EXPECT_EQ(reports::TopMarginLines(72), 4);
}

const std::string kMargin5 = "\r\n\r\n\r\n\r\n\r\n";

TEST(LayOutPages, DropsEmptyAndBlankLinesIndentsTheRestAndBreaksAtTheLimit) {
  const std::string document = "one\r\n\r\n   \r\ntwo\r\n  three  \nfour\r\n\r\nfive";
  EXPECT_EQ(reports::LayOutPages(document, 2, 5),
            (std::vector<std::string>{kMargin5 + "     one\r\n     two\r\n",
                                      kMargin5 + "       three  \r\n     four\r\n",
                                      kMargin5 + "     five\r\n"}));
  EXPECT_EQ(reports::LayOutPages(document, std::nullopt, 4),
            (std::vector<std::string>{"\r\n\r\n\r\n\r\n     one\r\n     two\r\n       three  \r\n"
                                      "     four\r\n     five\r\n"}))
      << "without a limit, one page";
}

TEST(LayOutPages, ALastLineThatFillsThePageIsFollowedByAnEmptyPage) {
  EXPECT_EQ(reports::LayOutPages("one\r\ntwo\r\n", 2, 5),
            (std::vector<std::string>{kMargin5 + "     one\r\n     two\r\n", kMargin5}));
  EXPECT_EQ(reports::LayOutPages("\r\n  \r\n\r\n", 2, 5), (std::vector<std::string>{kMargin5}))
      << "nothing but empty lines: one page of top margin";
}

class PrintDocument : public testing::Test {
 protected:
  struct Message {
    std::string text;
    platform::MsgIcon icon;
    std::string title;
    bool operator==(const Message& other) const {
      return text == other.text && icon == other.icon && title == other.title;
    }
  };

  // What the message boxes showed, as compared here.
  std::vector<Message> messages() const {
    std::vector<Message> messages;
    for (const RecordedMessages::Message& shown : recorded_.shown) {
      messages.push_back({shown.text, shown.icon, shown.title});
    }
    return messages;
  }

  static reports::PrintChoice Choice() { return {"VantoraPDF", "1", "12", false, false}; }

  FakePagePrinter printer_;
  RecordedMessages recorded_;
};

TEST_F(PrintDocument, TheSummaryFirstItsEmptyLinesDroppedEveryPageWithTheSettings) {
  reports::PrintChoice choice = Choice();
  choice.copiesText = " 3 ";
  choice.fontSizeText = "8";
  choice.landscape = true;
  choice.includeWinInfo = true;
  std::string document;
  for (int k = 1; k <= 60; ++k) {
    document += "result " + std::to_string(k) + "\r\n\r\n";
  }
  ASSERT_TRUE(reports::PrintDocument(choice, document, "summary 1\r\nsummary 2", printer_));
  EXPECT_TRUE(recorded_.shown.empty());

  ASSERT_EQ(printer_.pages.size(), 2u) << "62 lines, 55 to a landscape page at 8 points";
  std::string expectedFirst = kMargin5 + "     summary 1\r\n     summary 2\r\n";
  for (int k = 1; k <= 53; ++k) {
    expectedFirst += "     result " + std::to_string(k) + "\r\n";
  }
  EXPECT_EQ(printer_.pages[0].text, expectedFirst);
  EXPECT_EQ(printer_.pages[1].text.rfind(kMargin5 + "     result 54\r\n", 0), 0u);
  for (const FakePagePrinter::Page& page : printer_.pages) {
    EXPECT_EQ(page.settings.copies, 3);
    EXPECT_EQ(page.settings.fontSize, 8);
    EXPECT_TRUE(page.settings.landscape);
  }
}

TEST_F(PrintDocument, MessagesStopPrintingBeforeAnyPageWhenSomethingIsMissingOrNotValid) {
  struct Case {
    const char* what;
    std::string printer;
    std::string document;
    std::string copies;
    std::string fontSize;
    Message message;
  };
  const Message noPrinter{"No Printer Detected", platform::MsgIcon::Exclamation,
                          "Printer Not Install"};
  const Message noData{"No Data to Print", platform::MsgIcon::Critical, "Print"};
  const auto error = [](const std::string& reason) {
    return Message{"Error: " + reason, platform::MsgIcon::Critical, "Printer Error"};
  };
  const std::string badCopies = "is not a number of copies; type a whole number from 1 up.";
  const std::string badSize = "is not a font size; type a number from 1 to 1638.";
  const Case cases[] = {
      {"no printer, before anything else", "", "", "x", "x", noPrinter},
      {"no data", "VantoraPDF", "", "x", "x", noData},
      {"copies not a number", "VantoraPDF", "line", "abc", "12", error("\"abc\" " + badCopies)},
      {"no copies", "VantoraPDF", "line", "0", "12", error("\"0\" " + badCopies)},
      {"copies not whole", "VantoraPDF", "line", "2.5", "12", error("\"2.5\" " + badCopies)},
      {"font size not a number", "VantoraPDF", "line", "1", "big", error("\"big\" " + badSize)},
      {"font size too small", "VantoraPDF", "line", "1", "0.5", error("\"0.5\" " + badSize)},
      {"font size too large", "VantoraPDF", "line", "1", "5000", error("\"5000\" " + badSize)},
  };
  for (const Case& c : cases) {
    recorded_.shown.clear();
    reports::PrintChoice choice = Choice();
    choice.printer = c.printer;
    choice.copiesText = c.copies;
    choice.fontSizeText = c.fontSize;
    EXPECT_FALSE(reports::PrintDocument(choice, c.document, "summary", printer_)) << c.what;
    EXPECT_EQ(messages(), std::vector<Message>{c.message}) << c.what;
  }
  EXPECT_EQ(printer_.calls, 0);
}

TEST_F(PrintDocument, APageThePrinterRefusesEndsPrintingAfterThePagesAlreadySent) {
  printer_.failAt = 2;
  std::string document;
  for (int k = 0; k < 200; ++k) {
    document += "result\r\n";
  }
  EXPECT_FALSE(reports::PrintDocument(Choice(), document, "", printer_));
  EXPECT_EQ(printer_.calls, 2) << "no page after the refused one";
  EXPECT_EQ(printer_.pages.size(), 1u);
  EXPECT_EQ(messages(), (std::vector<Message>{{"Error: The printer is out of paper.",
                                               platform::MsgIcon::Critical, "Printer Error"}}));
}

TEST_F(PrintDocument, AFontSizeWithoutALimitPrintsEverythingAsOneJob) {
  reports::PrintChoice choice = Choice();
  choice.fontSizeText = "12.0";
  std::string document;
  for (int k = 0; k < 120; ++k) {
    document += "result\r\n";
  }
  ASSERT_TRUE(reports::PrintDocument(choice, document, "", printer_));
  ASSERT_EQ(printer_.pages.size(), 1u);
  EXPECT_EQ(printer_.pages[0].settings.fontSize, 12);
}

}  // namespace
