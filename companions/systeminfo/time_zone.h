#pragma once

#include <ctime>
#include <string>

namespace systeminfo {

// The local time zone at `at`: its offset from UTC and its name, "(UTC+01:00) Europe/Berlin".
// The name comes from TZ, else /etc/timezone, else the zone /etc/localtime links to, else the
// zone's abbreviation.
std::string TimeZoneText(std::time_t at);

}  // namespace systeminfo
