// The cache monitor's window: the four read rates and their change as text, drawn as four lines
// over the last minutes, and the miss rates or the one line saying why there are none.
#pragma once

#include <QThread>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <memory>
#include <optional>

#include "cache_level_sizes.h"
#include "cache_sampler.h"

class QLabel;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace cachemonitor {

class SamplerWorker;

class CacheMonitorWindow : public QWidget {
  Q_OBJECT

 public:
  // Samples every `interval` from when the window is shown, except while it is minimised.
  CacheMonitorWindow(const CacheLevelSizes& sizes, std::unique_ptr<CacheSampler> sampler,
                     std::chrono::milliseconds interval = std::chrono::seconds(1),
                     QWidget* parent = nullptr);
  ~CacheMonitorWindow() override;

  bool sampling() const { return timer_.isActive(); }
  // Whether a sample has been asked for and not drawn yet.
  bool samplePending() const { return pending_; }
  int samplesDrawn() const { return samplesDrawn_; }

 signals:
  void sampleDrawn();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void StartSampling();
  void RequestSample();
  void Draw(const CacheSample& sample);

  QThread thread_;
  SamplerWorker* worker_;
  QTimer timer_;
  bool pending_ = false;
  int samplesDrawn_ = 0;

  std::array<QLabel*, kLevelCount> rates_{};
  std::array<QLabel*, kLevelCount> changes_{};
  std::array<QLineSeries*, kLevelCount> series_{};
  std::array<std::optional<double>, kLevelCount> previous_{};
  QLabel* missRates_;
  bool countersAvailable_;
  QString counterStatus_;  // which counters are absent and why; empty when both count
  QDateTimeAxis* timeAxis_;
  QValueAxis* rateAxis_;
};

}  // namespace cachemonitor
