#include "statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vbench {

Summary summarize(std::vector<double> values, Better better) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  Summary summary;
  summary.best = better == Better::Higher ? values.back() : values.front();
  summary.median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  if (n > 1) {
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / double(n);
    double squares = 0;
    for (const double value : values) squares += (value - mean) * (value - mean);
    summary.cv = mean > 0 ? std::sqrt(squares / double(n - 1)) / mean : 0;
  }
  return summary;
}

}  // namespace vbench
