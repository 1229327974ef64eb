#include "web_addresses.h"

namespace startup {

std::string MakerPage() { return VANTORA_MAKER_PAGE; }

std::string EngineAuthorsPage() { return VANTORA_ENGINE_AUTHORS_PAGE; }

std::string RamDiskVendorPage() { return VANTORA_RAMDISK_VENDOR_PAGE; }

}  // namespace startup
