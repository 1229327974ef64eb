#include "c_ini.h"

#include <algorithm>

#include "profile_store.h"

namespace settings {
namespace {

constexpr std::size_t kValueBuffer = 1024;
constexpr std::size_t kSectionBuffer = 255;

}  // namespace

std::string cINI::Value() const {
  return ReadProfileString(path_, section_, key_, default_, kValueBuffer);
}

void cINI::SetValue(std::string_view text) {
  std::string value(text);
  value.erase(std::remove(value.begin(), value.end(), '\0'), value.end());
  lastReturnCode_ = WriteProfileString(path_, section_, key_, value) ? 1 : 0;
}

void cINI::DeleteValue() {
  lastReturnCode_ = WriteProfileString(path_, section_, key_, "") ? 1 : 0;
}

void cINI::DeleteSection() { lastReturnCode_ = RemoveProfileSection(path_, section_) ? 1 : 0; }

std::string cINI::INISection() const {
  return ReadProfileKeyNames(path_, section_, kSectionBuffer);
}

void cINI::SetINISection(std::string_view) { DeleteSection(); }

}  // namespace settings
