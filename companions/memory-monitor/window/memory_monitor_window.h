// The memory monitor's window: the memory figures and paging rates as text, the use of memory over
// the last minutes as a chart, and the ten processes holding the most resident memory.
#pragma once

#include <QTimer>
#include <QWidget>
#include <chrono>
#include <memory>

#include "memory_sampler.h"

class QChart;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QTableWidget;
class QValueAxis;

namespace memorymonitor {

class MemoryMonitorWindow : public QWidget {
  Q_OBJECT

 public:
  // Samples every `interval` from when the window is first shown; it keeps sampling while
  // minimised, so the chart holds what happened meanwhile.
  MemoryMonitorWindow(std::unique_ptr<MemorySampler> sampler,
                      std::chrono::milliseconds interval = std::chrono::seconds(1),
                      QWidget* parent = nullptr);
  ~MemoryMonitorWindow() override;

  int samplesDrawn() const { return samplesDrawn_; }

 signals:
  void sampleDrawn();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SampleAndDraw();

  std::unique_ptr<MemorySampler> sampler_;
  QTimer timer_;
  int samplesDrawn_ = 0;

  QLabel* total_;
  QLabel* used_;
  QLabel* available_;
  QLabel* cache_;
  QLabel* swapUsed_;
  QLabel* pageFaults_;
  QLabel* majorPageFaults_;
  QLabel* swapIn_;
  QLabel* swapOut_;
  QLabel* problem_;
  QLineSeries* usedSeries_;
  QLineSeries* cacheSeries_;
  QLineSeries* swapSeries_;
  QDateTimeAxis* timeAxis_;
  QValueAxis* memoryAxis_;
  QTableWidget* processes_;
};

}  // namespace memorymonitor
