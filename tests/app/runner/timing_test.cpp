#include "timing.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {

TEST(Delay, LastsAtLeastTheGivenTime) {
  for (int pause : {1, 30, 120}) {
    QElapsedTimer clock;
    clock.start();
    runner::Delay(pause);
    EXPECT_GE(clock.elapsed(), pause);
  }
}

TEST(Delay, LetsPendingEventsThroughEvenWhenTheTimeIsUp) {
  for (int pause : {-5, 0, 1}) {
    bool delivered = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { delivered = true; }, Qt::QueuedConnection);
    runner::Delay(pause);
    EXPECT_TRUE(delivered) << pause;
  }
}

TEST(Delay, ATimerDueDuringThePauseRunsBeforeItEnds) {
  int fired = 0;
  QTimer::singleShot(10, [&] { ++fired; });
  QTimer::singleShot(40, [&] { ++fired; });
  runner::Delay(100);
  EXPECT_EQ(fired, 2);
}

}  // namespace
