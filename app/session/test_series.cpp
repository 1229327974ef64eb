#include "test_series.h"

#include <QCoreApplication>
#include <QDateTime>

#include "cache_results.h"
#include "figure_store.h"
#include "full_test_file.h"
#include "memory_results.h"
#include "run_parameters.h"
#include "selection_panel.h"
#include "show_files.h"
#include "timing.h"

namespace session {
namespace {

constexpr char kMainCaption[] = "Memory and Cache Benchmark Utility";
constexpr char kCancelCaption[] = "Cancel In-Progress ... This may Take a Minute!!";
constexpr char kRun[] = "RUN";
constexpr int kPause = 50;

}  // namespace

TestSeries::TestSeries(state::ProgramState& state, runner::DOSOutputs& objDOSB,
                       settings::INIReadWrite& ini, SeriesView& view, Submit submit)
    : state_(state), objDOSB_(objDOSB), ini_(ini), view_(view), submit_(std::move(submit)) {}

void TestSeries::PressCommand1() {
  if (view_.Command1Caption() != kRun) {
    state_.CancelRequested = true;
    view_.SetCaption(kCancelCaption);
    return;
  }
  state_.CancelRequested = false;
  state_.FullTestFilePath =
      view_.RunTestChecked(kRunAllBox)
          ? results::FullTestFilePath(state_.ProgramWriteFolder, state_.ComputerName,
                                      QDateTime::currentDateTime())
          : std::string();
  view_.SetCommand1Caption("Cancel");
  GetCache();
  if (closeRequested_) {
    view_.CloseWindow();
  }
}

bool TestSeries::RequestClose() {
  if (!running_) {
    return true;
  }
  closeRequested_ = true;
  state_.CancelRequested = true;
  return false;
}

void TestSeries::GetCache() {
  running_ = true;
  view_.SetBusy(true);
  LockC(view_, 1);
  const std::string testSize = TestSizeText(view_.TestSizeText());
  std::array<bool, kPrefetchModes> prefetch{};
  for (int index = 0; index < kPrefetchModes; ++index) {
    prefetch[index] = view_.PrefetchSelected(index);
  }
  const int prefetchMode = PrefetchMode(prefetch);
  view_.AppendAllResults("\r\n");

  bool cancelled = false;
  for (int group = 1; group <= kGroupCount && !cancelled; ++group) {
    // The boxes are read as the series reaches each group: they may change while it runs.
    std::array<bool, kTestBoxCount> checked{};
    for (int index = 0; index < kTestBoxCount; ++index) {
      checked[index] = view_.RunTestChecked(index);
    }
    if (!GroupSelected(group, checked, state_.HasMMX, state_.HasSSE)) {
      continue;
    }
    for (const EngineRun& run : EngineRuns()) {
      if (run.group == group && !Run(run, testSize, prefetchMode)) {
        cancelled = true;
        break;
      }
    }
  }
  Close();
  running_ = false;
}

bool TestSeries::Run(const EngineRun& run, const std::string& testSize, int prefetchMode) {
  view_.ClearDosBox();
  view_.ClearList1();
  view_.SetCaption(run.caption);
  if (run.preWait) {
    runner::Delay(kPause);
  }
  if (state_.CancelRequested) {
    return false;
  }
  objDOSB_.SetCommandLine(RunCommandLine(run, state_.EnginePath, testSize, prefetchMode));
  objDOSB_.ExecuteCommand();
  view_.AppendAllResults("\r\n" + std::string(run.caption) + "\r\n");
  ShowResults(run);
  if (run.turnsPage) {
    ClearME(view_);
    view_.SetPageButtonChecked(run.page, true);
    view_.SetPageVisible(run.page, true);
    runner::Delay(kPause);
  }
  return true;
}

void TestSeries::ShowResults(const EngineRun& run) {
  results::FigureStore store(ini_, state_.TempFolder);
  const std::string output = view_.DosBoxText();
  view_.SetPageButtonEnabled(run.page, true);
  if (run.routine == ResultRoutine::LogCache) {
    const results::CacheResults shown = results::LogCache(output, run.page, run.argument, store);
    for (std::size_t row = 0; row < shown.fields.size(); ++row) {
      if (shown.fields[row]) {
        view_.SetBlockField(shown.readColumn, static_cast<int>(row), run.page, *shown.fields[row]);
      }
    }
    view_.AppendAllResults(shown.log);
  } else {
    const results::MemoryResults shown = results::LogMEM(output, run.argument, store);
    for (std::size_t subtest = 0; subtest < shown.fields.size(); ++subtest) {
      if (shown.fields[subtest]) {
        view_.SetMemoryField(static_cast<int>(subtest), run.argument, *shown.fields[subtest]);
      }
    }
    view_.AppendAllResults(shown.log);
  }
  // The new captions are painted before the series goes on.
  QCoreApplication::processEvents();
}

void TestSeries::Close() {
  view_.SetCaption(kMainCaption);
  LockC(view_, 0);
  view_.SetCommand1Caption(kRun);
  if (!state_.FullTestFilePath.empty()) {
    const std::vector<std::string> oldTest =
        results::ShowFiles(results::FullTestFolder(state_.ProgramWriteFolder));
    view_.SetOldTest(oldTest);
    if (!oldTest.empty()) {
      view_.SetCompareMenu(true, results::CompareMenuCaption(oldTest.size()));
    }
    state_.CompareFilePath.clear();
    if (submit_) {
      submit_(state_.FullTestFilePath);
    }
  }
  view_.SetBusy(false);
}

}  // namespace session
