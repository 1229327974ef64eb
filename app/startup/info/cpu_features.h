#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace startup {

// One explanation of the CPU ID information: the feature's term and one to five paragraphs, the
// first of which starts with the term.
struct CpuFeature {
  std::string_view term;
  std::vector<std::string_view> paragraphs;
};

// The explanations in the order the information window lists them.
const std::vector<CpuFeature>& CpuFeatures();

// The information window's CPU text: the heading "CPU ID Data", then every paragraph of every
// feature, each after a blank line; lines end in CR LF.
std::string CpuIdInformationText();

}  // namespace startup
