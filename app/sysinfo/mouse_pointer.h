#pragma once

namespace sysinfo {

// The main window's mouse pointer while the system information is gathered.
enum class MousePointer { Default, Hourglass };

}  // namespace sysinfo
