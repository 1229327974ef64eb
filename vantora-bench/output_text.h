// Text pieces the outputs share.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "output.h"

namespace vbench {

// `value` with `decimals` digits after the point.
std::string fixed(double value, int decimals);
// A fraction as a percentage with two decimals: 0.0041 -> "0.41%".
std::string percent(double fraction);

// "L1d 48 KB, L2 1 MB, L3 32 MB", leaving out the levels the processor does not describe.
std::string cachesText(const engine::CacheSizes& caches);
// The peak bytes per cycle of every class on offer, or why there is none.
std::string peakText(const RunInfo& run);
// "1 (processor 0)", "2 (processors 0, 1)".
std::string threadsText(const std::vector<int>& cpus);

std::unique_ptr<Output> makeTableOutput(std::FILE* out);
std::unique_ptr<Output> makeCsvOutput(std::FILE* out);
std::unique_ptr<Output> makeJsonOutput(std::FILE* out);

}  // namespace vbench
