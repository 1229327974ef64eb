#include "proc_files.h"

#include <charconv>

#include "text_file.h"

namespace systeminfo {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

std::string_view SkipBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

template <typename Number>
std::optional<Number> LeadingNumber(std::string_view text) {
  text = SkipBlanks(text);
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) {
    return std::nullopt;
  }
  return value;
}

// "key<tabs or blanks>: value" as in /proc/cpuinfo; the value without its blanks.
std::optional<std::string> CpuInfoField(std::string_view line, std::string_view key) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) {
    return std::nullopt;
  }
  std::string_view name = line.substr(0, colon);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) {
    name.remove_suffix(1);
  }
  if (name != key) {
    return std::nullopt;
  }
  return Trimmed(std::string(line.substr(colon + 1)));
}

}  // namespace

std::optional<std::uint64_t> MemInfoKilobytes(std::string_view meminfo, std::string_view key) {
  for (const std::string_view line : Lines(meminfo)) {
    if (line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == ':') {
      return LeadingNumber<std::uint64_t>(line.substr(key.size() + 1));
    }
  }
  return std::nullopt;
}

std::vector<std::string> ProcessorPackageNames(std::string_view cpuinfo) {
  struct Package {
    std::string id;
    std::string name;
  };
  std::vector<Package> packages;
  // One logical processor's fields, gathered until the blank line that ends them.
  bool inProcessor = false;
  std::string id;
  std::string name;
  const auto finish = [&] {
    if (inProcessor) {
      bool known = false;
      for (const Package& package : packages) {
        known = known || package.id == id;
      }
      if (!known) {
        packages.push_back({id, name});
      }
    }
    inProcessor = false;
    id.clear();
    name.clear();
  };
  for (const std::string_view line : Lines(cpuinfo)) {
    if (SkipBlanks(line).empty()) {
      finish();
    } else if (CpuInfoField(line, "processor")) {
      finish();
      inProcessor = true;
    } else if (auto value = CpuInfoField(line, "physical id")) {
      id = *value;
    } else if (auto value = CpuInfoField(line, "model name")) {
      name = *value;
    }
  }
  finish();
  std::vector<std::string> names;
  for (const Package& package : packages) {
    names.push_back(package.name);
  }
  return names;
}

std::optional<std::int64_t> BootTime(std::string_view stat) {
  for (const std::string_view line : Lines(stat)) {
    if (line.substr(0, 6) == "btime ") {
      return LeadingNumber<std::int64_t>(line.substr(6));
    }
  }
  return std::nullopt;
}

std::vector<std::string> SwapAreas(std::string_view swaps) {
  std::vector<std::string> areas;
  const std::vector<std::string_view> lines = Lines(swaps);
  // The first line names the columns.
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view area = lines[i].substr(0, lines[i].find_first_of(" \t"));
    if (!area.empty()) {
      areas.emplace_back(area);
    }
  }
  return areas;
}

}  // namespace systeminfo
