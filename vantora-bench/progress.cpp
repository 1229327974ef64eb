#include "progress.h"

namespace vbench {

// Carriage return, then erase to the end of the line.
constexpr char kRestartLine[] = "\r\033[K";

void Progress::show(const std::string& text) {
  if (!shown_) return;
  std::fprintf(err_, "%s%s", kRestartLine, text.c_str());
  std::fflush(err_);
  drawn_ = true;
}

void Progress::clear() {
  if (!drawn_) return;
  std::fprintf(err_, "%s", kRestartLine);
  std::fflush(err_);
  drawn_ = false;
}

}  // namespace vbench
