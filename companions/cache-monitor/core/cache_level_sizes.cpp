#include "cache_level_sizes.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace cachemonitor {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return text.str();
}

std::optional<unsigned> ParseLevel(std::string_view text) {
  text = Trimmed(text);
  if (text.size() != 1 || text[0] < '1' || text[0] > '9') return std::nullopt;
  return static_cast<unsigned>(text[0] - '0');
}

std::uint64_t Pick(std::uint64_t cpuid, std::uint64_t sysfs, std::uint64_t fallback,
                   SizeSource& source) {
  if (cpuid != 0) {
    source = SizeSource::kCpuid;
    return cpuid;
  }
  if (sysfs != 0) {
    source = SizeSource::kSysfs;
    return sysfs;
  }
  source = SizeSource::kDefault;
  return fallback;
}

}  // namespace

std::optional<std::uint64_t> ParseCacheSizeText(std::string_view text) {
  text = Trimmed(text);
  std::uint64_t unit = 1;
  if (!text.empty()) {
    switch (text.back()) {
      case 'K':
        unit = 1024;
        break;
      case 'M':
        unit = 1024 * 1024;
        break;
      case 'G':
        unit = 1024 * 1024 * 1024;
        break;
      default:
        break;
    }
    if (unit != 1) text.remove_suffix(1);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (kMax - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  if (value == 0 || value > kMax / unit) return std::nullopt;
  return value * unit;
}

LevelSizes ReadSysfsCacheSizes(const std::string& folder) {
  namespace fs = std::filesystem;
  LevelSizes sizes;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) return sizes;
  for (const auto& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("index", 0) != 0) continue;
    const auto levelText = ReadSmallFile(entry.path() / "level");
    const auto typeText = ReadSmallFile(entry.path() / "type");
    const auto sizeText = ReadSmallFile(entry.path() / "size");
    if (!levelText || !typeText || !sizeText) continue;
    const auto level = ParseLevel(*levelText);
    const auto size = ParseCacheSizeText(*sizeText);
    const std::string_view type = Trimmed(*typeText);
    if (!level || !size || (type != "Data" && type != "Unified")) continue;
    switch (*level) {
      case 1:
        sizes.level1Data = *size;
        break;
      case 2:
        sizes.level2 = *size;
        break;
      case 3:
        sizes.level3 = *size;
        break;
      default:
        break;
    }
  }
  return sizes;
}

CacheLevelSizes ChooseCacheSizes(const LevelSizes& cpuid, const LevelSizes& sysfs) {
  CacheLevelSizes chosen;
  chosen.bytes.level1Data = Pick(cpuid.level1Data, sysfs.level1Data, kDefaultLevelSizes.level1Data,
                                 chosen.level1DataSource);
  chosen.bytes.level2 =
      Pick(cpuid.level2, sysfs.level2, kDefaultLevelSizes.level2, chosen.level2Source);
  chosen.bytes.level3 =
      Pick(cpuid.level3, sysfs.level3, kDefaultLevelSizes.level3, chosen.level3Source);
  return chosen;
}

const char* SizeSourceName(SizeSource source) {
  switch (source) {
    case SizeSource::kCpuid:
      return "CPUID";
    case SizeSource::kSysfs:
      return "sysfs";
    case SizeSource::kDefault:
      break;
  }
  return "default";
}

}  // namespace cachemonitor
