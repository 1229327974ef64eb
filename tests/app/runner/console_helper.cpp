// A stand-in console program for the runner's tests. Writes with write(2), unbuffered, so the
// order on the shared pipe is the order of the calls.
//   interleave         four lines, alternately to standard output and standard error
//   long <n>           one line of n characters, then a line end
//   split-character    255 ASCII bytes, then a two-byte UTF-8 character across the 256th byte
//   silent             nothing
//   arguments ...      every argument on a line of its own
//   stdin              the number of bytes on standard input
//   wait-for <file>    "released" once <file> exists ("timed out" after 20 s)
//   linger <file>      its process id, then closes its output and stays until <file> exists

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Put(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written <= 0) {
      std::exit(3);
    }
    done += static_cast<std::size_t>(written);
  }
}

bool AwaitFile(const char* path) {
  struct stat entry {};
  for (int tenth = 0; tenth < 200; ++tenth) {
    if (stat(path, &entry) == 0) {
      return true;
    }
    usleep(100000);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "interleave") {
    Put(1, "out 1\n");
    Put(2, "err 1\n");
    Put(1, "out 2\n");
    Put(2, "err 2\n");
  } else if (mode == "long" && argc > 2) {
    Put(1, std::string(std::strtoul(argv[2], nullptr, 10), 'x') + "\n");
  } else if (mode == "split-character") {
    Put(1, std::string(255, 'a') + "\xC3\xA9\n");
  } else if (mode == "silent") {
  } else if (mode == "arguments") {
    for (int i = 2; i < argc; ++i) {
      Put(1, std::string(argv[i]) + "\n");
    }
  } else if (mode == "stdin") {
    char buffer[64];
    std::size_t total = 0;
    ssize_t got;
    while ((got = read(0, buffer, sizeof buffer)) > 0) {
      total += static_cast<std::size_t>(got);
    }
    Put(1, std::to_string(total) + "\n");
  } else if (mode == "wait-for" && argc > 2) {
    Put(1, AwaitFile(argv[2]) ? "released\n" : "timed out\n");
  } else if (mode == "linger" && argc > 2) {
    Put(1, std::to_string(getpid()) + "\n");
    close(1);
    close(2);
    return AwaitFile(argv[2]) ? 0 : 1;
  } else {
    Put(2, "console_helper: unknown mode\n");
    return 2;
  }
  return 0;
}
