#include "figure_store.h"

namespace results {

std::string DataFilePath(const std::string& tempFolder) { return tempFolder + "/Data.dat"; }

std::string FigureStore::Previous(const std::string& section, const std::string& key) {
  return ini_.ReadIniValue(dataFile_, section, key);
}

void FigureStore::Store(const std::string& section, const std::string& key, double figure) {
  ini_.WriteIniValue(dataFile_, section, key, figure);
}

}  // namespace results
