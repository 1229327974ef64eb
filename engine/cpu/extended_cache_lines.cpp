#include "cpu/extended_cache_lines.h"

#include <cstdint>
#include <string>

namespace engine {
namespace {

constexpr unsigned kFullyAssociative = 255;
// The associativity code that leaves every field of the cache to leaf 0x8000001D.
constexpr unsigned kWaysInCacheProperties = 0x9;

struct WaysCode {
  unsigned code;
  unsigned ways;
};

// Codes not listed stand for their own number. Code 5 (6-way) is from the current encoding.
const WaysCode kWaysCodes[] = {
    {0x5, 6},  {0x6, 8},   {0x8, 16},
    {0xA, 32}, {0xB, 48},  {0xC, 64},
    {0xD, 96}, {0xE, 128}, {0xF, kFullyAssociative},
};

// The ways an associativity code of leaf 0x80000006 stands for; 0: the cache or TLB is absent.
unsigned waysOfCode(unsigned code) {
  for (const WaysCode& entry : kWaysCodes) {
    if (entry.code == code) return entry.ways;
  }
  return code;
}

unsigned field(std::uint32_t value, unsigned low, unsigned bits) {
  return (value >> low) & ((1u << bits) - 1);
}

// Ways of the level-`level` data or unified cache described by leaf 0x8000001D; 0 if none is.
unsigned waysFromCacheProperties(const CpuidReader& cpuid, unsigned level) {
  constexpr unsigned kInstructionCache = 2;
  for (std::uint32_t subleaf = 0; subleaf < 16; ++subleaf) {
    const CpuidRegisters cache = cpuid.read(0x8000001Du, subleaf);
    const unsigned type = field(cache.eax, 0, 5);
    if (type == 0) break;
    if (field(cache.eax, 5, 3) != level || type == kInstructionCache) continue;
    if (field(cache.eax, 9, 1)) return kFullyAssociative;
    return field(cache.ebx, 22, 10) + 1;
  }
  return 0;
}

class Lines {
 public:
  Lines(const CpuidReader& cpuid, const InstanceCounts& counts, ReportText& report)
      : cpuid_(cpuid),
        level1_(countPrefix(counts.level1)),
        level2_(countPrefix(counts.level2)),
        report_(report) {}

  // A fully associative TLB has as many ways as entries.
  void tlb(const std::string& prefix, char letter, char page, unsigned entries, unsigned ways) {
    report_.line("%s%c-TLB (4%cb pages): %u entries, %u-way", prefix.c_str(), letter, page, entries,
                 ways == kFullyAssociative ? entries : ways);
  }

  void level1() {
    const CpuidRegisters leaf = cpuid_.read(0x80000005u);
    const char* const format = "%s%c-cache: %uKb, %u-way, %u line(s) per tag, %u bytes per line";
    report_.line(format, level1_.c_str(), 'I', field(leaf.edx, 24, 8), field(leaf.edx, 16, 8),
                 field(leaf.edx, 8, 8), field(leaf.edx, 0, 8));
    report_.line(format, level1_.c_str(), 'D', field(leaf.ecx, 24, 8), field(leaf.ecx, 16, 8),
                 field(leaf.ecx, 8, 8), field(leaf.ecx, 0, 8));
    // A 4 MB page takes two of the 2 MB entries the leaf counts.
    tlb(level1_, 'I', 'K', field(leaf.ebx, 0, 8), field(leaf.ebx, 8, 8));
    tlb(level1_, 'I', 'M', field(leaf.eax, 0, 8) / 2, field(leaf.eax, 8, 8));
    tlb(level1_, 'D', 'K', field(leaf.ebx, 16, 8), field(leaf.ebx, 24, 8));
    tlb(level1_, 'D', 'M', field(leaf.eax, 16, 8) / 2, field(leaf.eax, 24, 8));
  }

  // Code 9 leaves the ways to leaf 0x8000001D; when that leaf does not tell them either, the
  // line says so instead of printing the code as a way count.
  void cache(const std::string& prefix, char letter, unsigned level, unsigned kilobytes,
             unsigned code, unsigned linesPerTag, unsigned lineBytes) {
    unsigned ways = waysOfCode(code);
    if (code == kWaysInCacheProperties) ways = waysFromCacheProperties(cpuid_, level);
    if (ways == 0 && code != 0) {
      report_.line("%c-cache: [unknown]", letter);
      return;
    }
    report_.line("%s%c-cache: %uKb, %u-way, %u line(s) per tag, %u bytes per line", prefix.c_str(),
                 letter, kilobytes, ways, linesPerTag, lineBytes);
  }

  void level2And3() {
    const CpuidRegisters leaf = cpuid_.read(0x80000006u);
    cache(level2_, 'S', 2, field(leaf.ecx, 16, 16), field(leaf.ecx, 12, 4), field(leaf.ecx, 8, 4),
          field(leaf.ecx, 0, 8));

    const unsigned tlb4KWays = waysOfCode(field(leaf.ebx, 12, 4));
    if (tlb4KWays != 0) {
      tlb(level2_, 'S', 'K', field(leaf.ebx, 0, 12), tlb4KWays);
      const unsigned tlb4MWays = waysOfCode(field(leaf.eax, 12, 4));
      if (tlb4MWays != 0) tlb(level2_, 'S', 'M', field(leaf.eax, 0, 12) / 2, tlb4MWays);
    }

    const unsigned level3Code = field(leaf.edx, 12, 4);
    if (level3Code == 0) return;
    cache("", 'T', 3, field(leaf.edx, 18, 14) * 512, level3Code, field(leaf.edx, 8, 4),
          field(leaf.edx, 0, 8));
  }

 private:
  const CpuidReader& cpuid_;
  const std::string level1_;
  const std::string level2_;
  ReportText& report_;
};

}  // namespace

void appendExtendedCacheLines(const CpuidReader& cpuid, const InstanceCounts& counts,
                              ReportText& report) {
  if (cpuid.maxExtendedLeaf() < 0x80000005u) return;
  Lines lines(cpuid, counts, report);
  lines.level1();
  if (cpuid.maxExtendedLeaf() < 0x80000006u) return;
  lines.level2And3();
}

}  // namespace engine
