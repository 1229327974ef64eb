// A stand-in for the benchmark engine in window and series tests: canned output by switch, in the
// layout of the real engine's lines.
//   -b ID -g SIZE [-t MODE] [-m MB]   as the engine; a size that is not 1, 2, 4, 8 or 16 is refused
//   -i                                 a processor report with MMX and SSE
// Environment:
//   FAKE_ENGINE_LOG=path      appends the arguments of every run to `path`, one run a line
//   FAKE_ENGINE_PAUSE_MS=n    pauses before every line, so a test can act during a run
//   FAKE_ENGINE_MISSING=id    answers that id with the missing-feature error
//   FAKE_ENGINE_MBS=1         writes rates in megabytes per second, as the earlier build does
//   FAKE_ENGINE_REPORT=path   the processor report is this file's text instead

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

constexpr char kReport[] =
    "\nGenuineIntel family 6 model 2A stepping 7\n"
    "Intel Core i7 (Sandy Bridge) processor\n"
    "I-cache: 32Kb, 8-way, 1 line(s) per tag, 64 bytes per line\n"
    "D-cache: 32Kb, 8-way, 1 line(s) per tag, 64 bytes per line\n"
    "S-cache: 256Kb, 8-way, 1 line(s) per tag, 64 bytes per line\n"
    "T-cache: 8192Kb, 16-way, 1 line(s) per tag, 64 bytes per line\n"
    "Scalar: FPU CMOV CX8 CX16 AMD64 \n"
    "Vector: MMX SSE SSE2 SSE3 \n";

void Pause() {
  if (const char* pause = std::getenv("FAKE_ENGINE_PAUSE_MS")) {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(pause)));
  }
}

void Line(const std::string& text) {
  Pause();
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

std::string Rate(long long bytesPerSecond) {
  char text[64];
  if (std::getenv("FAKE_ENGINE_MBS")) {
    std::snprintf(text, sizeof text, "%.2f MB/s", static_cast<double>(bytesPerSecond) / 1e6);
  } else {
    std::snprintf(text, sizeof text, "%lld Bps", bytesPerSecond);
  }
  return text;
}

bool IsMemoryTest(int id) { return id % 3 == 0; }

}  // namespace

int main(int argc, char** argv) {
  int id = 0;
  int mode = 0;
  std::string size = "8";
  std::string arguments;
  for (int i = 1; i < argc; ++i) {
    arguments += std::string(i > 1 ? " " : "") + argv[i];
    const std::string word = argv[i];
    if (word.rfind("-b", 0) == 0) id = std::atoi(word.c_str() + 2);
    if (word.rfind("-t", 0) == 0) mode = std::atoi(word.c_str() + 2);
    if (word.rfind("-g", 0) == 0) size = word.substr(2);
    if (word == "-i") id = -1;
  }
  if (const char* log = std::getenv("FAKE_ENGINE_LOG")) {
    if (FILE* file = std::fopen(log, "a")) {
      std::fprintf(file, "%s\n", arguments.c_str());
      std::fclose(file);
    }
  }
  if (id == -1) {
    if (const char* report = std::getenv("FAKE_ENGINE_REPORT")) {
      if (FILE* file = std::fopen(report, "r")) {
        char buffer[4096];
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        std::fwrite(buffer, 1, got, stdout);
        std::fclose(file);
      }
    } else {
      std::fputs(kReport, stdout);
    }
    return 0;
  }
  if (size != "1" && size != "2" && size != "4" && size != "8" && size != "16") {
    Line("");
    Line("ERROR: invalid pass size");
    return 1;
  }
  if (const char* missing = std::getenv("FAKE_ENGINE_MISSING");
      missing && std::atoi(missing) == id) {
    Line("");
    Line("ERROR: no SSE support available");
    return 1;
  }
  const long long base = 1000000000LL * id;
  if (!IsMemoryTest(id)) {
    char label[32];
    std::snprintf(label, sizeof label, "FAKE TEST %-2d", id);
    for (int row = 0; row < 16; ++row) {
      char line[128];
      std::snprintf(line, sizeof line, "%-19s%8d Kb block: %s", label, 1 << row,
                    Rate(base + 1000000LL * row).c_str());
      Line(line);
    }
    return 0;
  }
  const bool tagged = id == 15 || id == 18;
  const char* const tags[3][4] = {{"[NTA]", "[NTA]", "[T0]", "[T0]"},
                                  {"[NTA]", "[NTA]", "[NTA]", "[NTA]"},
                                  {"[T0]", "[T0]", "[T0]", "[T0]"}};
  const char* const names[4] = {"Copy:      ", "Scale:     ", "Add:       ", "Triad:     "};
  for (int subtest = 0; subtest < 4; ++subtest) {
    std::string line =
        std::string("FAKE      ") + names[subtest] + Rate(base + 100000000LL * subtest);
    if (tagged) line += std::string("  ") + tags[mode % 3][subtest];
    Line(line);
  }
  Line("---");
  Line(std::string("FAKE      AVERAGE:   ") + Rate(base + 150000000LL));
  Line("");
  return 0;
}
