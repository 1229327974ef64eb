#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <regex>

#include "accessible_names.h"
#include "frm_compare.h"
#include "main_window_fixture.h"
#include "show_modal.h"
#include "web_page.h"

namespace {

namespace fs = std::filesystem;

constexpr char kStoredSummary[] =
    "[Processor]\r\nName=AMD EPYC 9454\r\nSpeed=3800 MHz\r\nSock=SP5\r\nNumber=1\r\n"
    "[Memory]\r\nTotal=24,032\r\nFree=20,001\r\nSlots=14\r\nSimms=2\r\n"
    "Slot1=Slot 1   17 GB  Speed: 4800 Mhz   (P0 CHANNEL A)\r\n"
    "Slot12=Slot 12   17 GB  Speed: 4800 Mhz   (P0 CHANNEL L)\r\n"
    "Slot13=Slot 13   17 GB  Speed: 4800 Mhz   (P1 CHANNEL A)\r\n";

class MainWindowTest : public MainWindowFixture {
 protected:
  // A start with the summary stored by an earlier one, so the summary tool is not run.
  void StoredStart() {
    PlaceFakeEngine();
    fs::create_directories(sandbox / "temp");
    WriteFile(sandbox / "temp/Data.dat", kStoredSummary);
    WriteFile(sandbox / "temp/SystemInfo.txt", "Host Name:                 bench\r\n");
    ASSERT_TRUE(Load());
  }

  void Check(const std::string& box) { Control<QCheckBox>(box)->click(); }
  void PressRun() { Control<QPushButton>("Command1")->click(); }
  bool PageShown(int index) const {
    return Control<QWidget>("TestPage_" + std::to_string(index))->isVisibleTo(window.get());
  }
};

TEST_F(MainWindowTest, AStartWithAStoredSummaryShowsItWithoutRunningTheTool) {
  fs::create_directories(state.ProgramFolder + "/Full Test");
  WriteFile(state.ProgramFolder + "/Full Test/BENCH Speed Test 10.00.00 01 Jan 27.Tdv", "");
  WriteFile(state.ProgramFolder + "/Full Test/notes.TDV", "");
  StoredStart();

  EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
  EXPECT_EQ(window->WinBoxText(), "Host Name:                 bench\r\n");
  EXPECT_TRUE(Control<QToolButton>("SelectP_8")->isEnabled());
  EXPECT_EQ(state.ProcName, "AMD EPYC 9454");
  EXPECT_EQ(state.SlotText[11], "Slot 12   17 GB  Speed: 4800 Mhz   (P0 CHANNEL L)");

  const std::string cpuInfo = Control<QPlainTextEdit>("CPUInfo")->toPlainText().toStdString();
  EXPECT_EQ(cpuInfo.rfind("PROCESSOR/MEMORY INFORMATION\nMemory   Total: 24,032   Free: 20,001\n"
                          "   Slot1 : Slot 1   17 GB",
                          0),
            0u)
      << cpuInfo;
  EXPECT_NE(cpuInfo.find("\nLevel 1\nI-cache: 32Kb"), std::string::npos);
  EXPECT_TRUE(PageShown(7));
  EXPECT_EQ(window->AllResults().rfind("PROCESSOR/MEMORY INFORMATION\r\n", 0), 0u)
      << "the results log starts with the CPU panel, in CR LF lines";
  EXPECT_EQ(Text("Label5"),
            "Total Memory: 24,032 MB\nDimms: 2/14 Slots\nL1: 32Kb L2: 256Kb L3: 8192Kb");

  auto* sizes = Control<QComboBox>("Combo1");
  EXPECT_EQ(sizes->currentText(), "8");
  ASSERT_EQ(sizes->count(), 8);
  EXPECT_EQ(sizes->itemText(7), "16");
  EXPECT_EQ(Menu("mnucompare")->text(), "Compare to Past Full Test (2)");
  EXPECT_TRUE(Menu("mnucompare")->isEnabled());
  for (int page = 0; page < 7; ++page) {
    EXPECT_FALSE(Control<QToolButton>("SelectP_" + std::to_string(page))->isEnabled()) << page;
  }
}

TEST_F(MainWindowTest, AFirstStartGathersTheSummaryWithTheTool) {
  PlaceFakeEngine();
  fs::copy_file(SYSTEMINFO_EXE, sandbox / "win/System32/SystemInfo.exe");
  ASSERT_TRUE(Load());
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
  EXPECT_NE(window->WinBoxText().find("Total Physical Memory:     "), std::string::npos);
  EXPECT_EQ(ReadFile(state.TempFolder + "/SystemInfo.txt"), window->WinBoxText());
  EXPECT_TRUE(std::regex_match(Stored("Memory", "Total"), std::regex("[0-9][0-9,.]*")))
      << Stored("Memory", "Total");
  EXPECT_EQ(Menu("mnucompare")->text(), "Compare to Past Full Test (0)");
  EXPECT_FALSE(Menu("mnucompare")->isEnabled());
}

TEST_F(MainWindowTest, TestsOfAMissingFeatureCannotBeChosen) {
  WriteFile(sandbox / "report.txt", "\nI-cache: 16Kb, 4-way\nD-cache: 16Kb, 4-way\nVector: MMX \n");
  ScopedEnvironment report("FAKE_ENGINE_REPORT", sandbox / "report.txt");
  StoredStart();
  EXPECT_TRUE(state.HasMMX);
  EXPECT_FALSE(state.HasSSE);
  for (const int box : {4, 8}) {
    auto* check = Control<QCheckBox>("RunTEST_" + std::to_string(box));
    EXPECT_FALSE(check->isEnabled() || check->isChecked()) << box;
  }
  EXPECT_TRUE(Control<QCheckBox>("RunTEST_3")->isEnabled());
  EXPECT_EQ(Text("Label5"), "Total Memory: 24,032 MB\nDimms: 2/14 Slots\nL1: 16Kb ");
}

TEST_F(MainWindowTest, ASeriesFillsItsPageAndTheLog) {
  StoredStart();
  Check("RunTEST_1");
  PressRun();
  for (int row = 1; row <= 16; ++row) {
    EXPECT_FALSE(Text("Write" + std::to_string(row) + "_0").empty()) << row;
    EXPECT_FALSE(Text("Read" + std::to_string(row) + "_0").empty()) << row;
  }
  EXPECT_EQ(Text("Write1_0"), "1,000,000,000 Bps (1,000 MB)");
  EXPECT_NE(window->AllResults().find("\r\n\r\nInteger Write Test In Progress\r\nWrite 1 KB: "),
            std::string::npos);
  EXPECT_TRUE(PageShown(0));
  EXPECT_FALSE(PageShown(7));
  EXPECT_TRUE(Control<QToolButton>("SelectP_0")->isChecked());
  EXPECT_EQ(Control<QPushButton>("Command1")->text(), "RUN");
  EXPECT_EQ(window->windowTitle(), "Memory and Cache Benchmark Utility");
  EXPECT_EQ(Stored("Integer2", "16 Kb"), "2004000000");
}

TEST_F(MainWindowTest, CancelDuringARunAndRunAgain) {
  StoredStart();
  ScopedEnvironment pause("FAKE_ENGINE_PAUSE_MS", "5");
  Check("RunTEST_2");  // "Float Cache": -b4, -b5
  std::string titleAfterCancel;
  const auto connection = QObject::connect(
      &window->objDOSB(), &runner::DOSOutputs::ReceiveOutputs, [&](const std::string&) {
        if (titleAfterCancel.empty()) {
          Control<QPushButton>("Command1")->click();
          titleAfterCancel = window->windowTitle().toStdString();
        }
      });
  PressRun();
  QObject::disconnect(connection);
  EXPECT_EQ(titleAfterCancel, "Cancel In-Progress ... This may Take a Minute!!");
  EXPECT_FALSE(Text("Write1_1").empty()) << "the run in progress still counts";
  EXPECT_TRUE(Text("Read1_1").empty()) << "the next run never started";
  EXPECT_TRUE(Control<QCheckBox>("RunTEST_2")->isEnabled());

  PressRun();
  EXPECT_FALSE(Text("Read1_1").empty());
}

TEST_F(MainWindowTest, ClosingDuringASeriesKeepsItsFiguresAndThenCloses) {
  StoredStart();
  window->show();
  Check("RunTEST_5");
  Check("RunTEST_6");
  bool closeRefused = false;
  QObject::connect(&window->objDOSB(), &runner::DOSOutputs::ReceiveOutputs,
                   [&](const std::string&) {
                     if (!closeRefused) {
                       closeRefused = !window->close();
                     }
                   });
  PressRun();
  EXPECT_TRUE(closeRefused);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Stored("MEM Test", "Interger Copy"), "3000000000");
  EXPECT_EQ(Stored("MEM Test", "SSE Copy"), "") << "Float MEM never ran";
  EXPECT_FALSE(fs::exists(state.TempFolder + "/RAM.exe")) << "the engine file goes at close";
}

TEST_F(MainWindowTest, PanelRulesThroughTheControls) {
  StoredStart();
  Check("RunTEST_3");
  Check("RunTEST_0");
  EXPECT_FALSE(Control<QCheckBox>("RunTEST_3")->isChecked()) << "Run ALL clears the others";
  Check("RunTEST_5");
  EXPECT_FALSE(Control<QCheckBox>("RunTEST_5")->isChecked()) << "and keeps them clear";

  auto* winButton = Control<QToolButton>("SelectP_8");
  winButton->click();
  winButton->click();  // the pressed button stays pressed
  EXPECT_TRUE(winButton->isChecked());
  EXPECT_TRUE(PageShown(8));
  EXPECT_FALSE(PageShown(7));
  Control<QToolButton>("SelectP_0")->click();  // no results yet: disabled
  EXPECT_TRUE(PageShown(8));
}

TEST_F(MainWindowTest, CompareWithAPastFullTest) {
  fs::create_directories(state.ProgramFolder + "/Full Test");
  const std::vector<std::string> names{"BENCH Speed Test 14.03.22 21 Sep 12.Tdv", "notes.TDV"};
  for (const std::string& name : names) {
    WriteFile(state.ProgramFolder + "/Full Test/" + name, "[Integer1]\r\n1 Kb=500000000\r\n");
  }
  StoredStart();
  const auto choose = [&](std::function<void(QDialog&)> act) {
    const widgets::ModalHandler previous = widgets::SetModalHandler([&](QDialog& dialog) {
      act(dialog);
      return dialog.result();
    });
    Menu("mnucompare")->trigger();
    widgets::SetModalHandler(previous);
  };
  const auto pick = [](const std::string& entry) {
    return [entry](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("List1"));
      const auto found = list->findItems(QString::fromStdString(entry), Qt::MatchExactly);
      ASSERT_EQ(found.size(), 1) << entry;
      list->setCurrentItem(found.front());
      dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    };
  };

  choose(pick("notes"));
  EXPECT_EQ(state.CompareFilePath, state.ProgramFolder + "/Full Test/notes.TDV");
  choose([](QDialog& dialog) { dialog.reject(); });  // closed by its frame
  EXPECT_EQ(state.CompareFilePath, state.ProgramFolder + "/Full Test/notes.TDV");
  choose([](QDialog& dialog) {
    dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();  // nothing selected
  });
  EXPECT_EQ(state.CompareFilePath, state.ProgramFolder + "/Full Test/notes.TDV");
  choose(
      [](QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->click(); });
  EXPECT_EQ(state.CompareFilePath, "");

  choose(pick("BENCH Speed Test 14.03.22 21 Sep 12"));
  Check("RunTEST_1");
  PressRun();
  EXPECT_EQ(Text("Write1_0"), "1,000,000,000 Bps (1,000 MB) [500MB 50.0%]")
      << "compared with the chosen Full Test";
  Menu("mnulast")->trigger();
  EXPECT_EQ(state.CompareFilePath, "");
}

// A screen reader names every control a person uses as the person sees it, in the main window
// and in every dialog it opens.
TEST_F(MainWindowTest, EveryControlIsNamedAsItsCaption) {
  fs::create_directories(state.ProgramFolder + "/Full Test");
  WriteFile(state.ProgramFolder + "/Full Test/notes.Tdv", "");
  StoredStart();
  EXPECT_EQ(UnnamedControls(*window), std::vector<std::string>{});
  std::vector<std::string> dialogs;
  const widgets::ModalHandler previous = widgets::SetModalHandler([&](QDialog& dialog) {
    dialogs.push_back(dialog.windowTitle().toStdString());
    EXPECT_EQ(UnnamedControls(dialog), std::vector<std::string>{})
        << dialog.windowTitle().toStdString();
    return int(QDialog::Rejected);
  });
  for (const char* entry : {"mnusave", "mnuprint", "mnucompare", "mnutestinfo", "mnuabout"}) {
    Menu(entry)->trigger();
  }
  state.Edition = 1;
  Menu("mnuabout")->trigger();
  widgets::SetModalHandler(previous);
  EXPECT_EQ(dialogs.size(), 6u);
}

// The menu entries open their windows over the main window, and the Exit entry closes it.
TEST_F(MainWindowTest, TheMenuEntriesOpenTheirWindows) {
  StoredStart();
  std::vector<std::string> titles;
  const widgets::ModalHandler previous = widgets::SetModalHandler([&](QDialog& dialog) {
    titles.push_back(dialog.windowTitle().toStdString());
    EXPECT_EQ(dialog.parentWidget(), window.get());
    return int(QDialog::Rejected);  // closed: nothing saved, nothing printed
  });
  std::vector<std::string> pages;
  const widgets::WebPageHandler previousPage =
      widgets::SetWebPageHandler([&](const std::string& page) {
        pages.push_back(page);
        return true;
      });
  for (const char* entry :
       {"mnusave", "mnuprint", "mnutestinfo", "mnucpuid", "mnuabout", "mnuramdisk"}) {
    Menu(entry)->trigger();
  }
  widgets::SetModalHandler(previous);
  widgets::SetWebPageHandler(previousPage);
  EXPECT_EQ(titles, (std::vector<std::string>{"frmSave", "Print", "Test Information",
                                              "CPU ID Information", "About"}));
  EXPECT_EQ(state.InfoMode, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind("As you may have seen, the speed of RAM", 0), 0u);
  EXPECT_EQ(pages.size(), 1u) << "the RAM disk vendor's page";

  window->show();
  Menu("mnuexit")->trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(fs::exists(state.TempFolder + "/RAM.exe"));
}

// A Run ALL series records a Full Test, lists it and sends it to the results server.
TEST_F(MainWindowTest, RunAllRecordsAndListsAFullTest) {
  StoredStart();
  Check("RunTEST_0");
  PressRun();
  ASSERT_FALSE(state.FullTestFilePath.empty());
  EXPECT_TRUE(fs::exists(state.FullTestFilePath));
  EXPECT_EQ(window->OldTEST().size(), 1u);
  EXPECT_EQ(Menu("mnucompare")->text(), "Compare to Past Full Test (1)");
  EXPECT_TRUE(PageShown(6));
}

// The real engine, carried and written as at every start: "Integer Cache" at size 2.
TEST_F(MainWindowTest, TheRealEngineFillsTheIntegerPage) {
  fs::create_directories(sandbox / "temp");
  WriteFile(sandbox / "temp/Data.dat", kStoredSummary);
  WriteFile(sandbox / "temp/SystemInfo.txt", "Host Name:                 bench\r\n");
  ASSERT_TRUE(Load());
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{});
  Check("RunTEST_1");
  PressRun();
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{});
  const std::regex figure("[1-9][0-9]{0,2}(,[0-9]{3})* Bps \\([0-9,]+ [GM]B\\)");
  for (int row = 1; row <= 16; ++row) {
    for (const char* column : {"Write", "Read"}) {
      const std::string field = std::string(column) + std::to_string(row) + "_0";
      EXPECT_TRUE(std::regex_match(Text(field), figure)) << field << ": " << Text(field);
    }
  }
  for (const char* section : {"Integer1", "Integer2"}) {
    EXPECT_TRUE(std::regex_match(Stored(section, "32768 Kb"), std::regex("[1-9][0-9]*")))
        << section;
  }
}

// At the window's designed size the longest figures fit their fields: nothing is cut.
TEST_F(MainWindowTest, TheLongestFiguresFitAt612By555) {
  StoredStart();
  window->resize(612, 555);
  window->show();
  const std::string widest = "888,888,888,888 Bps (889 GB) [-88,888MB -100.0%]";
  for (int page = 0; page < 6; ++page) {
    for (int row = 0; row < 16; ++row) {
      window->SetBlockField(true, row, page, widest);
      window->SetBlockField(false, row, page, widest);
    }
  }
  for (int row = 0; row < 6; ++row) {
    for (int subtest = 0; subtest < 5; ++subtest) {
      window->SetMemoryField(subtest, row, widest + " NTA");
    }
  }
  EXPECT_LE(window->width(), 612);
  EXPECT_LE(window->height(), 555);
  for (const int page : {0, 5, 6}) {
    window->SetPageVisible(page, true);
    QApplication::processEvents();
    for (QLabel* label :
         Control<QWidget>("TestPage_" + std::to_string(page))->findChildren<QLabel*>()) {
      EXPECT_GE(label->width(), label->sizeHint().width())
          << label->objectName().toStdString() << " on page " << page;
    }
    window->SetPageVisible(page, false);
  }
}

}  // namespace
