#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dos_outputs.h"
#include "frm_send.h"
#include "ini_read_write.h"
#include "load_view.h"
#include "program_state.h"
#include "test_series.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace startup {

class BlockPage;
class MemoryPage;

// The main window, "Memory and Cache Benchmark Utility": nine result pages at one place, the page
// buttons, the test selection panel and the menu bar. It owns the command runner objDOSB and the
// controls; what happens lives in the session, start-up, results and system information code it
// binds them to.
class frmMain : public QMainWindow, public LoadView {
  Q_OBJECT

 public:
  explicit frmMain(state::ProgramState& state, QWidget* parent = nullptr);
  ~frmMain() override;

  // The load handler; false when the process is to end before the window is shown.
  bool Load(const std::string& exePath, const std::function<bool()>& getVer = {});

  runner::DOSOutputs& objDOSB() { return objDOSB_; }
  const std::string& AllResults() const { return allResults_; }
  const std::string& WinBoxText() const { return winBox_; }
  const std::vector<std::string>& OldTEST() const { return oldTest_; }

  // session::SeriesView and the panel.
  bool RunTestChecked(int index) const override;
  void SetRunTestChecked(int index, bool checked) override;
  void SetRunTestEnabled(int index, bool enabled) override;
  void SetTestSizeEnabled(bool enabled) override;
  void SetPrefetchEnabled(int index, bool enabled) override;
  void SetLockedMenusEnabled(bool enabled) override;
  void SetPageButtonChecked(int index, bool checked) override;
  void SetPageVisible(int index, bool visible) override;
  void SetCaption(const std::string& caption) override;
  void SetBusy(bool busy) override;
  std::string TestSizeText() const override;
  bool PrefetchSelected(int index) const override;
  std::string Command1Caption() const override;
  void SetCommand1Caption(const std::string& caption) override;
  void SetPageButtonEnabled(int index, bool enabled) override;
  void ClearDosBox() override { dosBox_.clear(); }
  std::string DosBoxText() const override { return dosBox_; }
  void ClearList1() override { list1_.clear(); }
  void AppendAllResults(const std::string& text) override;
  void SetBlockField(bool read, int row, int page, const std::string& text) override;
  void SetMemoryField(int subtest, int row, const std::string& text) override;
  void SetOldTest(const std::vector<std::string>& names) override { oldTest_ = names; }
  void SetCompareMenu(bool enabled, const std::string& caption) override;
  void CloseWindow() override;

  // sysinfo::SummaryView and sysinfo::CpuView.
  void SetMousePointer(sysinfo::MousePointer pointer) override;
  void AddList1Item(const std::string& item) override { list1_.push_back(item); }
  void SetWinBoxText(const std::string& text) override;
  void EnableSelectP8() override { SetPageButtonEnabled(8, true); }
  void SetCPUInfo(const std::string& text) override;
  void ShowTestPage7() override { SetPageVisible(7, true); }
  void EnableSelectP7() override { SetPageButtonEnabled(7, true); }

  // LoadView.
  void SetTestSizeItems(const std::vector<std::string>& items, const std::string& text) override;
  std::string CPUInfoText() const override { return cpuInfo_; }
  void SetAllResults(const std::string& text) override;
  void SetLabel5(const std::string& text) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildPanel();
  void BuildMenus();
  void CompareToPast();

  state::ProgramState& state_;
  runner::DOSOutputs objDOSB_;
  settings::INIReadWrite ini_;
  session::frmSend frmSend_;
  std::unique_ptr<session::TestSeries> series_;

  std::string dosBox_;
  std::vector<std::string> list1_;
  std::vector<std::string> oldTest_;
  std::string allResults_;
  std::string winBox_;
  std::string cpuInfo_;
  bool unloaded_ = false;

  std::array<QWidget*, 9> TestPage{};
  QWidget* pageArea_ = nullptr;
  std::array<BlockPage*, 6> blockPages_{};
  MemoryPage* memoryPage_ = nullptr;
  QPlainTextEdit* CPUInfo = nullptr;
  QLabel* Label5 = nullptr;
  QPlainTextEdit* WinBox = nullptr;
  std::array<QToolButton*, 9> SelectP{};
  std::array<QCheckBox*, 9> RunTEST{};
  QComboBox* Combo1 = nullptr;
  std::array<QRadioButton*, 3> TOpt{};
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QMenu* m1 = nullptr;
  QMenu* m2 = nullptr;
  QMenu* m3 = nullptr;
  QAction* mnucompare = nullptr;
};

}  // namespace startup
