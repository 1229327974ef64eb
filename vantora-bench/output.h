// The three ways a run is written: an aligned table for people, CSV and JSON for scripts.
#pragma once

#include <cstdio>
#include <memory>

#include "options.h"
#include "point.h"

namespace vbench {

class Output {
 public:
  virtual ~Output() = default;
  virtual void begin(const RunInfo& run) = 0;
  // Points come in the order they were measured; the table and CSV write each at once.
  virtual void point(const Point& point) = 0;
  virtual void end() = 0;
};

std::unique_ptr<Output> makeOutput(Format format, std::FILE* out);

}  // namespace vbench
