// The text of the processor report, built line by line.
#pragma once

#include <string>

namespace engine {

class ReportText {
 public:
  void line(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void line(const std::string& text);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// How many level-1 and level-2 caches (and TLBs) of each kind the package has.
struct InstanceCounts {
  unsigned level1 = 1;
  unsigned level2 = 1;
};

// "<n>x " before the line of a cache or TLB the package has n of; nothing when it has one.
std::string countPrefix(unsigned count);

}  // namespace engine
