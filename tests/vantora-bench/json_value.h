// A small JSON reader for checking the program's output: parses the whole text or throws, so a
// malformed document fails the test that reads it.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vbench_test {

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> fields;
  std::vector<std::string> order;  // the fields' names as written

  bool has(const std::string& name) const { return fields.count(name) != 0; }
  // Throws when the field is missing.
  const JsonValue& operator[](const std::string& name) const {
    const auto found = fields.find(name);
    if (found == fields.end()) throw std::runtime_error("no field '" + name + "'");
    return found->second;
  }
};

JsonValue parseJson(const std::string& text);

}  // namespace vbench_test
