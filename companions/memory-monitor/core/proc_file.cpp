#include "proc_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace memorymonitor {

std::optional<std::string> ReadProcFile(const std::string& path) {
  const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return std::nullopt;
  std::string text;
  char buffer[4096];
  while (true) {
    const ssize_t count = ::read(file, buffer, sizeof buffer);
    if (count > 0) {
      text.append(buffer, static_cast<std::size_t>(count));
    } else if (count == 0) {
      break;
    } else if (errno != EINTR) {
      ::close(file);
      return std::nullopt;
    }
  }
  ::close(file);
  return text;
}

}  // namespace memorymonitor
