// Runs an engine build as a separate process and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace engine_test {

struct ProcessResult {
  std::string out;
  std::string err;
  int exitCode = -1;
};

// Runs `program` with `arguments` (argv[0] is `program`), stdout and stderr captured apart.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments);

// The lines of a text, each without its newline.
std::vector<std::string> splitLines(const std::string& text);

}  // namespace engine_test
