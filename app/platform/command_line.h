#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A command line split into the program to start and its arguments.
struct CommandLine {
  std::string program;  // the program file as found on disk, or as written when none was found
  std::vector<std::string> arguments;  // without the program itself
};

// Splits a command line as Windows starts a process from one.
// - The program: a quoted first word is the text up to the next quote (or the end). An unquoted
//   program path may hold blanks: its blank-separated prefixes are tried shortest first, and the
//   first that names an existing file is the program; when none does, the first word is. The file
//   is looked up without regard to the case of its name, and `program` holds its spelling on disk.
// - The arguments after the program follow the C runtime's rules: blanks and tabs separate words,
//   double quotes group blanks into a word, "" inside quotes is a literal quote, and backslashes
//   are literal except before a quote (2n backslashes and a quote: n backslashes and a grouping
//   quote; 2n+1: n backslashes and a literal quote).
// Empty when the line holds nothing but blanks.
std::optional<CommandLine> SplitCommandLine(std::string_view line);

}  // namespace platform
