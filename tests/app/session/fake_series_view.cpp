#include "fake_series_view.h"

FakeSeriesView::FakeSeriesView(runner::DOSOutputs& objDOSB) {
  QObject::connect(&objDOSB, &runner::DOSOutputs::ReceiveOutputs,
                   [this](const std::string& piece) { dosBox += piece; });
}

bool FakeSeriesView::Locked() const {
  bool locked = !testSizeEnabled && !menusEnabled;
  for (const Box& box : runTest) locked = locked && !box.enabled;
  for (bool enabled : prefetchEnabled) locked = locked && !enabled;
  return locked;
}

bool FakeSeriesView::Unlocked() const {
  bool unlocked = testSizeEnabled && menusEnabled;
  for (const Box& box : runTest) unlocked = unlocked && box.enabled;
  for (bool enabled : prefetchEnabled) unlocked = unlocked && enabled;
  return unlocked;
}
