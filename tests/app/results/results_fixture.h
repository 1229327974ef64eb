#pragma once

#include <QLocale>
#include <string>

#include "figure_store.h"
#include "ini_read_write.h"
#include "sandbox.h"

// A temporary folder holding Data.dat, the settings store routing into it, and captured engine
// outputs from the data folder.
class ResultsFixture {
 protected:
  Sandbox temp;
  state::ProgramState state;
  settings::INIReadWrite ini{state};
  results::FigureStore store{ini, temp.path()};
  const QLocale english{QLocale::English, QLocale::UnitedStates};

  std::string DataFile() const { return temp / "Data.dat"; }
  std::string Stored(const std::string& section, const std::string& key) {
    settings::cINI entry;
    entry.SetPath(DataFile());
    entry.SetSection(section);
    entry.SetKey(key);
    return entry.Value();
  }
  static std::string Capture(const std::string& name) {
    return ReadFile(std::string(RESULTS_TEST_DATA) + "/" + name);
  }
};
