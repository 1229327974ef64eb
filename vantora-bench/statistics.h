// What the repeats of one measurement say: the best of them, their median, and how much they
// scatter.
#pragma once

#include <vector>

namespace vbench {

struct Summary {
  double best = 0;
  double median = 0;
  double cv = 0;  // coefficient of variation: sample standard deviation over mean; 0 for one value
};

enum class Better { Higher, Lower };

// REQUIRES: `values` not empty.
Summary summarize(std::vector<double> values, Better better);

}  // namespace vbench
