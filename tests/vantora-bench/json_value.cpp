#include "json_value.h"

#include <cctype>
#include <cstdlib>

namespace vbench_test {
namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  JsonValue document() {
    JsonValue value = parseValue();
    skipBlanks();
    if (at_ != text_.size()) fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(at_));
  }

  void skipBlanks() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }

  bool take(char c) {
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  void expect(char c) {
    if (!take(c)) fail(std::string("expected '") + c + "'");
  }

  bool takeWord(const char* word) {
    const std::string w(word);
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  JsonValue parseValue() {
    skipBlanks();
    JsonValue value;
    if (take('{')) {
      value.kind = JsonValue::Kind::Object;
      if (take('}')) return value;
      do {
        skipBlanks();
        const std::string name = parseString();
        expect(':');
        if (value.fields.count(name) != 0) fail("field '" + name + "' twice");
        value.order.push_back(name);
        value.fields[name] = parseValue();
      } while (take(','));
      expect('}');
    } else if (take('[')) {
      value.kind = JsonValue::Kind::Array;
      if (take(']')) return value;
      do value.items.push_back(parseValue());
      while (take(','));
      expect(']');
    } else if (at_ < text_.size() && text_[at_] == '"') {
      value.kind = JsonValue::Kind::String;
      value.text = parseString();
    } else if (takeWord("null")) {
      value.kind = JsonValue::Kind::Null;
    } else if (takeWord("true")) {
      value.kind = JsonValue::Kind::Bool;
      value.boolean = true;
    } else if (takeWord("false")) {
      value.kind = JsonValue::Kind::Bool;
    } else {
      value.kind = JsonValue::Kind::Number;
      const char* start = text_.c_str() + at_;
      char* end = nullptr;
      value.number = std::strtod(start, &end);
      if (end == start || std::isspace(static_cast<unsigned char>(*start))) fail("bad value");
      at_ += std::size_t(end - start);
    }
    return value;
  }

  std::string parseString() {
    if (at_ >= text_.size() || text_[at_] != '"') fail("expected a string");
    ++at_;
    std::string result;
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (static_cast<unsigned char>(c) < 0x20) fail("control character in a string");
      if (c == '\\') {
        if (at_ >= text_.size()) fail("unfinished escape");
        c = text_[at_++];
        if (c == 'u') {
          result += char(std::strtol(text_.substr(at_, 4).c_str(), nullptr, 16));
          at_ += 4;
          continue;
        }
        if (c == 'n') c = '\n';
      }
      result += c;
    }
    if (at_ >= text_.size()) fail("unfinished string");
    ++at_;
    return result;
  }

  const std::string& text_;
  std::size_t at_ = 0;
};

}  // namespace

JsonValue parseJson(const std::string& text) { return Parser(text).document(); }

}  // namespace vbench_test
