// Printing through the real dialog code into the private print service that scripts/test.sh
// starts: a CUPS daemon whose default printer is a PDF printer (cups-pdf) writing every job as a
// PDF file. The tests read the PDFs back with poppler's tools.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QThread>
#include <map>

#include "dialog_driver.h"
#include "recorded_messages.h"
#include "results_menu.h"

// Texts in failure messages as a person reads them.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// What the user sets in frmPrint before pressing Print.
struct Settings {
  QString copies = "1";
  QString fontSize = "12";
  bool landscape = false;
  bool includeWinInfo = false;
};

// One PDF file the printer wrote: the lines of text of every sheet, the boxes of those lines and
// its fonts.
struct PrintedJob {
  std::vector<QStringList> sheets;
  std::vector<QRectF> lineBoxes;
  QString fonts;
};

QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString()
                  << " failed: " << process.readAllStandardError().toStdString();
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintService : public testing::Test {
 protected:
  void SetUp() override {
    pdfFolder_ = qEnvironmentVariable("VANTORA_TEST_PDF_FOLDER");
    if (pdfFolder_.isEmpty()) {
      GTEST_SKIP() << "Not run: the private print service is not running. scripts/test.sh starts "
                      "it (a CUPS daemon with a cups-pdf printer; cups-pdf needs root).";
    }
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), "VantoraPDF")
        << "the print service's default printer";
    before_ = QDir(pdfFolder_).entryList({"*.pdf"}, QDir::Files);
  }
  // "Print Results" with the settings; returns whether the dialog closed.
  bool Print(const Settings& settings, const std::string& winBox, const std::string& allResults) {
    bool closed = false;
    DialogDriver driver([&](QDialog& dialog) {
      dialog.findChild<QComboBox*>("Combo1")->setCurrentText(settings.copies);
      dialog.findChild<QComboBox*>("Combo2")->setCurrentText(settings.fontSize);
      dialog.findChild<QRadioButton*>(settings.landscape ? "Option2" : "Option1")->setChecked(true);
      dialog.findChild<QCheckBox*>("Check1")->setChecked(settings.includeWinInfo);
      dialog.findChild<QPushButton*>("cmdPrint")->click();
      closed = dialog.result() == QDialog::Accepted;
    });
    reports::PrintResults(nullptr, winBox, allResults);
    return closed;
  }

  // The jobs printed since the test began, in the order they were sent, once the print service
  // has no job left to do.
  std::vector<PrintedJob> PrintedJobs() {
    const QDeadlineTimer deadline(60000);
    while (!Output("lpstat", {"-o"}).trimmed().isEmpty()) {
      if (deadline.hasExpired()) {
        ADD_FAILURE() << "the print service did not finish its jobs within a minute";
        return {};
      }
      QThread::msleep(100);
    }
    std::map<int, QString> files;
    static const QRegularExpression jobNumber(QStringLiteral("job_(\\d+)\\.pdf$"));
    for (const QString& name : QDir(pdfFolder_).entryList({"*.pdf"}, QDir::Files)) {
      if (!before_.contains(name)) {
        files[jobNumber.match(name).captured(1).toInt()] = pdfFolder_ + "/" + name;
      }
    }
    std::vector<PrintedJob> jobs;
    for (const auto& [jobNumber, path] : files) {
      PrintedJob job;
      QStringList sheets = Output("pdftotext", {path, "-"}).split('\f');
      sheets.removeLast();  // after the last sheet's form feed
      for (const QString& sheet : sheets) {
        QStringList lines;
        for (const QString& line : sheet.split('\n')) {
          if (!line.trimmed().isEmpty()) {
            lines << line.trimmed();
          }
        }
        job.sheets.push_back(lines);
      }
      static const QRegularExpression box(QStringLiteral(
          "<line xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\""));
      for (auto match = box.globalMatch(Output("pdftotext", {"-bbox-layout", path, "-"}));
           match.hasNext();) {
        const QRegularExpressionMatch line = match.next();
        job.lineBoxes.push_back(
            QRectF(QPointF(line.captured(1).toDouble(), line.captured(2).toDouble()),
                   QPointF(line.captured(3).toDouble(), line.captured(4).toDouble())));
      }
      job.fonts = Output("pdffonts", {path});
      jobs.push_back(job);
    }
    return jobs;
  }

  QString pdfFolder_;
  QStringList before_;
  RecordedMessages messages_;
};

// A results log of `count` lines, with empty and blank lines between them.
std::string ResultsLog(int count, QStringList& printed) {
  std::string log;
  for (int k = 1; k <= count; ++k) {
    const QString line =
        QStringLiteral("%1 Kb Block: %2 BPs (19 GB) [-39 MB 0.5%]").arg(k).arg(19046418164LL + k);
    printed << line;
    log += line.toStdString() + (k % 10 == 0 ? "\r\n\r\n   \r\n" : "\r\n");
  }
  return log;
}

// Text lines on a sheet read left to right are wider than tall; on a sheet turned for landscape
// they run up the page.
bool Upright(const std::vector<QRectF>& boxes) {
  return std::all_of(boxes.begin(), boxes.end(),
                     [](const QRectF& box) { return box.width() > box.height(); });
}

TEST_F(PrintService, EveryPageIsAJobOfItsOwnWithTheSummaryFirstInPortrait) {
  QStringList summary{"Host Name: TESTBOX", "OS Name: Test Linux"};
  QStringList printed = summary;
  const std::string log = ResultsLog(80, printed);
  ASSERT_TRUE(Print({"2", "12", false, true}, "Host Name: TESTBOX\r\nOS Name: Test Linux", log));
  EXPECT_TRUE(messages_.shown.empty());

  const std::vector<PrintedJob> jobs = PrintedJobs();
  ASSERT_EQ(jobs.size(), 2u) << "82 lines, 46 to a portrait page at 12 points";
  const std::vector<QStringList> expected[] = {{printed.mid(0, 46), printed.mid(0, 46)},
                                               {printed.mid(46), printed.mid(46)}};
  for (std::size_t k = 0; k < jobs.size(); ++k) {
    const PrintedJob& job = jobs[k];
    EXPECT_EQ(job.sheets, expected[k]) << "two copies of the page, each on one sheet";
    EXPECT_TRUE(Upright(job.lineBoxes)) << "portrait";
    EXPECT_TRUE(job.fonts.contains("LiberationSerif")) << job.fonts.toStdString();
    ASSERT_FALSE(job.lineBoxes.empty());
    // Five empty lines of 13.8 points above the first line.
    EXPECT_GT(job.lineBoxes.front().top(), 5 * 13.8);
    EXPECT_LT(job.lineBoxes.front().top(), 7 * 13.8);
  }
}

TEST_F(PrintService, AFullLandscapePageFitsItsSheetAndAnEmptySheetFollowsIt) {
  // The smallest font, and the largest, whose lines come closest to the sheet's edge.
  const std::pair<QString, int> fullPages[] = {{"8", 55}, {"16", 27}};
  for (const auto& [fontSize, lines] : fullPages) {
    SCOPED_TRACE(fontSize.toStdString());
    QStringList printed;
    const std::string log = ResultsLog(lines, printed);
    ASSERT_TRUE(Print({"1", fontSize, true, false}, "summary not printed", log));

    const std::vector<PrintedJob> jobs = PrintedJobs();
    before_ = QDir(pdfFolder_).entryList({"*.pdf"}, QDir::Files);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].sheets, std::vector<QStringList>{printed});
    EXPECT_FALSE(jobs[0].lineBoxes.empty());
    EXPECT_FALSE(Upright(jobs[0].lineBoxes)) << "landscape";
    EXPECT_EQ(jobs[1].sheets, std::vector<QStringList>{{}}) << "a sheet with only the top margin";
  }
}

TEST_F(PrintService, AFontSizeWithoutALimitPrintsOneJobOverSeveralSheets) {
  QStringList printed;
  const std::string log = ResultsLog(70, printed);
  ASSERT_TRUE(Print({"1", "12.0", false, false}, "", log));

  const std::vector<PrintedJob> jobs = PrintedJobs();
  ASSERT_EQ(jobs.size(), 1u);
  ASSERT_EQ(jobs[0].sheets.size(), 2u);
  EXPECT_EQ(jobs[0].sheets[0] + jobs[0].sheets[1], printed);
}

TEST_F(PrintService, AnInvalidNumberOfCopiesSendsNothingAndLeavesTheDialogOpen) {
  QStringList printed;
  EXPECT_FALSE(Print({"0", "12", false, false}, "", ResultsLog(5, printed)));
  EXPECT_EQ(messages_.Titled(),
            std::vector<std::string>{"Printer Error: Error: \"0\" is not a number of "
                                     "copies; type a whole number from 1 up."});
  EXPECT_TRUE(PrintedJobs().empty());
}

}  // namespace
