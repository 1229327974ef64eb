#pragma once

#include <string>

#include "ini_read_write.h"

namespace results {

// Data.dat in the temporary folder: the system summary and the last figure of every test.
std::string DataFilePath(const std::string& tempFolder);

// Where the result routines read the previous figure and store the new one: Data.dat through the
// settings store, whose CompareFilePath and FullTestFilePath route the reads and mirror the writes.
class FigureStore {
 public:
  FigureStore(settings::INIReadWrite& ini, std::string tempFolder)
      : ini_(ini), dataFile_(DataFilePath(tempFolder)) {}

  // The stored text of the figure, empty when there is none.
  std::string Previous(const std::string& section, const std::string& key);
  // Stores the figure as plain decimal text.
  void Store(const std::string& section, const std::string& key, double figure);

 private:
  settings::INIReadWrite& ini_;
  std::string dataFile_;
};

}  // namespace results
