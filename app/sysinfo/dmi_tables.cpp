#include "dmi_tables.h"

#include "environment.h"
#include "whole_file.h"

namespace sysinfo {

std::string DmiTablesPath() {
  const std::string chosen = platform::EnvironmentValue("VANTORA_DMI_TABLES");
  return chosen.empty() ? kDmiTablesPath : chosen;
}

std::vector<SmbiosStructure> ReadDmiTables() {
  const platform::FileRead file = platform::ReadWholeFile(DmiTablesPath());
  if (file.status != platform::FileRead::Status::Ok) {
    return {};
  }
  return ParseSmbiosTable(file.content);
}

}  // namespace sysinfo
