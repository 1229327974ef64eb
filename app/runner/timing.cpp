#include "timing.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

namespace runner {

void Delay(int MilliSeconds) {
  const std::chrono::milliseconds pause(MilliSeconds > 0 ? MilliSeconds : 0);
  if (!QCoreApplication::instance()) {
    std::this_thread::sleep_for(pause);
    return;
  }
  const QDeadlineTimer deadline(pause, Qt::PreciseTimer);
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  // A timer may fire a little early; the deadline decides when the pause is over.
  while (!deadline.hasExpired()) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline.remainingTimeAsDuration());
    timer.start(left);
    loop.exec();
  }
  QCoreApplication::processEvents();
}

}  // namespace runner
