#include "time_zone.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "text_file.h"

namespace systeminfo {
namespace {

// The zone name in a path of the zone database (/usr/share/zoneinfo/Europe/Berlin).
std::string ZoneInPath(const std::string& path) {
  const std::string_view marker = "zoneinfo/";
  const std::size_t at = path.find(marker);
  return at == std::string::npos ? std::string() : path.substr(at + marker.size());
}

std::string ZoneName(const std::tm& local) {
  if (const char* tz = std::getenv("TZ"); tz != nullptr && *tz != '\0') {
    std::string name = tz[0] == ':' ? tz + 1 : tz;
    const std::string inPath = ZoneInPath(name);
    return inPath.empty() ? name : inPath;
  }
  if (const auto file = ReadTextFile("/etc/timezone")) {
    const std::string name = Trimmed(file->substr(0, file->find('\n')));
    if (!name.empty()) {
      return name;
    }
  }
  char target[512];
  const ssize_t length = ::readlink("/etc/localtime", target, sizeof target - 1);
  if (length > 0) {
    const std::string name = ZoneInPath(std::string(target, static_cast<std::size_t>(length)));
    if (!name.empty()) {
      return name;
    }
  }
  return local.tm_zone != nullptr ? local.tm_zone : "";
}

}  // namespace

std::string TimeZoneText(std::time_t at) {
  std::tm local{};
  if (::localtime_r(&at, &local) == nullptr) {
    return {};
  }
  const long offset = local.tm_gmtoff;
  const long minutes = (offset < 0 ? -offset : offset) / 60;
  char text[32];
  std::snprintf(text, sizeof text, "(UTC%c%02ld:%02ld)", offset < 0 ? '-' : '+', minutes / 60,
                minutes % 60);
  const std::string name = ZoneName(local);
  return name.empty() ? std::string(text) : std::string(text) + " " + name;
}

}  // namespace systeminfo
