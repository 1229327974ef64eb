#include "cache_monitor_window.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>

#include "accessible_names.h"
#include "fake_counters.h"

namespace {

using namespace cachemonitor;
using namespace std::chrono_literals;

const WorkingSets kSets{4 * 1024, 16 * 1024, 64 * 1024, 128 * 1024};

CacheLevelSizes Sizes() {
  CacheLevelSizes sizes;
  sizes.bytes = {48 * 1024, 1024 * 1024, 8 * 1024 * 1024};
  sizes.level1DataSource = SizeSource::kSysfs;
  sizes.level2Source = SizeSource::kCpuid;
  sizes.level3Source = SizeSource::kDefault;
  return sizes;
}

std::unique_ptr<CacheMonitorWindow> OpenWindow(std::unique_ptr<CounterBackend> counters,
                                               std::chrono::milliseconds interval = 30ms) {
  auto sampler = std::make_unique<CacheSampler>(kSets, std::move(counters), SteadyNow, 1ms);
  return std::make_unique<CacheMonitorWindow>(Sizes(), std::move(sampler), interval);
}

QString LabelText(const QWidget& window, const QString& name) {
  const auto* label = window.findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

TEST(CacheMonitorWindow, OpensDrawsItsFirstSampleAndCloses) {
  auto window = OpenWindow(FakeCounterBackend::Absent());
  QSignalSpy drawn(window.get(), &CacheMonitorWindow::sampleDrawn);
  window->show();
  ASSERT_TRUE(drawn.wait(5000));
  EXPECT_EQ(UnnamedControls(*window), std::vector<std::string>{});

  EXPECT_EQ(LabelText(*window, "cacheSizes"),
            "Caches: level-1 data 48 KB (sysfs), level 2 1 MB (CPUID), level 3 8 MB (default)");
  EXPECT_EQ(LabelText(*window, "workingSet_0"), "4 KB");
  EXPECT_EQ(LabelText(*window, "workingSet_3"), "128 KB, evicted from the caches");
  EXPECT_EQ(LabelText(*window, "missRates").toStdString(),
            "No hardware cache counters: " + std::string(kNoCounters) +
                "; showing the read sweeps alone.");
  const QList<QAbstractSeries*> series =
      window->findChild<QChartView*>("rateChart")->chart()->series();
  ASSERT_EQ(series.size(), 4);
  for (int level = 0; level < 4; ++level) {
    SCOPED_TRACE(level);
    EXPECT_TRUE(LabelText(*window, QStringLiteral("rate_%1").arg(level))
                    .contains(QRegularExpression("^[0-9.]+ [MG]B/s$")));
    EXPECT_EQ(LabelText(*window, QStringLiteral("change_%1").arg(level)), "");
    const auto* line = qobject_cast<QLineSeries*>(series[level]);
    ASSERT_EQ(line->count(), 1);
    EXPECT_GT(line->at(0).y(), 0);
  }

  ASSERT_TRUE(drawn.wait(5000));
  EXPECT_TRUE(LabelText(*window, "change_0").contains(QRegularExpression("^[+-][0-9.]+ [MG]B/s")));
  window->close();
  window.reset();
}

TEST(CacheMonitorWindow, ShowsTheMissRatesWhereCountersCount) {
  auto state = std::make_shared<FakeCounterState>();
  state->growthPerRead[CacheCounter::kLevel1Data] = {1000, 25};
  state->growthPerRead[CacheCounter::kLastLevel] = {100, 40};
  auto window = OpenWindow(std::make_unique<FakeCounterBackend>(state));
  QSignalSpy drawn(window.get(), &CacheMonitorWindow::sampleDrawn);
  window->show();
  ASSERT_TRUE(drawn.wait(5000));
  EXPECT_EQ(LabelText(*window, "missRates"),
            "Miss rates of all processes between the sweeps: level-1 data n/a, last level n/a.");
  ASSERT_TRUE(drawn.wait(5000));
  EXPECT_EQ(LabelText(*window, "missRates"),
            "Miss rates of all processes between the sweeps: level-1 data 2.5%, last level "
            "40.0%.");
}

TEST(CacheMonitorWindow, SaysWhichCounterIsAbsent) {
  auto state = std::make_shared<FakeCounterState>();
  state->failures[{CacheCounter::kLastLevel, 0}] = "no such event";
  state->growthPerRead[CacheCounter::kLevel1Data] = {1000, 25};
  auto window = OpenWindow(std::make_unique<FakeCounterBackend>(state));
  QSignalSpy drawn(window.get(), &CacheMonitorWindow::sampleDrawn);
  window->show();
  ASSERT_TRUE(drawn.wait(5000));
  ASSERT_TRUE(drawn.wait(5000));
  EXPECT_EQ(LabelText(*window, "missRates"),
            "Miss rates of all processes between the sweeps: level-1 data 2.5%, last level n/a. "
            "No last-level cache counter: no such event.");
}

TEST(CacheMonitorWindow, PausesWhileMinimised) {
  auto window = OpenWindow(FakeCounterBackend::Absent(), 20ms);
  QSignalSpy drawn(window.get(), &CacheMonitorWindow::sampleDrawn);
  window->show();
  ASSERT_TRUE(drawn.wait(5000));
  EXPECT_TRUE(window->sampling());

  window->setWindowState(Qt::WindowMinimized);
  EXPECT_FALSE(window->sampling());
  // A sample already under way is still drawn.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->samplePending(); }, 5000));
  const int drawnWhileMinimised = window->samplesDrawn();
  QTest::qWait(200);
  EXPECT_EQ(window->samplesDrawn(), drawnWhileMinimised);

  window->setWindowState(Qt::WindowNoState);
  EXPECT_TRUE(window->sampling());
  EXPECT_TRUE(drawn.wait(5000));
  EXPECT_GT(window->samplesDrawn(), drawnWhileMinimised);
}

TEST(CacheMonitorWindow, ClosesWhileASampleIsUnderWay) {
  auto sampler =
      std::make_unique<CacheSampler>(kSets, FakeCounterBackend::Absent(), SteadyNow, 200ms);
  auto window = std::make_unique<CacheMonitorWindow>(Sizes(), std::move(sampler), 1s);
  window->show();
  QTest::qWait(20);
  window->close();
  window.reset();
  SUCCEED() << "the sampling thread ended with the window";
}

}  // namespace
