#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "dos_outputs.h"
#include "series_view.h"

// The main window's controls as plain values, and a record of the captions the window showed.
class FakeSeriesView : public session::SeriesView {
 public:
  explicit FakeSeriesView(runner::DOSOutputs& objDOSB);

  bool RunTestChecked(int index) const override { return runTest.at(index).checked; }
  void SetRunTestChecked(int index, bool checked) override { runTest.at(index).checked = checked; }
  void SetRunTestEnabled(int index, bool enabled) override { runTest.at(index).enabled = enabled; }
  void SetTestSizeEnabled(bool enabled) override { testSizeEnabled = enabled; }
  void SetPrefetchEnabled(int index, bool enabled) override { prefetchEnabled.at(index) = enabled; }
  void SetLockedMenusEnabled(bool enabled) override { menusEnabled = enabled; }
  void SetPageButtonChecked(int index, bool checked) override { page.at(index).checked = checked; }
  void SetPageVisible(int index, bool visible) override { page.at(index).visible = visible; }

  void SetCaption(const std::string& text) override { captions.push_back(text); }
  void SetBusy(bool value) override { busy = value; }
  std::string TestSizeText() const override { return testSize; }
  bool PrefetchSelected(int index) const override { return prefetch == index; }
  std::string Command1Caption() const override { return command1; }
  void SetCommand1Caption(const std::string& text) override { command1 = text; }
  void SetPageButtonEnabled(int index, bool enabled) override { page.at(index).enabled = enabled; }
  void ClearDosBox() override { dosBox.clear(); }
  std::string DosBoxText() const override { return dosBox; }
  void ClearList1() override { ++list1Cleared; }
  void AppendAllResults(const std::string& text) override { allResults += text; }
  void SetBlockField(bool read, int row, int pageIndex, const std::string& text) override {
    (read ? readFields : writeFields)[{pageIndex, row}] = text;
  }
  void SetMemoryField(int subtest, int row, const std::string& text) override {
    memoryFields[{row, subtest}] = text;
  }
  void SetOldTest(const std::vector<std::string>& names) override { oldTest = names; }
  void SetCompareMenu(bool enabled, const std::string& caption) override {
    compareEnabled = enabled;
    compareCaption = caption;
  }
  void CloseWindow() override { ++closed; }

  // Whether the panel reads as locked (every control LockC touches disabled) or unlocked.
  bool Locked() const;
  bool Unlocked() const;

  struct Box {
    bool checked = false;
    bool enabled = true;
  };
  struct Page {
    bool checked = false;
    bool enabled = false;
    bool visible = false;
  };
  std::array<Box, 9> runTest;
  std::array<Page, 9> page;
  std::array<bool, 3> prefetchEnabled{true, true, true};
  bool testSizeEnabled = true;
  bool menusEnabled = true;
  std::string testSize = "2";
  int prefetch = 0;
  std::string command1 = "RUN";
  std::vector<std::string> captions;
  bool busy = false;
  std::string dosBox;
  int list1Cleared = 0;
  std::string allResults;
  std::map<std::pair<int, int>, std::string> readFields;
  std::map<std::pair<int, int>, std::string> writeFields;
  std::map<std::pair<int, int>, std::string> memoryFields;
  std::vector<std::string> oldTest;
  bool compareEnabled = false;
  std::string compareCaption;
  int closed = 0;
};
