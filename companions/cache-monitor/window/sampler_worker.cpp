#include "sampler_worker.h"

namespace cachemonitor {

SamplerWorker::SamplerWorker(std::unique_ptr<CacheSampler> sampler)
    : sampler_(std::move(sampler)) {}

void SamplerWorker::Sample() { emit sampled(sampler_->Sample()); }

}  // namespace cachemonitor
