#include "selection_panel.h"

#include <gtest/gtest.h>

#include "dos_outputs.h"
#include "fake_series_view.h"

namespace {

class SelectionPanelTest : public testing::Test {
 protected:
  runner::DOSOutputs objDOSB;
  FakeSeriesView view{objDOSB};
};

TEST_F(SelectionPanelTest, LockAndUnlock) {
  view.runTest[4].enabled = false;  // no SSE: start-up disabled it
  session::LockC(view, 1);
  EXPECT_TRUE(view.Locked());
  session::LockC(view, 2);  // anything but 1 unlocks
  EXPECT_TRUE(view.Unlocked()) << "unlocking enables the boxes start-up disabled too";
}

TEST_F(SelectionPanelTest, APageButtonShowsItsPageAlone) {
  for (const int index : {3, 3, 8, 0}) {
    session::PressPageButton(view, index);
    for (int other = 0; other < session::kPageCount; ++other) {
      EXPECT_EQ(view.page[other].visible, other == index) << index << " / " << other;
      EXPECT_EQ(view.page[other].checked, other == index) << index << " / " << other;
    }
  }
  session::ClearME(view);
  for (const auto& page : view.page) {
    EXPECT_FALSE(page.visible || page.checked);
  }
}

TEST_F(SelectionPanelTest, RunAllKeepsTheOtherBoxesClear) {
  view.runTest[3].checked = true;
  session::ApplyRunAllRule(view);
  EXPECT_TRUE(view.runTest[3].checked) << "without Run ALL nothing changes";

  view.runTest[0].checked = true;
  session::ApplyRunAllRule(view);
  for (int index = 1; index < 9; ++index) {
    EXPECT_FALSE(view.runTest[index].checked) << index;
  }
  EXPECT_TRUE(view.runTest[0].checked);
}

}  // namespace
