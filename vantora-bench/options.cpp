#include "options.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "sizes.h"

namespace vbench {
namespace {

constexpr int kMaxRepeat = 1000;
constexpr int kMaxThreads = 4096;

template <typename T>
void addInTableOrder(std::vector<T>& list, T value) {
  if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
  std::sort(list.begin(), list.end());
}

// A list of names from the kernel table, joined with ", ".
template <typename T>
std::string tableNames(T (*key)(const KernelEntry&), const char* (*name)(T)) {
  std::vector<T> seen;
  std::string text;
  for (const KernelEntry& entry : kernelTable()) {
    if (std::find(seen.begin(), seen.end(), key(entry)) != seen.end()) continue;
    seen.push_back(key(entry));
    text += (text.empty() ? "" : ", ") + std::string(name(key(entry)));
  }
  return text;
}

InstructionClass classOf(const KernelEntry& entry) { return entry.instructionClass; }
Operation operationOf(const KernelEntry& entry) { return entry.operation; }

// Splits "a,b" into its names; an empty name is kept, so it is reported.
std::vector<std::string> names(const std::string& value) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = value.find(',', start);
    parts.push_back(value.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

std::string classValue(const std::string& value, Options& options) {
  for (const std::string& name : names(value)) {
    InstructionClass found;
    if (!findClass(name.c_str(), found)) {
      return "unknown class '" + name + "' (classes: " + tableNames(classOf, className) + ")";
    }
    addInTableOrder(options.classes, found);
  }
  return {};
}

std::string operationValue(const std::string& value, Options& options) {
  for (const std::string& name : names(value)) {
    Operation found;
    if (!findOperation(name.c_str(), found)) {
      return "unknown operation '" + name +
             "' (operations: " + tableNames(operationOf, operationName) + ")";
    }
    addInTableOrder(options.operations, found);
  }
  return {};
}

std::string sizeValue(const char* option, const std::string& value, std::uint64_t& size) {
  if (!parseSize(value, size)) return "invalid size '" + value + "' for " + option;
  if (size < kSmallestSize || size > kLargestSize || size % kSizeGranule != 0) {
    return std::string(option) + " " + value + ": working sets are multiples of " +
           std::to_string(kSizeGranule) + " bytes from " + sizeText(kSmallestSize) + " to " +
           sizeText(kLargestSize);
  }
  return {};
}

// A whole number from 1 to `max`; false for anything else.
bool parseCount(const std::string& value, int max, int& count) {
  if (value.empty() || value.size() > 9 ||
      !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  count = std::atoi(value.c_str());
  return count >= 1 && count <= max;
}

struct OptionRow {
  const char* name;
  const char* value;  // the value's placeholder in the help; null: a switch
  const char* help;
  std::string (*apply)(const std::string& value, Options& options);
};

const OptionRow kOptions[] = {
    {"--class", "NAME", "an instruction class (repeatable); default: every class on offer",
     classValue},
    {"--op", "NAME", "an operation (repeatable); default: all", operationValue},
    {"--size", "SIZE", "one working set, such as 16K, 1.5M or 1G",
     [](const std::string& v, Options& o) { return sizeValue("--size", v, o.size); }},
    {"--from", "SIZE", "the sweep's smallest working set (default 1K)",
     [](const std::string& v, Options& o) { return sizeValue("--from", v, o.from); }},
    {"--to", "SIZE", "the sweep's largest (default: 4 x the last-level cache, 256M to 1G)",
     [](const std::string& v, Options& o) { return sizeValue("--to", v, o.to); }},
    {"--threads", "N|all", "threads, one per core, each on its own buffer (default 1)",
     [](const std::string& v, Options& o) -> std::string {
       if (v == "all") {
         o.threads = 0;
         return {};
       }
       if (!parseCount(v, kMaxThreads, o.threads)) return "--threads takes a number or 'all'";
       return {};
     }},
    {"--repeat", "N", "timed runs of every point after the warm-up (default 5)",
     [](const std::string& v, Options& o) -> std::string {
       if (!parseCount(v, kMaxRepeat, o.repeat)) {
         return "--repeat takes a whole number from 1 to " + std::to_string(kMaxRepeat);
       }
       return {};
     }},
    {"--json", nullptr, "one JSON object instead of the table",
     [](const std::string&, Options& o) -> std::string {
       if (o.format == Format::Csv) return "--json and --csv exclude each other";
       o.format = Format::Json;
       return {};
     }},
    {"--csv", nullptr, "comma-separated values instead of the table",
     [](const std::string&, Options& o) -> std::string {
       if (o.format == Format::Json) return "--json and --csv exclude each other";
       o.format = Format::Csv;
       return {};
     }},
    {"--help", nullptr, "this text",
     [](const std::string&, Options& o) -> std::string {
       o.help = true;
       return {};
     }},
};

const OptionRow* findOption(const std::string& name) {
  const auto row = std::find_if(std::begin(kOptions), std::end(kOptions),
                                [&](const OptionRow& r) { return name == r.name; });
  return row == std::end(kOptions) ? nullptr : row;
}

}  // namespace

std::string parseOptions(const std::vector<std::string>& args, Options& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::size_t equals = args[i].find('=');
    const std::string name = args[i].substr(0, equals);
    const OptionRow* option = findOption(name);
    if (option == nullptr) return "unknown option '" + args[i] + "'";
    std::string value;
    if (option->value != nullptr) {
      if (equals != std::string::npos) {
        value = args[i].substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return name + " needs a value";
      }
    } else if (equals != std::string::npos) {
      return name + " takes no value";
    }
    const std::string error = option->apply(value, options);
    if (!error.empty()) return error;
  }
  if (options.size != 0 && (options.from != 0 || options.to != 0)) {
    return "--size and --from/--to exclude each other";
  }
  if (options.from != 0 && options.to != 0 && options.from > options.to) {
    return "--from " + sizeText(options.from) + " is above --to " + sizeText(options.to);
  }
  return {};
}

std::string usage() {
  std::string text =
      "Usage: vantora-bench [options]\n"
      "Measures the bandwidth of reads, writes, copies and non-temporal writes with each\n"
      "instruction class, and the latency of dependent loads, over working sets from the\n"
      "level-1 cache to memory.\n\n";
  for (const OptionRow& option : kOptions) {
    std::string left = std::string("  ") + option.name;
    if (option.value != nullptr) left += std::string(" ") + option.value;
    left.resize(std::max<std::size_t>(left.size() + 2, 20), ' ');
    text += left + option.help + "\n";
  }
  text += "\nClasses: " + tableNames(classOf, className) +
          ".\nOperations: " + tableNames(operationOf, operationName) +
          ".\nLatency is a chain of 64-bit loads, whatever the classes.\n"
          "Sizes: bytes, or K, M, G (binary units); multiples of " +
          std::to_string(kSizeGranule) + " bytes from " + sizeText(kSmallestSize) + " to " +
          sizeText(kLargestSize) +
          ".\n"
          "Exit codes: 0 done, 1 a figure above the core's peak (reported as an error),\n"
          "2 bad options, a class not on offer, or memory that cannot be had.\n";
  return text;
}

}  // namespace vbench
