// Reading recorded CPUID dumps.
#include "cpu/cpuid_dump.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

namespace {

using engine::CpuidDump;
using engine::CpuidDumpError;
using engine::CpuidRegisters;

CpuidDump parse(const std::string& text) {
  std::istringstream in(text);
  return CpuidDump::parse(in);
}

void expectRegisters(const CpuidRegisters& r, std::uint32_t eax, std::uint32_t ebx,
                     std::uint32_t ecx, std::uint32_t edx) {
  EXPECT_EQ(r.eax, eax);
  EXPECT_EQ(r.ebx, ebx);
  EXPECT_EQ(r.ecx, ecx);
  EXPECT_EQ(r.edx, edx);
}

TEST(CpuidDump, ReadsRecordsAndSkipsCommentsAndNotes) {
  const CpuidDump dump = parse(
      "# Some processor, source somewhere\r\n"
      "\r\n"
      "CPUID 00000000: 0000000D-68747541-444D4163-69746E65 [AuthenticAMD]\r\n"
      "  CPUID 80000002: 20444d41-74285846-382d296d-20303531 [AMD FX(tm)-8150 ]\r\n"
      "CPUID 80000003: 68676945-6F432D74-50206572-65636F72 [)2 CPU  [x] X]\n");
  expectRegisters(dump.query(0, 0), 0x0000000D, 0x68747541, 0x444D4163, 0x69746E65);
  expectRegisters(dump.query(0x80000002u, 0), 0x20444D41, 0x74285846, 0x382D296D, 0x20303531);
  expectRegisters(dump.query(0x80000003u, 0), 0x68676945, 0x6F432D74, 0x50206572, 0x65636F72);
  EXPECT_TRUE(dump.present());
}

TEST(CpuidDump, MissingLeavesAndSubleavesReadAsZeros) {
  const CpuidDump dump = parse("CPUID 00000001: 00000683-00000002-00000000-0387FBFF\n");
  expectRegisters(dump.query(2, 0), 0, 0, 0, 0);
  expectRegisters(dump.query(1, 1), 0, 0, 0, 0);
  expectRegisters(dump.query(0x80000000u, 0), 0, 0, 0, 0);
}

TEST(CpuidDump, SubleavesAreNamedOrCountedInOrder) {
  const CpuidDump dump = parse(
      "CPUID 00000004: 1C004121-01C0003F-0000003F-00000000\n"
      "CPUID 00000004: 1C004122-00C0003F-0000007F-00000000\n"
      "CPUID 00000004: 1C004143-01C0003F-000001FF-00000000\n"
      "CPUID 0000000D: 00000007-00000340-000003C0-40000000 [SL 00] [x87]\n"
      "CPUID 0000000D: 00000080-00000340-00000000-00000000 [SL 3E]\n");
  EXPECT_EQ(dump.query(4, 0).eax, 0x1C004121u);
  EXPECT_EQ(dump.query(4, 1).eax, 0x1C004122u);
  EXPECT_EQ(dump.query(4, 2).eax, 0x1C004143u);
  EXPECT_EQ(dump.query(4, 3).eax, 0u);
  EXPECT_EQ(dump.query(0xD, 0).eax, 7u);
  EXPECT_EQ(dump.query(0xD, 0x3E).eax, 0x80u);
  EXPECT_EQ(dump.query(0xD, 1).eax, 0u);
}

TEST(CpuidDump, MalformedDumpsNameTheirLine) {
  const std::string good = "CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\n";
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"CPUID 00000001 00000683-00000002-00000000-0387FBFF\n", "line 2: expected"},
      {"CPUID 00000001: 00000683-00000002-00000000\n", "line 2: expected"},
      {"CPUID 00000001: 00000683-00000002-00000000-0387FBF\n", "line 2: expected"},
      {"CPUID 00000001: 00000683-00000002-00000000-0387FBFF0\n", "line 2: expected"},
      {"CPUID 1: 00000683-00000002-00000000-0387FBFF\n", "line 2: expected"},
      {"cpuid 00000001: 00000683-00000002-00000000-0387FBFF\n", "line 2: expected"},
      {"CPUID 0000000G: 00000683-00000002-00000000-0387FBFF\n", "line 2: expected"},
      {"CPUID 00000001: 00000683-00000002-00000000-0387FBFF trailing\n",
       "line 2: unexpected text after the registers"},
      {"CPUID 00000001: 00000683-00000002-00000000-0387FBFF [note\n",
       "line 2: a note without its closing ']'"},
      {"CPUID 00000001: 00000683-00000002-00000000-0387FBFF [SL xy]\n",
       "line 2: a subleaf that is not \"[SL nn]\""},
      {"CPUID 00000001: 00000683-00000002-00000000-0387FBFF [SL 00] [SL 01]\n",
       "line 2: two subleaves on one line"},
      {"CPUID 00000000: 00000001-756E6547-6C65746E-49656E69 [SL 00]\n",
       "line 2: leaf 00000000 subleaf 00000000 is recorded twice"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.text);
    try {
      parse(good + row.text);
      ADD_FAILURE() << "accepted";
    } catch (const CpuidDumpError& error) {
      EXPECT_EQ(std::string(error.what()).compare(0, std::strlen(row.error), row.error), 0)
          << error.what();
    }
  }
}

TEST(CpuidDump, ADumpWithoutRecordsIsRefused) {
  EXPECT_THROW(parse("# only a comment\n\n"), CpuidDumpError);
  EXPECT_THROW(parse(""), CpuidDumpError);
}

TEST(CpuidDump, AnUnreadableFileIsRefused) {
  try {
    CpuidDump::load("/nonexistent/dump.txt");
    ADD_FAILURE() << "loaded";
  } catch (const CpuidDumpError& error) {
    EXPECT_EQ(std::string(error.what()), "/nonexistent/dump.txt: No such file or directory");
  }
}

}  // namespace
