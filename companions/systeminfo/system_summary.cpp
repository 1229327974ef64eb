#include "system_summary.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <ctime>
#include <optional>

#include "dmi_values.h"
#include "os_release.h"
#include "proc_files.h"
#include "summary_line.h"
#include "text_file.h"
#include "time_zone.h"

namespace systeminfo {
namespace {

constexpr std::uint64_t kKilobytesPerMegabyte = 1024;

std::string Megabytes(std::uint64_t kilobytes, const DigitGrouping& grouping) {
  return GroupDigits(kilobytes / kKilobytesPerMegabyte, grouping) + " MB";
}

std::string HostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) {
    return {};
  }
  return name;
}

std::string SystemType(const std::string& machine) {
  if (machine == "x86_64") {
    return "x64-based PC";
  }
  if (machine.size() == 4 && machine[0] == 'i' && machine.substr(2) == "86") {
    return "X86-based PC";
  }
  return machine + "-based PC";
}

std::string LocalDateTime(std::time_t at) {
  std::tm local{};
  char text[128];
  if (::localtime_r(&at, &local) == nullptr ||
      std::strftime(text, sizeof text, "%x, %X", &local) == 0) {
    return {};
  }
  return text;
}

class Summary {
 public:
  void Add(const std::string& label, const std::string& value) {
    if (!value.empty()) {
      lines_.push_back(SummaryLine(label, value));
    }
  }
  void Continue(const std::string& value) {
    if (!value.empty()) {
      lines_.push_back(ContinuationLine(value));
    }
  }
  std::vector<std::string> Lines() { return std::move(lines_); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> SystemSummary(const SummarySources& sources,
                                       const DigitGrouping& grouping) {
  utsname system{};
  ::uname(&system);
  std::optional<std::string> osRelease = ReadTextFile(sources.osRelease);
  if (!osRelease) {
    osRelease = ReadTextFile(sources.osReleaseFallback);
  }
  const std::string release = osRelease.value_or("");
  const auto dmi = [&](const char* name) {
    const std::optional<std::string> text = ReadTextFile(sources.dmiFolder + "/" + name);
    return text ? UsefulDmiValue(*text) : std::nullopt;
  };
  const auto proc = [&](const char* name) {
    return ReadTextFile(sources.procFolder + "/" + name).value_or("");
  };

  Summary summary;
  summary.Add("Host Name:", HostName());

  std::string osName = OsReleaseValue(release, "PRETTY_NAME");
  if (osName.empty()) {
    osName = OsReleaseValue(release, "NAME");
  }
  summary.Add("OS Name:", osName.empty() ? system.sysname : osName);
  std::string version = OsReleaseValue(release, "VERSION");
  if (version.empty()) {
    version = OsReleaseValue(release, "VERSION_ID");
  }
  summary.Add("OS Version:", (version.empty() ? "" : version + ", ") + "kernel " + system.release);

  if (const std::optional<std::int64_t> boot = BootTime(proc("stat"))) {
    summary.Add("System Boot Time:", LocalDateTime(static_cast<std::time_t>(*boot)));
  }
  summary.Add("System Manufacturer:", dmi("sys_vendor").value_or(""));
  summary.Add("System Model:", dmi("product_name").value_or(""));
  summary.Add("System Type:", SystemType(system.machine));

  const std::vector<std::string> packages = ProcessorPackageNames(proc("cpuinfo"));
  if (!packages.empty()) {
    summary.Add("Processor(s):", std::to_string(packages.size()) + " Processor(s) Installed.");
    for (std::size_t i = 0; i < packages.size(); ++i) {
      if (!packages[i].empty()) {
        char number[32];
        std::snprintf(number, sizeof number, "[%02zu]: ", i + 1);
        summary.Continue(number + packages[i]);
      }
    }
  }

  const std::optional<std::string> biosVendor = dmi("bios_vendor");
  const std::optional<std::string> biosVersion = dmi("bios_version");
  if (biosVendor || biosVersion) {
    std::string bios = biosVendor.value_or("");
    if (biosVersion) {
      bios += (bios.empty() ? "" : " ") + *biosVersion;
    }
    if (const std::optional<std::string> date = dmi("bios_date")) {
      bios += ", " + *date;
    }
    summary.Add("BIOS Version:", bios);
  }

  summary.Add("Time Zone:", TimeZoneText(std::time(nullptr)));

  const std::string meminfo = proc("meminfo");
  const std::optional<std::uint64_t> total = MemInfoKilobytes(meminfo, "MemTotal");
  const std::optional<std::uint64_t> available = MemInfoKilobytes(meminfo, "MemAvailable");
  const std::optional<std::uint64_t> swapTotal = MemInfoKilobytes(meminfo, "SwapTotal");
  const std::optional<std::uint64_t> swapFree = MemInfoKilobytes(meminfo, "SwapFree");
  if (total) {
    summary.Add("Total Physical Memory:", Megabytes(*total, grouping));
  }
  if (available) {
    summary.Add("Available Physical Memory:", Megabytes(*available, grouping));
  }
  // Virtual memory is the physical memory and the swap areas together.
  if (total && swapTotal) {
    summary.Add("Virtual Memory: Max Size:", Megabytes(*total + *swapTotal, grouping));
  }
  if (available && swapFree) {
    summary.Add("Virtual Memory: Available:", Megabytes(*available + *swapFree, grouping));
  }
  if (total && swapTotal && available && swapFree) {
    const std::uint64_t max = (*total + *swapTotal) / kKilobytesPerMegabyte;
    const std::uint64_t free = (*available + *swapFree) / kKilobytesPerMegabyte;
    summary.Add("Virtual Memory: In Use:",
                GroupDigits(max > free ? max - free : 0, grouping) + " MB");
  }
  const std::vector<std::string> areas = SwapAreas(proc("swaps"));
  for (std::size_t i = 0; i < areas.size(); ++i) {
    if (i == 0) {
      summary.Add("Page File Location(s):", areas[i]);
    } else {
      summary.Continue(areas[i]);
    }
  }
  return summary.Lines();
}

}  // namespace systeminfo
