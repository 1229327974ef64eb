#include "memory_monitor_window.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTableWidget>

#include "accessible_names.h"
#include "proc_fixture.h"

namespace {

using namespace memorymonitor;
using namespace std::chrono_literals;

QString LabelText(const QWidget& window, const QString& name) {
  const auto* label = window.findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

TEST(MemoryMonitorWindow, OpensDrawsItsFirstSampleAndCloses) {
  ProcFixture proc;
  auto now = std::make_shared<std::chrono::nanoseconds>(0s);
  auto sampler = std::make_unique<MemorySampler>(
      proc.root(), [now] { return *now += 2s; }, 4096);
  auto window = std::make_unique<MemoryMonitorWindow>(std::move(sampler), 30ms);
  QSignalSpy drawn(window.get(), &MemoryMonitorWindow::sampleDrawn);
  window->show();
  ASSERT_EQ(drawn.count(), 1) << "the first sample is drawn as the window opens";
  EXPECT_EQ(UnnamedControls(*window), std::vector<std::string>{});

  EXPECT_EQ(LabelText(*window, "total"), "15.55 GiB");
  EXPECT_EQ(LabelText(*window, "used"), "6.13 GiB (39.4%)");
  EXPECT_EQ(LabelText(*window, "available"), "9.42 GiB (60.6%)");
  EXPECT_EQ(LabelText(*window, "cached"), "8.13 GiB (52.3%)");
  EXPECT_EQ(LabelText(*window, "swapUsed"), "512.0 MiB of 2.00 GiB (25.0%)");
  EXPECT_EQ(LabelText(*window, "pageFaults"), "-");
  EXPECT_EQ(LabelText(*window, "problem"), "2 processes could not be read and are left out.");

  const auto* table = window->findChild<QTableWidget*>("topProcesses");
  ASSERT_EQ(table->rowCount(), 10);
  EXPECT_EQ(table->item(0, 0)->text(), "902");
  EXPECT_EQ(table->item(0, 1)->text(), "firefox");
  EXPECT_EQ(table->item(0, 2)->text(), "1.73 GiB");
  EXPECT_EQ(table->item(3, 1)->text(), "Web Content");
  EXPECT_EQ(table->item(9, 0)->text(), "1500");

  const QList<QAbstractSeries*> series =
      window->findChild<QChartView*>("memoryChart")->chart()->series();
  ASSERT_EQ(series.size(), 3);
  const auto* used = qobject_cast<QLineSeries*>(series[0]);
  ASSERT_EQ(used->count(), 1);
  EXPECT_NEAR(used->at(0).y(), (16303284 - 9876544) / 1048576.0, 1e-9);

  WriteFile(proc / "vmstat", "pswpin 1456\npswpout 3400\npgfault 15988736\npgmajfault 3009\n");
  ASSERT_TRUE(drawn.wait(5000));
  EXPECT_EQ(LabelText(*window, "pageFaults"), "1,250/s");
  EXPECT_EQ(LabelText(*window, "majorPageFaults"), "5/s");
  EXPECT_EQ(LabelText(*window, "swapIn"), "512.0 KiB/s");
  EXPECT_EQ(LabelText(*window, "swapOut"), "0 B/s");
  EXPECT_EQ(used->count(), 2);

  window->close();
  window.reset();
}

TEST(MemoryMonitorWindow, ShowsWhatItCannotRead) {
  Sandbox empty;
  auto window =
      std::make_unique<MemoryMonitorWindow>(std::make_unique<MemorySampler>(empty.path()));
  window->show();
  EXPECT_EQ(LabelText(*window, "total"), "-");
  EXPECT_EQ(LabelText(*window, "problem").toStdString(),
            "Cannot read " + empty / "meminfo" + ". Cannot read " + empty / "vmstat" + ".");
  EXPECT_EQ(window->findChild<QTableWidget*>("topProcesses")->rowCount(), 0);
}

}  // namespace
