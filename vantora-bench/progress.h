// The line on standard error that says which point a sweep is at, redrawn in place; only on a
// terminal, so scripts reading standard error see nothing of it.
#pragma once

#include <cstdio>
#include <string>

namespace vbench {

class Progress {
 public:
  Progress(std::FILE* err, bool shown) : err_(err), shown_(shown) {}
  void show(const std::string& text);
  // Takes the line away, before anything else is written to the terminal.
  void clear();

 private:
  std::FILE* err_;
  bool shown_;
  bool drawn_ = false;
};

}  // namespace vbench
