#include "cpu/cpuid_dump.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>

namespace engine {
namespace {

class LineReader {
 public:
  explicit LineReader(const std::string& line) : line_(line) {}

  bool atEnd() const { return pos_ == line_.size(); }
  char peek() const { return atEnd() ? '\0' : line_[pos_]; }

  void skipBlanks() {
    while (!atEnd() && std::isspace(static_cast<unsigned char>(line_[pos_]))) ++pos_;
  }

  bool take(const char* expected) {
    const std::size_t length = std::strlen(expected);
    if (line_.compare(pos_, length, expected) != 0) return false;
    pos_ += length;
    return true;
  }

  // Between `minDigits` and `maxDigits` hexadecimal digits.
  std::optional<std::uint32_t> hex(std::size_t minDigits, std::size_t maxDigits) {
    std::uint32_t value = 0;
    std::size_t digits = 0;
    while (digits < maxDigits && !atEnd() && std::isxdigit(static_cast<unsigned char>(peek()))) {
      const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(line_[pos_++])));
      value = value * 16 + static_cast<std::uint32_t>(c <= '9' ? c - '0' : c - 'a' + 10);
      ++digits;
    }
    if (digits < minDigits) return std::nullopt;
    if (!atEnd() && std::isxdigit(static_cast<unsigned char>(peek()))) return std::nullopt;
    return value;
  }

  // The text up to the ']' that closes a note just opened, brackets inside it included; the
  // closing ']' is consumed. Nothing when the note is never closed.
  std::optional<std::string> bracketed() {
    int depth = 1;
    for (std::size_t close = pos_; close < line_.size(); ++close) {
      if (line_[close] == '[') ++depth;
      if (line_[close] == ']' && --depth == 0) {
        std::string inside = line_.substr(pos_, close - pos_);
        pos_ = close + 1;
        return inside;
      }
    }
    return std::nullopt;
  }

 private:
  const std::string& line_;
  std::size_t pos_ = 0;
};

struct Record {
  std::uint32_t leaf;
  std::optional<std::uint32_t> subleaf;
  CpuidRegisters registers;
};

const char kExpected[] = "expected \"CPUID LLLLLLLL: EAX-EBX-ECX-EDX\" in hexadecimal";

[[noreturn]] void fail(unsigned number, const std::string& reason) {
  throw CpuidDumpError("line " + std::to_string(number) + ": " + reason);
}

Record parseRecord(const std::string& line, unsigned number) {
  LineReader in(line);
  in.skipBlanks();
  Record record{};
  if (!in.take("CPUID")) fail(number, kExpected);
  in.skipBlanks();
  const auto leaf = in.hex(8, 8);
  if (!leaf || !in.take(":")) fail(number, kExpected);
  record.leaf = *leaf;
  std::uint32_t* const registers[] = {&record.registers.eax, &record.registers.ebx,
                                      &record.registers.ecx, &record.registers.edx};
  for (int r = 0; r < 4; ++r) {
    if (r == 0) in.skipBlanks();
    if (r > 0 && !in.take("-")) fail(number, kExpected);
    const auto value = in.hex(8, 8);
    if (!value) fail(number, kExpected);
    *registers[r] = *value;
  }
  for (in.skipBlanks(); !in.atEnd(); in.skipBlanks()) {
    if (!in.take("[")) fail(number, "unexpected text after the registers");
    const auto note = in.bracketed();
    if (!note) fail(number, "a note without its closing ']'");
    if (note->compare(0, 3, "SL ") != 0) continue;
    LineReader subleafText(*note);
    subleafText.take("SL ");
    const auto subleaf = subleafText.hex(1, 8);
    if (!subleaf || !subleafText.atEnd()) fail(number, "a subleaf that is not \"[SL nn]\"");
    if (record.subleaf) fail(number, "two subleaves on one line");
    record.subleaf = *subleaf;
  }
  return record;
}

std::string hex8(std::uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

}  // namespace

CpuidDump CpuidDump::parse(std::istream& text) {
  CpuidDump dump;
  std::map<std::uint32_t, std::uint32_t> recordsOfLeaf;
  std::string line;
  for (unsigned number = 1; std::getline(text, line); ++number) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    const Record record = parseRecord(line, number);
    const std::uint32_t subleaf = record.subleaf.value_or(recordsOfLeaf[record.leaf]);
    ++recordsOfLeaf[record.leaf];
    if (!dump.records_.emplace(std::make_pair(record.leaf, subleaf), record.registers).second) {
      fail(number,
           "leaf " + hex8(record.leaf) + " subleaf " + hex8(subleaf) + " is recorded twice");
    }
  }
  if (text.bad()) throw CpuidDumpError("the dump cannot be read");
  if (dump.records_.empty()) throw CpuidDumpError("no CPUID lines in the dump");
  return dump;
}

CpuidDump CpuidDump::load(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw CpuidDumpError(path + ": " + std::strerror(errno));
  try {
    return parse(file);
  } catch (const CpuidDumpError& error) {
    throw CpuidDumpError(path + ": " + error.what());
  }
}

CpuidRegisters CpuidDump::query(std::uint32_t leaf, std::uint32_t subleaf) const {
  const auto found = records_.find({leaf, subleaf});
  return found == records_.end() ? CpuidRegisters{} : found->second;
}

}  // namespace engine
