#include <limits.h>
#include <unistd.h>

#include "environment.h"
#include "host.h"

namespace platform {

std::string ComputerName() {
  std::string name = EnvironmentValue("Computername");
  if (name.empty()) {
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) == 0) {
      name = host;
    }
  }
  return name;
}

std::string CoreCount() {
  std::string count = EnvironmentValue("NUMBER_OF_PROCESSORS");
  if (count.empty()) {
    const long online = ::sysconf(_SC_NPROCESSORS_ONLN);
    if (online > 0) {
      count = std::to_string(online);
    }
  }
  return count;
}

}  // namespace platform
