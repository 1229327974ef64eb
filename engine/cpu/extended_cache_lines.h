// The report's cache and TLB lines of AMD and VIA processors, from the extended leaves
// 0x80000005 and 0x80000006.
#pragma once

#include "cpu/cpuid_source.h"
#include "cpu/report_text.h"

namespace engine {

void appendExtendedCacheLines(const CpuidReader& cpuid, const InstanceCounts& counts,
                              ReportText& report);

}  // namespace engine
