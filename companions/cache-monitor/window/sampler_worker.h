// Takes the cache monitor's samples on a thread of their own, so the window stays responsive
// while the sweeps run.
#pragma once

#include <QObject>
#include <memory>

#include "cache_sampler.h"

Q_DECLARE_METATYPE(cachemonitor::CacheSample)

namespace cachemonitor {

class SamplerWorker : public QObject {
  Q_OBJECT

 public:
  explicit SamplerWorker(std::unique_ptr<CacheSampler> sampler);

  void Sample();

 signals:
  void sampled(const cachemonitor::CacheSample& sample);

 private:
  std::unique_ptr<CacheSampler> sampler_;
};

}  // namespace cachemonitor
