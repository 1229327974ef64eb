// The rows of the per-vendor name tables, and their lookup.
#pragma once

#include <cstddef>

#include "cpu/processor_name.h"

namespace engine {

struct NameRow {
  unsigned first;  // the range of keys the row covers: models, brand keys or vendor keys
  unsigned last;
  bool (*when)(const NameInputs&);  // nullptr: whenever the key matches
  const char* name;
  const char* second;  // nullptr: the name stands alone
  InstanceCounts counts;
};

// The last row of every table covers every key.
constexpr unsigned kEveryKey = ~0u;

// The first row whose key range holds `key` and whose condition holds.
template <std::size_t N>
const NameRow& lookup(const NameRow (&rows)[N], unsigned key, const NameInputs& inputs) {
  for (const NameRow& row : rows) {
    if (key >= row.first && key <= row.last && (row.when == nullptr || row.when(inputs))) {
      return row;
    }
  }
  return rows[N - 1];
}

struct NamePart {
  const char* prefix;  // the vendor word and a blank; empty where the name says it
  const char* name;
  const char* second;
  InstanceCounts counts;
  bool viaC3;
};

inline NamePart fromRow(const char* prefix, const NameRow& row) {
  return {prefix, row.name, row.second, row.counts, false};
}

NamePart intelName(const NameInputs& inputs);
NamePart amdName(const NameInputs& inputs);
NamePart cyrixName(const NameInputs& inputs);
NamePart centaurName(const NameInputs& inputs);
NamePart transmetaName(const NameInputs& inputs);
NamePart riseName(const NameInputs& inputs);
NamePart nexGenName(const NameInputs& inputs);
NamePart umcName(const NameInputs& inputs);
NamePart nscName(const NameInputs& inputs);
NamePart sisName(const NameInputs& inputs);

}  // namespace engine
