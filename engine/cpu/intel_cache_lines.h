// The report's cache and TLB lines of Intel processors, decoded from the leaf 2 descriptors.
#pragma once

#include "cpu/leaf2_descriptors.h"
#include "cpu/processor_signature.h"
#include "cpu/report_text.h"

namespace engine {

void appendIntelCacheLines(const Leaf2Descriptors& descriptors, const ProcessorSignature& signature,
                           const InstanceCounts& counts, ReportText& report);

}  // namespace engine
