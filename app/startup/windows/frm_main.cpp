#include "frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "about_menu.h"
#include "carried_files.h"
#include "control_names.h"
#include "frm_compare.h"
#include "main_procedure.h"
#include "main_window_load.h"
#include "result_pages.h"
#include "results_menu.h"
#include "results_submission.h"
#include "run_catalogue.h"
#include "selection_panel.h"
#include "show_files.h"
#include "show_modal.h"
#include "start_detached.h"

namespace startup {
namespace {

constexpr const char* kPageCaptions[9] = {"Integer", "Float",  "MMX",     "SEE", "MMX NT",
                                          "SSE NT",  "Memory", "CPU/RAM", "WIN"};
constexpr const char* kPrefetchCaptions[3] = {"Auto", "NTA", "TO"};

// The text boxes hold CR LF line ends as the program writes them; the box shows lines.
QString Shown(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return shown;
}

// A read-only text box, named for a screen reader as its page's button is captioned.
QPlainTextEdit* TextBox(QWidget* parent, const std::string& name, const std::string& caption) {
  auto* box = new QPlainTextEdit(parent);
  widgets::NameControl(*box, name, -1, caption);
  box->setReadOnly(true);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed(QStringLiteral("Liberation Mono"));
  fixed.setStyleHint(QFont::Monospace);
  fixed.setPointSize(8);
  box->setFont(fixed);
  return box;
}

}  // namespace

frmMain::frmMain(state::ProgramState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), ini_(state) {
  widgets::NameControl(*this, "frmMain");
  setWindowTitle(QStringLiteral("Memory and Cache Benchmark Utility"));
  connect(&objDOSB_, &runner::DOSOutputs::ReceiveOutputs, this, [this](const std::string& piece) {
    dosBox_ += piece;
    QCoreApplication::processEvents();
  });
  series_ = std::make_unique<session::TestSeries>(
      state_, objDOSB_, ini_, *this, [this](const std::string& fullTestFilePath) {
        session::SubmitFullTest(fullTestFilePath, session::ConfiguredSubmission(state_), frmSend_);
      });

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->setSpacing(6);

  pageArea_ = new QWidget(central);
  auto* stack = new QGridLayout(pageArea_);
  stack->setContentsMargins(0, 0, 0, 0);
  for (int page = 0; page < 6; ++page) {
    blockPages_[page] = new BlockPage(page, pageArea_);
    TestPage[page] = blockPages_[page];
  }
  memoryPage_ = new MemoryPage(pageArea_);
  TestPage[6] = memoryPage_;

  auto* cpuPage = new QFrame(pageArea_);
  widgets::NameControl(*cpuPage, "TestPage", 7);
  auto* cpuLayout = new QVBoxLayout(cpuPage);
  cpuLayout->setContentsMargins(0, 0, 0, 0);
  CPUInfo = TextBox(cpuPage, "CPUInfo", "CPU/RAM");
  Label5 = new QLabel(cpuPage);
  widgets::NameControl(*Label5, "Label5");
  Label5->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  Label5->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cpuLayout->addWidget(CPUInfo, 1);
  cpuLayout->addWidget(Label5);
  TestPage[7] = cpuPage;

  auto* winPage = new QFrame(pageArea_);
  widgets::NameControl(*winPage, "TestPage", 8);
  auto* winLayout = new QVBoxLayout(winPage);
  winLayout->setContentsMargins(0, 0, 0, 0);
  WinBox = TextBox(winPage, "WinBox", "WIN");
  winLayout->addWidget(WinBox);
  TestPage[8] = winPage;

  int pageHeight = 0;
  for (QWidget* page : TestPage) {
    stack->addWidget(page, 0, 0);
    pageHeight = std::max(pageHeight, page->sizeHint().height());
    page->hide();
  }
  pageArea_->setMinimumHeight(pageHeight);
  layout->addWidget(pageArea_, 1);

  auto* pageButtons = new QHBoxLayout;
  pageButtons->setSpacing(2);
  for (int index = 0; index < 9; ++index) {
    SelectP[index] = new QToolButton(central);
    SelectP[index]->setText(QString::fromUtf8(kPageCaptions[index]));
    widgets::NameControl(*SelectP[index], "SelectP", index, kPageCaptions[index]);
    SelectP[index]->setCheckable(true);
    SelectP[index]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SelectP[index]->setEnabled(index >= 7);
    connect(SelectP[index], &QToolButton::pressed, this, [this] { session::ClearME(*this); });
    connect(SelectP[index], &QToolButton::clicked, this, [this, index] {
      SetPageVisible(index, true);
      SetPageButtonChecked(index, true);
    });
    pageButtons->addWidget(SelectP[index]);
  }
  layout->addLayout(pageButtons);
  layout->addWidget(BuildPanel());
  setCentralWidget(central);
  BuildMenus();
  resize(612, 555);
}

frmMain::~frmMain() = default;

QWidget* frmMain::BuildPanel() {
  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);

  auto* tests = new QGroupBox(panel);
  auto* grid = new QGridLayout(tests);
  grid->setVerticalSpacing(2);
  for (const session::TestBox& box : session::TestBoxes()) {
    RunTEST[box.index] = new QCheckBox(QString::fromUtf8(box.caption), tests);
    widgets::NameControl(*RunTEST[box.index], "RunTEST", box.index, box.caption);
    connect(RunTEST[box.index], &QCheckBox::clicked, this,
            [this] { session::ApplyRunAllRule(*this); });
    grid->addWidget(RunTEST[box.index], box.index % 3, box.index / 3);
  }
  row->addWidget(tests);

  auto* options = new QGridLayout;
  options->setVerticalSpacing(4);
  auto* sizeLabel = new QLabel(QStringLiteral("Test Size (GB)"), panel);
  Combo1 = new QComboBox(panel);
  Combo1->setEditable(true);
  widgets::NameControl(*Combo1, "Combo1", -1, "Test Size (GB)");
  sizeLabel->setBuddy(Combo1);
  options->addWidget(sizeLabel, 0, 0);
  options->addWidget(Combo1, 0, 1);

  auto* prefetch = new QGroupBox(QStringLiteral("Prefetch (NT MEM)"), panel);
  widgets::NameControl(*prefetch, "Frame2", -1, "Prefetch (NT MEM)");
  auto* prefetchRow = new QHBoxLayout(prefetch);
  prefetchRow->setContentsMargins(6, 2, 6, 2);
  for (int index = 0; index < 3; ++index) {
    TOpt[index] = new QRadioButton(QString::fromUtf8(kPrefetchCaptions[index]), prefetch);
    widgets::NameControl(*TOpt[index], "TOpt", index, kPrefetchCaptions[index]);
    prefetchRow->addWidget(TOpt[index]);
  }
  TOpt[0]->setChecked(true);
  options->addWidget(prefetch, 1, 0, 1, 2);

  Command1 = new QPushButton(QStringLiteral("RUN"), panel);
  widgets::NameControl(*Command1, "Command1", -1, "RUN");
  Command2 = new QPushButton(QStringLiteral("Done"), panel);
  widgets::NameControl(*Command2, "Command2", -1, "Done");
  connect(Command1, &QPushButton::clicked, this, [this] { series_->PressCommand1(); });
  connect(Command2, &QPushButton::clicked, this, &QWidget::close);
  auto* commands = new QHBoxLayout;
  commands->addWidget(Command1);
  commands->addWidget(Command2);
  options->addLayout(commands, 2, 0, 1, 2);
  row->addLayout(options);
  return panel;
}

void frmMain::BuildMenus() {
  const auto entry = [this](QMenu* menu, const char* caption, const char* name,
                            std::function<void()> handler) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    connect(action, &QAction::triggered, this, std::move(handler));
    return action;
  };

  m1 = menuBar()->addMenu(QStringLiteral("Options"));
  m1->setObjectName(QStringLiteral("m1"));
  entry(m1, "Save Results", "mnusave",
        [this] { reports::SaveResults(this, state_, winBox_, allResults_); });
  entry(m1, "Print Results", "mnuprint",
        [this] { reports::PrintResults(this, winBox_, allResults_); });
  mnucompare = entry(m1, "Compare to Past Test", "mnucompare", [this] { CompareToPast(); });
  entry(m1, "Compare to Last Test", "mnulast", [this] { state_.CompareFilePath.clear(); });
  entry(m1, "Exit", "mnuexit", [this] { close(); });

  m3 = menuBar()->addMenu(QStringLiteral("Tools"));
  m3->setObjectName(QStringLiteral("m3"));
  entry(m3, "Monitor Cache", "mnucache",
        [this] { StartMonitor(state_, kKovrinFile, platform::StartDetached); });
  entry(m3, "Monitor Memory", "mnuMemory",
        [this] { StartMonitor(state_, kTessalFile, platform::StartDetached); });

  m2 = menuBar()->addMenu(QStringLiteral("About"));
  m2->setObjectName(QStringLiteral("m2"));
  entry(m2, "CPU ID Info", "mnucpuid", [this] { ShowCpuIdInfo(this, state_); });
  entry(m2, "Test Info", "mnutestinfo", [this] { ShowTestInfo(this, state_); });
  entry(m2, "RAM Drive Software", "mnuramdisk", [] { ShowRamDriveSoftware(); });
  entry(m2, "About", "mnuabout", [this] { ShowAbout(this, state_); });
}

void frmMain::CompareToPast() {
  std::vector<std::string> entries;
  for (const std::string& name : oldTest_) {
    entries.push_back(results::CompareListEntry(name));
  }
  results::frmcompare window(entries, this);
  widgets::ShowModal(window);
  state_.CompareFilePath = results::CompareFilePathAfter(
      window, oldTest_, state_.ProgramWriteFolder, state_.CompareFilePath);
}

bool frmMain::Load(const std::string& exePath, const std::function<bool()>& getVer) {
  return LoadMainWindow(state_, objDOSB_, ini_, *this, exePath, getVer);
}

bool frmMain::RunTestChecked(int index) const { return RunTEST.at(index)->isChecked(); }
void frmMain::SetRunTestChecked(int index, bool checked) { RunTEST.at(index)->setChecked(checked); }
void frmMain::SetRunTestEnabled(int index, bool enabled) { RunTEST.at(index)->setEnabled(enabled); }
void frmMain::SetTestSizeEnabled(bool enabled) { Combo1->setEnabled(enabled); }
void frmMain::SetPrefetchEnabled(int index, bool enabled) { TOpt.at(index)->setEnabled(enabled); }

void frmMain::SetLockedMenusEnabled(bool enabled) {
  m1->setEnabled(enabled);
  m2->setEnabled(enabled);
}

void frmMain::SetPageButtonChecked(int index, bool checked) {
  SelectP.at(index)->setChecked(checked);
}

void frmMain::SetPageVisible(int index, bool visible) { TestPage.at(index)->setVisible(visible); }

void frmMain::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void frmMain::SetBusy(bool busy) {
  if (busy) {
    setCursor(Qt::WaitCursor);
  } else {
    unsetCursor();
  }
}

void frmMain::SetMousePointer(sysinfo::MousePointer pointer) {
  SetBusy(pointer == sysinfo::MousePointer::Hourglass);
}

std::string frmMain::TestSizeText() const { return Combo1->currentText().toStdString(); }
bool frmMain::PrefetchSelected(int index) const { return TOpt.at(index)->isChecked(); }
std::string frmMain::Command1Caption() const { return Command1->text().toStdString(); }

void frmMain::SetCommand1Caption(const std::string& caption) {
  Command1->setText(QString::fromStdString(caption));
  Command1->setAccessibleName(Command1->text());
}

void frmMain::SetPageButtonEnabled(int index, bool enabled) {
  SelectP.at(index)->setEnabled(enabled);
}

void frmMain::AppendAllResults(const std::string& text) { allResults_ += text; }
void frmMain::SetAllResults(const std::string& text) { allResults_ = text; }

void frmMain::SetBlockField(bool read, int row, int page, const std::string& text) {
  BlockPage* target = blockPages_.at(page);
  (read ? target->ReadField(row) : target->WriteField(row))->setText(QString::fromStdString(text));
}

void frmMain::SetMemoryField(int subtest, int row, const std::string& text) {
  memoryPage_->Field(subtest, row)->setText(QString::fromStdString(text));
}

void frmMain::SetCompareMenu(bool enabled, const std::string& caption) {
  mnucompare->setEnabled(enabled);
  mnucompare->setText(QString::fromStdString(caption));
}

void frmMain::CloseWindow() { close(); }

void frmMain::SetWinBoxText(const std::string& text) {
  winBox_ = text;
  WinBox->setPlainText(Shown(text));
}

void frmMain::SetCPUInfo(const std::string& text) {
  cpuInfo_ = text;
  CPUInfo->setPlainText(Shown(text));
}

void frmMain::SetTestSizeItems(const std::vector<std::string>& items, const std::string& text) {
  Combo1->clear();
  for (const std::string& item : items) {
    Combo1->addItem(QString::fromStdString(item));
  }
  Combo1->setCurrentText(QString::fromStdString(text));
}

void frmMain::SetLabel5(const std::string& text) { Label5->setText(Shown(text)); }

void frmMain::closeEvent(QCloseEvent* event) {
  // During a series the window closes once the running engine run's figures are stored.
  if (!series_->RequestClose()) {
    event->ignore();
    return;
  }
  if (!unloaded_) {
    unloaded_ = true;
    UnloadMainWindow(state_);
  }
  event->accept();
}

}  // namespace startup
