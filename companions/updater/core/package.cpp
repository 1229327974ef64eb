#include "package.h"

#include <cctype>
#include <cstdio>
#include <set>

#include "plain_name.h"

namespace updater {
namespace {

constexpr std::string_view kMagic = "VANTORA-PACKAGE 1";
constexpr std::size_t kMaxHeader = 65536;

PackageRead Malformed(std::string error) { return {std::nullopt, std::move(error)}; }

// The next header line without its LF; nothing when no LF follows within the header's limit.
std::optional<std::string_view> NextLine(std::string_view bytes, std::size_t& at) {
  const std::size_t end = bytes.find('\n', at);
  if (end == std::string_view::npos || end >= kMaxHeader) {
    return std::nullopt;
  }
  const std::string_view line = bytes.substr(at, end - at);
  at = end + 1;
  return line;
}

// Splits "file 755 48211 vantora" into its three fields after the word.
bool SplitFileLine(std::string_view line, std::string_view& mode, std::string_view& size,
                   std::string_view& name) {
  constexpr std::string_view kWord = "file ";
  if (line.substr(0, kWord.size()) != kWord) {
    return false;
  }
  line.remove_prefix(kWord.size());
  const std::size_t first = line.find(' ');
  const std::size_t second =
      first == std::string_view::npos ? std::string_view::npos : line.find(' ', first + 1);
  if (second == std::string_view::npos) {
    return false;
  }
  mode = line.substr(0, first);
  size = line.substr(first + 1, second - first - 1);
  name = line.substr(second + 1);
  return true;
}

bool ReadNumber(std::string_view digits, int base, unsigned long long limit,
                unsigned long long& value) {
  if (digits.empty() || digits.size() > 20) {
    return false;
  }
  value = 0;
  for (const char c : digits) {
    const int digit = c - '0';
    if (digit < 0 || digit >= base || static_cast<unsigned long long>(digit) > limit ||
        value > (limit - digit) / base) {
      return false;
    }
    value = value * base + digit;
  }
  return true;
}

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return folded;
}

}  // namespace

bool IsVersionText(std::string_view version) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  return version.size() == 4 && digit(version[0]) && version[1] == '.' && digit(version[2]) &&
         digit(version[3]);
}

PackageRead ParsePackage(std::string_view bytes) {
  std::size_t at = 0;
  if (NextLine(bytes, at) != kMagic) {
    return Malformed("it is not a package of this format");
  }
  Package package;
  const std::optional<std::string_view> edition = NextLine(bytes, at);
  const std::optional<std::string_view> version = NextLine(bytes, at);
  if (!edition || edition->substr(0, 8) != "edition " || edition->size() == 8) {
    return Malformed("it names no edition");
  }
  if (!version || version->substr(0, 8) != "version " || !IsVersionText(version->substr(8))) {
    return Malformed("it gives no version of the form 0.11");
  }
  package.edition = std::string(edition->substr(8));
  package.version = std::string(version->substr(8));

  std::vector<unsigned long long> sizes;
  std::set<std::string> names;
  while (true) {
    const std::optional<std::string_view> line = NextLine(bytes, at);
    if (!line) {
      return Malformed("its header has no end");
    }
    if (*line == "end") {
      break;
    }
    std::string_view mode, size, name;
    unsigned long long modeBits = 0, byteCount = 0;
    if (!SplitFileLine(*line, mode, size, name) || !ReadNumber(mode, 8, 07777, modeBits) ||
        !ReadNumber(size, 10, bytes.size(), byteCount)) {
      return Malformed("a file line is not of the form: file <mode> <size> <name>");
    }
    if (!IsPlainFileName(name)) {
      return Malformed("the file name \"" + std::string(name) + "\" is not a plain file name");
    }
    if (!names.insert(Folded(name)).second) {
      return Malformed("the file name \"" + std::string(name) + "\" appears twice");
    }
    // Only the permission bits: a package never installs a set-user or set-group program.
    package.files.push_back({std::string(name), static_cast<unsigned>(modeBits & 0777), {}});
    sizes.push_back(byteCount);
  }
  if (package.files.empty()) {
    return Malformed("it holds no files");
  }
  std::size_t left = bytes.size() - at;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (sizes[i] > left) {
      return Malformed("it is shorter than its header says");
    }
    package.files[i].content = std::string(bytes.substr(at, sizes[i]));
    at += sizes[i];
    left -= sizes[i];
  }
  if (left != 0) {
    return Malformed("it is longer than its header says");
  }
  return {std::move(package), {}};
}

std::string BuildPackage(const Package& package) {
  std::string bytes =
      std::string(kMagic) + "\nedition " + package.edition + "\nversion " + package.version + "\n";
  for (const PackageFile& file : package.files) {
    char mode[8];
    std::snprintf(mode, sizeof mode, "%o", file.mode & 0777);
    bytes += "file " + std::string(mode) + " " + std::to_string(file.content.size()) + " " +
             file.name + "\n";
  }
  bytes += "end\n";
  for (const PackageFile& file : package.files) {
    bytes += file.content;
  }
  return bytes;
}

}  // namespace updater
