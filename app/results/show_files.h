#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace results {

// The past Full Tests in `folder`: the names (no folder) of its entries other than folders whose
// names end in "tdv" in any case, a dot or not, in the order the folder lists them. A folder that
// does not exist or cannot be read holds none.
std::vector<std::string> ShowFiles(const std::string& folder);

// "Compare to Past Full Test (3)".
std::string CompareMenuCaption(std::size_t count);

// The entry of a past Full Test as the compare window lists it: without its last four characters.
std::string CompareListEntry(const std::string& name);

// CompareFilePath for the past Full Test chosen in the compare window: the file of that name in the
// "Full Test" folder. The name listed, not the shortened entry shown, so that a file whose name has
// no dot before "tdv", or whose extension is spelled otherwise, is the file compared with.
std::string ComparePath(const std::string& programWriteFolder, const std::string& oldTestName);

}  // namespace results
